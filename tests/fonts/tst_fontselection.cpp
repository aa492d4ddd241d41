// The font selection window, driven through its own controls with a
// recording program and scripted message boxes.
#include "fonts/fontselectionwindow.h"
#include "platform/timers.h"
#include "session/session.h"
#include "support/manualtimers.h"
#include "support/recordingrequests.h"
#include "support/scripteddialogs.h"
#include "support/widgetlookup.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using fonts::FontSelectionWindow;
using session::OfferedFonts;
using testsupport::px;

namespace {

const QString kFullMessage = QStringLiteral("Es können maximal 18 Schriften hinzugefügt werden!\r");

// What the test system "has installed": unsorted, both fixed fonts among
// them, names that differ only in case, and enough to overfill the list.
QStringList installedFonts()
{
    QStringList names{"Verdana", "Times New Roman", "arial", "Arial", "courier new", "Courier New", "DejaVu Sans"};
    for (int i = 20; i >= 1; --i)
        names << QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QStringList numberedFonts(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString selected(const QListWidget *list)
{
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

} // namespace

class TestFontSelection : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowLooks();
    void controlPlaces_data();
    void controlPlaces();
    void listColours_data();
    void listColours();
    void fixedListsAtStart();
    void installedFontsLoadBehindHint();
    void loadArmedBeforeLeavingIsDropped();
    void installedFontsFromFontDatabase();
    void noInstalledFonts();
    void addFont_data();
    void addFont();
    void addAfterRemovingFromFullList();
    void removeFont();
    void rightSideChoosesOneFont_data();
    void rightSideChoosesOneFont();
    void leave_data();
    void leave();
    void reopeningReloadsAndKeepsOfferedFonts();
    void settingsReading();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return testsupport::child<T>(*window, name);
    }
    void openAndLoad();
    void selectSystemFont(const QString &name);

    std::unique_ptr<testsupport::RecordingRequests> editor;
    std::unique_ptr<session::Session> shared;
    std::unique_ptr<testsupport::ScriptedDialogs> dialogs;
    std::unique_ptr<testsupport::ManualTimers> timers;
    OfferedFonts *offered = nullptr;
    std::unique_ptr<FontSelectionWindow> window;
};

void TestFontSelection::init()
{
    editor = std::make_unique<testsupport::RecordingRequests>();
    shared = std::make_unique<session::Session>(QString());
    shared->setRequests(editor.get());
    dialogs = std::make_unique<testsupport::ScriptedDialogs>();
    timers = std::make_unique<testsupport::ManualTimers>();
    offered = &shared->fonts();
    window = std::make_unique<FontSelectionWindow>(*shared, *dialogs, *timers, installedFonts);
}

void TestFontSelection::cleanup()
{
    QCOMPARE(dialogs->unexpectedCalls(), 0);
    QCOMPARE(editor->otherCalls, 0);
    window.reset();
}

void TestFontSelection::openAndLoad()
{
    window->open();
    QCOMPARE(timers->pendingDelays(), QList<int>{FontSelectionWindow::loadDelayMs});
    timers->fireAll();
    QVERIFY(child<QLabel>("hintLabel")->text().isEmpty());
}

void TestFontSelection::selectSystemFont(const QString &name)
{
    auto *list = child<QListWidget>("systemFontList");
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->setCurrentItem(found.first(), QItemSelectionModel::ClearAndSelect);
}

void TestFontSelection::windowLooks()
{
    QCOMPARE(window->objectName(), QStringLiteral("Form5"));
    QCOMPARE(window->windowTitle(), QStringLiteral("olorat:  Schriftauswahl"));
    QCOMPARE(window->size(), QSize(px(9255), px(6345)));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(192, 192, 255));
    QVERIFY(!window->windowIcon().isNull());

    const QRect screen = window->screen()->availableGeometry();
    QCOMPARE(window->pos(),
             QPoint(screen.left() + (screen.width() - px(9255)) / 2, screen.top() + (screen.height() - px(6345)) / 2));
}

