#include "app/readingviewstore.h"

#include <QSettings>

#include <algorithm>

namespace app {

namespace {

// A hand-edited or foreign value falls back to the nearest choice there is.
int choice(const QSettings &settings, const QString &key)
{
    return std::clamp(settings.value(key, 0).toInt(), 0, 2);
}

} // namespace

platform::ReadingView storedReadingView()
{
    const QSettings settings(QStringLiteral("kolorat"), QStringLiteral("kolorat"));
    platform::ReadingView view;
    view.syllableArcs = settings.value(QStringLiteral("Lesehilfen/Silbenboegen"), false).toBool();
    view.letters = platform::LetterSpacing(choice(settings, QStringLiteral("Lesehilfen/Buchstabenabstand")));
    view.words = platform::WordSpacing(choice(settings, QStringLiteral("Lesehilfen/Wortabstand")));
    view.lines = platform::LineSpacing(choice(settings, QStringLiteral("Lesehilfen/Zeilenabstand")));
    return view;
}

void storeReadingView(const platform::ReadingView &view)
{
    QSettings settings(QStringLiteral("kolorat"), QStringLiteral("kolorat"));
    settings.setValue(QStringLiteral("Lesehilfen/Silbenboegen"), view.syllableArcs);
    settings.setValue(QStringLiteral("Lesehilfen/Buchstabenabstand"), int(view.letters));
    settings.setValue(QStringLiteral("Lesehilfen/Wortabstand"), int(view.words));
    settings.setValue(QStringLiteral("Lesehilfen/Zeilenabstand"), int(view.lines));
}

} // namespace app
