// The font selection window: its look once the installed fonts are loaded
// (one golden file), its buttons for adding and removing (the rules of the
// offered fonts are the session's), the one font chosen on the right, and
// leaving.
#include "fonts/fontselectionwindow.h"
#include "session/session.h"
#include "support/doubles.h"
#include "support/widgetlookup.h"
#include "support/windowdump.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using fonts::FontSelectionWindow;
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
    void init()
    {
        window.reset();
        shared.fonts().names.clear();
        editor.fontsApplied.clear();
        editor.showings.clear();
        dialogs.clear();
        shared.setRequests(&editor);
        window = std::make_unique<FontSelectionWindow>(shared, dialogs, timers, installedFonts);
    }
    void cleanup() { QCOMPARE(dialogs.unexpectedCalls(), 0); }
    void looksAsDrawnOnceLoaded();
    void addAndRemove_data();
    void addAndRemove();
    void rightSideChoosesOneFontAndLeaving_data();
    void rightSideChoosesOneFontAndLeaving();

private:
    QListWidget *list(const char *name) { return child<QListWidget>(*window, name); }
    void openAndLoad(const QStringList &offered)
    {
        for (const QString &name : offered)
            window->appendOfferedFont(name);
        window->open();
        QCOMPARE(timers.pendingDelays(), QList<int>{FontSelectionWindow::loadDelayMs});
        QString look = QStringLiteral("while loading: %1\n").arg(child<QLabel>(*window, "hintLabel")->text());
        QCOMPARE(timers.fireAll(), 1);
        look += testsupport::dumpWindow(*window);
        for (const char *name : {"systemFontList", "arialList", "verdanaList", "offeredFontList"})
            look += QStringLiteral("%1: %2\n").arg(name, entries(list(name)));
        dumped = look;
    }

    testsupport::RecordingRequests editor;
    session::Session shared{QString()};
    testsupport::ScriptedDialogs dialogs;
    testsupport::ManualTimers timers;
    std::unique_ptr<FontSelectionWindow> window;
    QString dumped;
};

void TestFontSelection::looksAsDrawnOnceLoaded()
{
    openAndLoad({QStringLiteral("DejaVu Sans")});
    QVERIFY(!window->windowIcon().isNull());
    KOLORAT_VERIFY_GOLDEN(dumped, "fonts");
}

void TestFontSelection::addAndRemove_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("chosen"); // on the left to add, or "-N" to remove row N
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("message");
    QTest::newRow("sorted in without regard to case")
        << QStringList{"DejaVu Sans", "Times New Roman"} << "courier new"
        << QStringList{"courier new", "DejaVu Sans", "Times New Roman"} << false;
    QTest::newRow("the 18th, with the message") << numberedFonts(17) << "Font 18" << numberedFonts(18) << true;
    QTest::newRow("a 19th, refused with the message") << numberedFonts(18) << "Font 19" << numberedFonts(18) << true;
    QTest::newRow("remove") << QStringList{"A", "B", "C"} << "-1" << QStringList{"A", "C"} << false;
}

void TestFontSelection::addAndRemove()
{
    QFETCH(QStringList, before);
    QFETCH(QString, chosen);
    QFETCH(QStringList, after);
    QFETCH(bool, message);
    openAndLoad(before);
    if (message)
        dialogs.queueAnswer(platform::Answer::Ok);
    if (chosen.startsWith('-')) {
        list("offeredFontList")->setCurrentRow(chosen.mid(1).toInt(), QItemSelectionModel::ClearAndSelect);
        child<QPushButton>(*window, "removeButton")->click();
    } else {
        list("systemFontList")->setCurrentItem(list("systemFontList")->findItems(chosen, Qt::MatchExactly).value(0));
        child<QPushButton>(*window, "addButton")->click();
    }
    QCOMPARE(shared.fonts().names, after);
    QCOMPARE(entries(list("offeredFontList")), after.join(QLatin1Char(' ')));
    QVERIFY(dialogs.verifyAllAnswered());
    if (message)
        QCOMPARE(dialogs.lastCall().prompt, QStringLiteral("Es können maximal 18 Schriften hinzugefügt werden!\r"));
}

void TestFontSelection::rightSideChoosesOneFontAndLeaving_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("applied");
    QTest::newRow("Arial from the start") << ""
                                          << "applyButton" << QStringList{"Arial"};
    QTest::newRow("Verdana") << "verdanaList"
                             << "applyButton" << QStringList{"Verdana"};
    QTest::newRow("an offered font") << "offeredFontList"
                                     << "applyButton" << QStringList{"Times New Roman"};
    QTest::newRow("Abbruch") << "verdanaList"
                             << "cancelButton" << QStringList();
    QTest::newRow("close box") << "verdanaList"
                               << "" << QStringList();
}

void TestFontSelection::rightSideChoosesOneFontAndLeaving()
{
    QFETCH(QString, chosen);
    QFETCH(QString, how);
    QFETCH(QStringList, applied);
    openAndLoad({QStringLiteral("Times New Roman")});
    if (!chosen.isEmpty())
        list(qPrintable(chosen))->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    const QString name = applied.value(0, QStringLiteral("Verdana"));
    QCOMPARE(window->rightFontName(), name);
    QCOMPARE(entries(list("arialList")) + entries(list("verdanaList")) + entries(list("offeredFontList")),
             QStringLiteral("ArialVerdanaTimes New Roman").replace(name, '<' + name + '>'));
    QCOMPARE(child<QWidget>(*window, "rightSample")->font().family(), name);
    if (how.isEmpty())
        QVERIFY(!window->close());
    else
        child<QPushButton>(*window, qPrintable(how))->click();
    QVERIFY(window->isHidden());
    QCOMPARE(editor.fontsApplied, applied);
    QCOMPARE(editor.showings, QList<std::optional<QPoint>>{std::nullopt});
    // Opened again, the installed fonts load anew; the offered ones stay.
    window->show();
    QCOMPARE(list("systemFontList")->count(), 0);
    QCOMPARE(timers.fireAll(), 1);
    QCOMPARE(list("systemFontList")->count(), installedFonts().size());
    QCOMPARE(shared.fonts().names, QStringList{"Times New Roman"});
}

QTEST_MAIN(TestFontSelection)
#include "tst_fontselection.moc"