void TestFontSelection::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("Abbruch") << "cancelButton" << QRect(120, 120, 1215, 375) << "Abbruch";
    QTest::newRow("apply") << "applyButton" << QRect(1440, 120, 2655, 375) << "Schriftauswahl übernehmen";
    QTest::newRow("hint") << "hintLabel" << QRect(4200, 120, 5055, 375) << "";
    QTest::newRow("installed fonts") << "systemFontList" << QRect(120, 840, 3975, 4830) << "";
    QTest::newRow("Arial") << "arialList" << QRect(5160, 840, 3975, 270) << "";
    QTest::newRow("Verdana") << "verdanaList" << QRect(5160, 1080, 3975, 270) << "";
    QTest::newRow("offered fonts") << "offeredFontList" << QRect(5160, 1320, 3975, 4350) << "";
    QTest::newRow(">>") << "addButton" << QRect(4320, 2880, 615, 495) << ">>";
    QTest::newRow("<<") << "removeButton" << QRect(4320, 3600, 615, 495) << "<<";
    QTest::newRow("left sample") << "leftSample" << QRect(120, 5640, 3975, 495) << "Beispieltext";
    QTest::newRow("right sample") << "rightSample" << QRect(5160, 5640, 3975, 495) << "Beispieltext";
}

void TestFontSelection::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);

    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), window.get());
    QCOMPARE(widget->geometry(), platform::twipsToPixels(twips, platform::screenDpi()));
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    // Without visible text, a screen reader needs a name.
    if (qobject_cast<QListWidget *>(widget) || text == QLatin1String(">>") || text == QLatin1String("<<"))
        QVERIFY(!widget->accessibleName().isEmpty());
}

void TestFontSelection::listColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("installed fonts light cyan") << "systemFontList" << QColor(192, 255, 255);
    QTest::newRow("Arial light green") << "arialList" << QColor(192, 255, 192);
    QTest::newRow("Verdana light green") << "verdanaList" << QColor(192, 255, 192);
    QTest::newRow("offered fonts light green") << "offeredFontList" << QColor(192, 255, 192);
}

void TestFontSelection::listColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    auto *list = window->findChild<QListWidget *>(name);
    QVERIFY(list);
    QCOMPARE(list->palette().color(QPalette::Base), colour);
}

