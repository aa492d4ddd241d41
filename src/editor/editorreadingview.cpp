// "Extras" > "Silbenbögen zeigen" and "Abstände": how the text is shown to
// the reader. Only the view changes, never the text.
#include "editor/editorwindow.h"

#include "platform/richtextfield.h"

#include <QActionGroup>
#include <QMenu>

#include <vector>

namespace editor {

namespace {

enum class Spacing {
    Letters,
    Words,
    Lines
};

struct SpacingChoice {
    Spacing kind;
    int value; // the enumerator of LetterSpacing, WordSpacing or LineSpacing
    const char *name;
    QString text;
};

const std::vector<SpacingChoice> &spacingChoices()
{
    static const std::vector<SpacingChoice> choices{
        {Spacing::Letters, 0, "letterSpacingNormalEntry", QStringLiteral("normal")},
        {Spacing::Letters, 1, "letterSpacing10Entry", QStringLiteral("+10 %")},
        {Spacing::Letters, 2, "letterSpacing25Entry", QStringLiteral("+25 %")},
        {Spacing::Words, 0, "wordSpacingNormalEntry", QStringLiteral("normal")},
        {Spacing::Words, 1, "wordSpacingWideEntry", QStringLiteral("weit")},
        {Spacing::Words, 2, "wordSpacingVeryWideEntry", QStringLiteral("sehr weit")},
        {Spacing::Lines, 0, "lineSpacing1Entry", QStringLiteral("1")},
        {Spacing::Lines, 1, "lineSpacing15Entry", QStringLiteral("1,5")},
        {Spacing::Lines, 2, "lineSpacing2Entry", QStringLiteral("2")},
    };
    return choices;
}

const SpacingChoice &choiceOf(const QAction *entry)
{
    return spacingChoices().at(size_t(entry->data().toInt()));
}

int valueIn(const platform::ReadingView &view, Spacing kind)
{
    switch (kind) {
    case Spacing::Letters: return int(view.letters);
    case Spacing::Words: return int(view.words);
    case Spacing::Lines: break;
    }
    return int(view.lines);
}

platform::ReadingView with(platform::ReadingView view, const SpacingChoice &choice)
{
    switch (choice.kind) {
    case Spacing::Letters: view.letters = platform::LetterSpacing(choice.value); break;
    case Spacing::Words: view.words = platform::WordSpacing(choice.value); break;
    case Spacing::Lines: view.lines = platform::LineSpacing(choice.value); break;
    }
    return view;
}

} // namespace

void EditorWindow::addReadingViewEntries(QMenu *extras)
{
    extras->addSeparator();
    m_arcsEntry = extras->addAction(QStringLiteral("Silbenbögen zeigen"));
    m_arcsEntry->setObjectName(QStringLiteral("syllableArcsEntry"));
    m_arcsEntry->setCheckable(true);
    connect(m_arcsEntry, &QAction::triggered, this, [this](bool on) {
        platform::ReadingView view = m_readingView;
        view.syllableArcs = on;
        setReadingView(view);
    });

    QMenu *spacing = extras->addMenu(QStringLiteral("Abstände"));
    spacing->setObjectName(QStringLiteral("spacingMenu"));
    const std::pair<Spacing, QString> groups[] = {{Spacing::Letters, QStringLiteral("Buchstaben")},
                                                  {Spacing::Words, QStringLiteral("Wörter")},
                                                  {Spacing::Lines, QStringLiteral("Zeilen")}};
    const std::vector<SpacingChoice> &choices = spacingChoices();
    for (const auto &[kind, title] : groups) {
        QMenu *menu = spacing->addMenu(title);
        auto *group = new QActionGroup(menu);
        for (size_t i = 0; i < choices.size(); ++i) {
            if (choices[i].kind != kind)
                continue;
            QAction *entry = menu->addAction(choices[i].text);
            entry->setObjectName(QString::fromLatin1(choices[i].name));
            entry->setCheckable(true);
            entry->setData(int(i));
            group->addAction(entry);
            connect(entry, &QAction::triggered, this,
                    [this, entry] { setReadingView(with(m_readingView, choiceOf(entry))); });
            m_spacingEntries.append(entry);
        }
    }
    markReadingViewEntries();
}

void EditorWindow::markReadingViewEntries()
{
    if (m_arcsEntry)
        m_arcsEntry->setChecked(m_readingView.syllableArcs);
    for (QAction *entry : m_spacingEntries) {
        const SpacingChoice &choice = choiceOf(entry);
        entry->setChecked(valueIn(m_readingView, choice.kind) == choice.value);
    }
}

void EditorWindow::setReadingView(const platform::ReadingView &view)
{
    const bool changed = !(view == m_readingView);
    m_readingView = view;
    m_field->setReadingView(view);
    markReadingViewEntries();
    if (changed)
        emit readingViewChanged(view);
}

} // namespace editor
