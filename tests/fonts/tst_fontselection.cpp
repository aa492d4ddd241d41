// The font selection window along one road, its look and what every step
// shows and asks for compared with one golden file: loading the installed
// fonts, adding and removing (the rules of the offered fonts are the
// session's), the one font chosen on the right, and the three ways out.
#include "fonts/fontselectionwindow.h"
#include "session/session.h"
#include "support/doubles.h"
#include "support/widgetlookup.h"
#include "support/windowdump.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using testsupport::child;

namespace {

QStringList numberedFonts(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

// The test system's fonts: unsorted, both fixed fonts among them, names
// that differ only in case, and enough to overfill the offered list.
QStringList installedFonts()
{
    return QStringList{"Verdana", "Times New Roman", "arial", "Arial", "courier new", "DejaVu Sans"}
    + numberedFonts(20);
}

// A list's entries in one line, the selected ones in <>.
QString entries(const QListWidget *list)
{
    QStringList texts;
    for (const QListWidgetItem *item : list->findItems(QStringLiteral("*"), Qt::MatchWildcard))
        texts << (item->isSelected() ? QStringLiteral("<%1>") : QStringLiteral("%1")).arg(item->text());
    return texts.join(QLatin1Char(' '));
}

} // namespace

class TestFontSelection : public QObject {
    Q_OBJECT

private slots:
    void roadThroughTheWindow();
};

void TestFontSelection::roadThroughTheWindow()
{
    testsupport::RecordingRequests editor;
    session::Session shared{QString()};
    shared.setRequests(&editor);
    testsupport::ScriptedDialogs dialogs;
    testsupport::ManualTimers timers;
    fonts::FontSelectionWindow window(shared, dialogs, timers, installedFonts);
    QVERIFY(!window.windowIcon().isNull());
    const auto list = [&window](const char *name) { return child<QListWidget>(window, name); };
    const auto choose = [&](const char *name, const QString &entry) {
        list(name)->setCurrentItem(list(name)->findItems(entry, Qt::MatchExactly).value(0),
                                   QItemSelectionModel::ClearAndSelect);
    };
    const auto click = [&window](const char *button) { child<QPushButton>(window, button)->click(); };
    QString road;
    const auto opening = [&] {
        window.show();
        road += QStringLiteral("opening: hint \"%1\", system list %2, delays %3\n")
                    .arg(child<QLabel>(window, "hintLabel")->text())
                    .arg(list("systemFontList")->count())
                    .arg(timers.pendingDelays().value(0));
        timers.fireAll();
    };
    // After each step: the four lists, the right choice and its sample,
    // whether the window is still open, and what it asked of the others.
    const auto record = [&](const char *step) {
        const QString box = dialogs.calls().isEmpty() ? QString() : dialogs.lastCall().prompt;
        road += QStringLiteral("%1: %2 | %3 | %4 | right %5, sample %6\n")
                    .arg(QString::fromLatin1(step), entries(list("offeredFontList")), entries(list("arialList")),
                         entries(list("verdanaList")), window.rightFontName(),
                         child<QLabel>(window, "rightSample")->font().family())
            + QStringLiteral("  open %1, applied [%2], editor shown %3, other requests %4, boxes %5 \"%6\"\n")
                  .arg(window.isVisible())
                  .arg(editor.fontsApplied.join(QLatin1Char(',')))
                  .arg(editor.showings.size())
                  .arg(editor.otherCalls)
                  .arg(dialogs.calls().size())
                  .arg(QString(box).replace(QLatin1Char('\r'), QLatin1Char('|')));
    };

    shared.fonts().names = QStringList{"DejaVu Sans"};
    opening();
    road += testsupport::dumpWindow(window) + QStringLiteral("system list: ") + entries(list("systemFontList")) + '\n';
    record("loaded");
    choose("systemFontList", QStringLiteral("courier new"));
    click("addButton");
    record("courier new added");
    choose("verdanaList", QStringLiteral("Verdana"));
    record("Verdana chosen");
    choose("offeredFontList", QStringLiteral("DejaVu Sans"));
    record("offered font chosen");
    click("applyButton");
    record("applied");

    opening();
    choose("offeredFontList", QStringLiteral("courier new"));
    click("removeButton");
    record("courier new removed");
    click("cancelButton");
    record("Abbruch");

    shared.fonts().names = numberedFonts(17);
    opening();
    for (const char *font : {"Font 18", "Font 19"}) {
        dialogs.queueAnswer(platform::Answer::Ok);
        choose("systemFontList", QLatin1String(font));
        click("addButton");
        record(font);
    }
    QVERIFY(!window.close());
    record("close box");
    QVERIFY(dialogs.verifyAllAnswered());
    KOLORAT_VERIFY_GOLDEN(road, "fonts");
}

QTEST_MAIN(TestFontSelection)
#include "tst_fontselection.moc"