void TestFontSelection::fixedListsAtStart()
{
    auto *arial = child<QListWidget>("arialList");
    auto *verdana = child<QListWidget>("verdanaList");
    QCOMPARE(entries(arial), QStringList{"Arial"});
    QCOMPARE(entries(verdana), QStringList{"Verdana"});
    QCOMPARE(arial->item(0)->font().family(), QStringLiteral("Arial"));
    QCOMPARE(verdana->item(0)->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(selected(arial), QStringLiteral("Arial"));
    QCOMPARE(window->rightFontName(), QStringLiteral("Arial"));

    const QFont sample = child<QLabel>("rightSample")->font();
    QCOMPARE(sample.family(), QStringLiteral("Arial"));
    QCOMPARE(sample.pointSizeF(), 18.0);
    QVERIFY(sample.bold());
}

void TestFontSelection::installedFontsLoadBehindHint()
{
    auto *hint = child<QLabel>("hintLabel");
    auto *list = child<QListWidget>("systemFontList");
    QVERIFY(hint->text().isEmpty());
    QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(hint->font().pointSizeF(), 12.0);
    QVERIFY(hint->font().bold());

    window->show();
    QCOMPARE(hint->text(), QStringLiteral("Geduld, die Schriften werden geladen ..."));
    QCOMPARE(list->count(), 0);
    QCOMPARE(timers->pendingDelays(), QList<int>{500});

    QCOMPARE(timers->fireAll(), 1);
    QVERIFY(hint->text().isEmpty());
    const QStringList expected{"Arial",   "arial",           "Courier New", "courier new", "DejaVu Sans", "Font 01",
                               "Font 02", "Font 03",         "Font 04",     "Font 05",     "Font 06",     "Font 07",
                               "Font 08", "Font 09",         "Font 10",     "Font 11",     "Font 12",     "Font 13",
                               "Font 14", "Font 15",         "Font 16",     "Font 17",     "Font 18",     "Font 19",
                               "Font 20", "Times New Roman", "Verdana"};
    QCOMPARE(entries(list), expected);
    QCOMPARE(selected(list), QStringLiteral("Arial"));

    const QFont sample = child<QLabel>("leftSample")->font();
    QCOMPARE(sample.family(), QStringLiteral("Arial"));
    QCOMPARE(sample.pointSizeF(), 18.0);
    QVERIFY(sample.bold());

    selectSystemFont(QStringLiteral("DejaVu Sans"));
    QCOMPARE(child<QLabel>("leftSample")->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(child<QLabel>("leftSample")->font().pointSizeF(), 18.0);
}

void TestFontSelection::loadArmedBeforeLeavingIsDropped()
{
    auto *list = child<QListWidget>("systemFontList");
    window->show();
    child<QPushButton>("cancelButton")->click();
    QCOMPARE(timers->fireAll(), 1);
    QCOMPARE(list->count(), 0);

    // Left and opened again before the first delay ran out: one load only.
    window->show();
    child<QPushButton>("cancelButton")->click();
    window->show();
    QCOMPARE(timers->pendingCount(), 2);
    timers->fireNext();
    QCOMPARE(list->count(), 0);
    QCOMPARE(child<QLabel>("hintLabel")->text(), QStringLiteral("Geduld, die Schriften werden geladen ..."));
    timers->fireNext();
    QCOMPARE(list->count(), installedFonts().size());
    QVERIFY(child<QLabel>("hintLabel")->text().isEmpty());
}

void TestFontSelection::installedFontsFromFontDatabase()
{
    session::Session realSession{QString()};
    platform::QtTimers realTimers;
    FontSelectionWindow real(realSession, *dialogs, realTimers);
    real.show();
    auto *list = real.findChild<QListWidget *>(QStringLiteral("systemFontList"));
    QVERIFY(list);
    QTRY_VERIFY_WITH_TIMEOUT(real.findChild<QLabel *>(QStringLiteral("hintLabel"))->text().isEmpty(), 5000);
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    QCOMPARE(list->count(), families.size());
    for (const QString &family : families)
        QVERIFY2(!list->findItems(family, Qt::MatchExactly).isEmpty(), qPrintable(family));
}

void TestFontSelection::noInstalledFonts()
{
    FontSelectionWindow empty(*shared, *dialogs, *timers, [] { return QStringList(); });
    empty.show();
    timers->fireAll();
    QVERIFY(empty.findChild<QLabel *>(QStringLiteral("hintLabel"))->text().isEmpty());
    QCOMPARE(empty.findChild<QListWidget *>(QStringLiteral("systemFontList"))->count(), 0);
    empty.findChild<QPushButton *>(QStringLiteral("addButton"))->click();
    QVERIFY(offered->names.isEmpty());
    QVERIFY(dialogs->calls().isEmpty());
}

void TestFontSelection::addFont_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("message");

    QTest::newRow("first font") << QStringList() << "Times New Roman" << QStringList{"Times New Roman"} << false;
    QTest::newRow("sorted in without regard to case")
        << QStringList{"DejaVu Sans", "Times New Roman"} << "courier new"
        << QStringList{"courier new", "DejaVu Sans", "Times New Roman"} << false;
    QTest::newRow("Verdana is fixed") << QStringList() << "Verdana" << QStringList() << false;
    QTest::newRow("already offered") << QStringList{"DejaVu Sans"} << "DejaVu Sans" << QStringList{"DejaVu Sans"}
                                     << false;
    QTest::newRow("17 offered: the 18th is added with the message")
        << numberedFonts(17) << "Font 18" << numberedFonts(18) << true;
    QTest::newRow("18 offered: a new one is refused with the message")
        << numberedFonts(18) << "Font 19" << numberedFonts(18) << true;
    QTest::newRow("18 offered: an offered one is refused silently")
        << numberedFonts(18) << "Font 03" << numberedFonts(18) << false;
    QTest::newRow("18 offered: a fixed one is refused silently")
        << numberedFonts(18) << "Arial" << numberedFonts(18) << false;
}

void TestFontSelection::addFont()
{
    QFETCH(QStringList, before);
    QFETCH(QString, chosen);
    QFETCH(QStringList, after);
    QFETCH(bool, message);

    for (const QString &name : before)
        window->appendOfferedFont(name);
    openAndLoad();
    selectSystemFont(chosen);
    if (message)
        dialogs->queueAnswer(platform::Answer::Ok);
    child<QPushButton>("addButton")->click();

    QCOMPARE(offered->names, after);
    QCOMPARE(entries(child<QListWidget>("offeredFontList")), after);
    QVERIFY(dialogs->verifyAllAnswered());
    QCOMPARE(dialogs->calls().size(), message ? 1 : 0);
    if (message) {
        const testsupport::DialogCall &call = dialogs->lastCall();
        QCOMPARE(call.prompt, kFullMessage);
        QCOMPARE(call.title, QStringLiteral("Schriften"));
        QCOMPARE(call.buttons, platform::Buttons::Ok);
    }
}

void TestFontSelection::addAfterRemovingFromFullList()
{
    for (const QString &name : numberedFonts(18))
        window->appendOfferedFont(name);
    openAndLoad();
    auto *offeredList = child<QListWidget>("offeredFontList");
    offeredList->setCurrentRow(4, QItemSelectionModel::ClearAndSelect);
    child<QPushButton>("removeButton")->click();
    QCOMPARE(offered->names.size(), 17);
    QVERIFY(!offered->names.contains(QStringLiteral("Font 05")));

    // Back to 18 with the message, then no room again.
    selectSystemFont(QStringLiteral("Font 20"));
    dialogs->queueAnswer(platform::Answer::Ok);
    child<QPushButton>("addButton")->click();
    QCOMPARE(offered->names.size(), 18);
    QCOMPARE(offered->names.last(), QStringLiteral("Font 20"));
    QCOMPARE(dialogs->calls().size(), 1);

    selectSystemFont(QStringLiteral("Font 05"));
    dialogs->queueAnswer(platform::Answer::Ok);
    child<QPushButton>("addButton")->click();
    QVERIFY(!offered->names.contains(QStringLiteral("Font 05")));
    QCOMPARE(dialogs->calls().size(), 2);
    QVERIFY(dialogs->verifyAllAnswered());
}

void TestFontSelection::removeFont()
{
    for (const char *name : {"Courier New", "DejaVu Sans", "Times New Roman"})
        window->appendOfferedFont(QString::fromLatin1(name));
    openAndLoad();
    auto *offeredList = child<QListWidget>("offeredFontList");
    auto *remove = child<QPushButton>("removeButton");

    // With "Arial" chosen on the right, nothing on the offered list is selected.
    remove->click();
    QCOMPARE(offered->names, (QStringList{"Courier New", "DejaVu Sans", "Times New Roman"}));

    offeredList->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    remove->click();
    QCOMPARE(offered->names, (QStringList{"Courier New", "Times New Roman"}));
    QCOMPARE(entries(offeredList), offered->names);
    QVERIFY(offeredList->selectedItems().isEmpty());
    remove->click();
    QCOMPARE(offered->names.size(), 2);
}

void TestFontSelection::rightSideChoosesOneFont_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("font");

    QTest::newRow("Arial") << "arialList" << 0 << "Arial";
    QTest::newRow("Verdana") << "verdanaList" << 0 << "Verdana";
    QTest::newRow("first offered font") << "offeredFontList" << 0 << "Courier New";
    QTest::newRow("last offered font") << "offeredFontList" << 1 << "Times New Roman";
}

void TestFontSelection::rightSideChoosesOneFont()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QString, font);

    window->appendOfferedFont(QStringLiteral("Times New Roman"));
    window->appendOfferedFont(QStringLiteral("Courier New"));
    openAndLoad();
    // Start from a choice elsewhere on the right, so each row clears another list.
    auto *verdana = child<QListWidget>("verdanaList");
    auto *offeredList = child<QListWidget>("offeredFontList");
    if (list == QLatin1String("verdanaList"))
        offeredList->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    else
        verdana->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);

    auto *chosen = child<QListWidget>(qPrintable(list));
    chosen->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);

    int selections = 0;
    for (const char *name : {"arialList", "verdanaList", "offeredFontList"})
        selections += int(child<QListWidget>(name)->selectedItems().size());
    QCOMPARE(selections, 1);
    QCOMPARE(selected(chosen), font);
    QCOMPARE(window->rightFontName(), font);
    QCOMPARE(child<QLabel>("rightSample")->font().family(), font);
    QCOMPARE(child<QLabel>("rightSample")->font().pointSizeF(), 18.0);

    child<QPushButton>("applyButton")->click();
    QCOMPARE(editor->fontsApplied, QStringList{font});
}

void TestFontSelection::leave_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("applied");

    QTest::newRow("apply right after opening applies Arial") << "apply" << QStringList{"Arial"};
    QTest::newRow("Abbruch applies nothing") << "cancel" << QStringList();
    QTest::newRow("close box applies nothing") << "close" << QStringList();
}

void TestFontSelection::leave()
{
    QFETCH(QString, how);
    QFETCH(QStringList, applied);

    window->appendOfferedFont(QStringLiteral("DejaVu Sans"));
    openAndLoad();
    QVERIFY(child<QListWidget>("systemFontList")->count() > 0);

    if (how == QLatin1String("apply"))
        child<QPushButton>("applyButton")->click();
    else if (how == QLatin1String("cancel"))
        child<QPushButton>("cancelButton")->click();
    else
        QVERIFY(!window->close());

    QVERIFY(window->isHidden());
    QCOMPARE(editor->fontsApplied, applied);
    QCOMPARE(editor->showings.size(), 1);
    QCOMPARE(editor->showings.first(), std::optional<QPoint>());
    QCOMPARE(child<QListWidget>("systemFontList")->count(), 0);
    QCOMPARE(offered->names, QStringList{"DejaVu Sans"});
    QCOMPARE(entries(child<QListWidget>("offeredFontList")), QStringList{"DejaVu Sans"});
}

void TestFontSelection::reopeningReloadsAndKeepsOfferedFonts()
{
    openAndLoad();
    const QPoint place = window->pos();
    selectSystemFont(QStringLiteral("DejaVu Sans"));
    child<QPushButton>("addButton")->click();
    child<QListWidget>("verdanaList")->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    child<QPushButton>("cancelButton")->click();

    window->show();
    QCOMPARE(child<QLabel>("hintLabel")->text(), QStringLiteral("Geduld, die Schriften werden geladen ..."));
    QCOMPARE(child<QListWidget>("systemFontList")->count(), 0);
    timers->fireAll();
    QCOMPARE(child<QListWidget>("systemFontList")->count(), installedFonts().size());
    QCOMPARE(offered->names, QStringList{"DejaVu Sans"});
    QCOMPARE(window->rightFontName(), QStringLiteral("Verdana"));
    QCOMPARE(window->pos(), place);
}

void TestFontSelection::settingsReading()
{
    window->appendOfferedFont(QStringLiteral("Old Font"));
    child<QListWidget>("verdanaList")->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);

    window->resetFixedLists();
    window->clearOfferedFonts();
    QCOMPARE(selected(child<QListWidget>("arialList")), QStringLiteral("Arial"));
    QVERIFY(child<QListWidget>("verdanaList")->selectedItems().isEmpty());
    QCOMPARE(entries(child<QListWidget>("verdanaList")), QStringList{"Verdana"});
    QCOMPARE(window->rightFontName(), QStringLiteral("Arial"));
    QVERIFY(offered->names.isEmpty());

    // A hand-edited settings file may hold anything; the list keeps its rules
    // and nobody is bothered with a message during start-up.
    QStringList lines{"Verdana", "", "Times New Roman", "Arial", "Times New Roman"};
    lines << numberedFonts(20);
    for (const QString &line : lines)
        window->appendOfferedFont(line);
    QCOMPARE(offered->names.size(), OfferedFonts::maxCount);
    QCOMPARE(offered->names.first(), QStringLiteral("Font 01"));
    QCOMPARE(offered->names.last(), QStringLiteral("Times New Roman"));
    QVERIFY(!offered->names.contains(QStringLiteral("Font 18")));
    QCOMPARE(entries(child<QListWidget>("offeredFontList")), offered->names);
    QVERIFY(dialogs->calls().isEmpty());
}

QTEST_MAIN(TestFontSelection)
#include "tst_fontselection.moc"
