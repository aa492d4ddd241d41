// Start-up, settings file, welcome text, formatting boxes and exit of the
// editor window.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/richtextfield.h"
#include "textcore/separators.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using platform::Answer;

namespace {

const QString kSettingsError = QStringLiteral("Datei ''KOLORAT.INI'' fehlt\roder ist fehlerhaft. Die\r"
                                              "Datei wird nicht geladen!\r");

QStringList checkedSeparatorEntries(editor::EditorWindow &window)
{
    QStringList checked;
    for (const char *name :
         {"separatorHyphenEntry", "separatorEqualsEntry", "separatorTildeEntry", "separatorSlashEntry"}) {
        auto *entry = window.findChild<QAction *>(QString::fromLatin1(name));
        if (entry && entry->isChecked())
            checked << entry->text();
    }
    return checked;
}

QStringList menuTitles(QMenu *menu)
{
    QStringList titles;
    for (QAction *action : menu->actions())
        titles << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return titles;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void windowIsPlacedAndNamed();
    void menuBarHoldsEveryEntry();
    void settingsFile_data();
    void settingsFile();
    void shortFileKeepsDefaultsBeyondWhatWasRead();
    void welcomeTextShowsNoSeparators();
    void startUpTimerIsOneShot();
    void exitWithNoKeepsTheProgram();
    void exitWithYesWritesTheSettings_data();
    void exitWithYesWritesTheSettings();
    void formattingBoxesApplyToTheWholeText();
    void helpTipsHideTheInfoField();
    void insertKeyTypesAHyphen();
};

void TestStartup::windowIsPlacedAndNamed()
{
    EditorHarness h;
    h.create();
    editor::EditorWindow &w = h.window();
    QCOMPARE(w.objectName(), QStringLiteral("Form0"));
    QCOMPARE(w.windowTitle(), QStringLiteral("olorat: Editor"));
    QVERIFY(h.session().folder().endsWith(QLatin1Char('/')));
    QCOMPARE(h.session().folder(), h.folder() + QLatin1Char('/'));
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("RichTextBox1"))->accessibleName(),
             QStringLiteral("Aktueller Text"));
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("File1"))->accessibleName(), QStringLiteral("Dateiauswahl"));
    // 15 twips are one pixel at 96 dpi: the field is 8535 x 6465 twips.
    auto *field = w.findChild<QWidget *>(QStringLiteral("RichTextBox1"));
    const qreal dpi = field->logicalDpiX();
    QCOMPARE(field->width(), qRound(8535 * dpi / 1440));
    QCOMPARE(field->x(), qRound(2160 * dpi / 1440));
    QCOMPARE(w.infoText(), QStringLiteral("Dieses Infofeld können Sie unter 'EXTRAS' abschalten!"));
}

void TestStartup::menuBarHoldsEveryEntry()
{
    EditorHarness h;
    h.create();
    QStringList bar;
    for (QAction *action : h.window().menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"Datei", "Extras", "Farbauswahl", "Lesetraining", "Trennzeichen", "?"}));
    auto menu = [&](const char *name) { return h.window().findChild<QMenu *>(QString::fromLatin1(name)); };
    QCOMPARE(menuTitles(menu("fileMenu")), (QStringList{"Neuer Text", "|", "Drucken", "Sichern", "|", "Beenden"}));
    QCOMPARE(menuTitles(menu("saveMenu")),
             (QStringList{"Als RTF-Datei ...", "Als TXT-Datei ...", "Unformatiert  ...", "Als PDF-Datei ..."}));
    QCOMPARE(menuTitles(menu("extrasMenu")),
             (QStringList{"Drucker sperren", "Hilfetipps zeigen", "|", "Silbenbögen zeigen", "Abstände", "|",
                          "Schriftartenwahl", "|", "Suchen/Ersetzen", "Textfilter wählen"}));
    QCOMPARE(menuTitles(menu("separatorMenu")),
             (QStringList{"Taste -", "Taste =", "Taste ~", "Taste /", "|", "Farbwahl", "|", "Ersetzen", "|",
                          "Silben automatisch setzen", "Als Ausnahme merken"}));
    QCOMPARE(menuTitles(menu("separatorColourMenu")),
             (QStringList{"blau", "cyan", "grau", "grün", "r o t", "schwarz"}));
    QCOMPARE(menuTitles(menu("helpMenu")), (QStringList{"Anleitung", "Copyright"}));
    QVERIFY(h.window().findChild<QAction *>(QStringLiteral("printerLockEntry"))->isChecked());
    QVERIFY(h.window().findChild<QAction *>(QStringLiteral("colourRedEntry"))->isChecked());
    // No window is registered yet, so no entry may pretend to open one.
    QVERIFY(!h.window().findChild<QAction *>(QStringLiteral("soundColoursEntry"))->isEnabled());
    editor::WindowHooks hooks;
    hooks.openSoundColours = [](const QPoint &) {};
    h.window().setWindowHooks(hooks);
    QVERIFY(h.window().findChild<QAction *>(QStringLiteral("soundColoursEntry"))->isEnabled());
    QVERIFY(!h.window().findChild<QAction *>(QStringLiteral("soundTrainerEntry"))->isEnabled());
}

void TestStartup::settingsFile_data()
{
    QTest::addColumn<QString>("dataFile");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("separator");

    QTest::newRow("missing file") << QString() << true << QStringList{"Arial", "Verdana"} << QStringList{"Taste -"}
                                  << "-";
    QTest::newRow("file stopping at line 7")
        << "settings-short.ini" << true << QStringList{"Arial", "Verdana"} << QStringList{"Taste -"} << "-";
    QTest::newRow("lines 1 to 12 only") << "settings-twelve.ini" << false << QStringList{"Arial", "Verdana"}
                                        << QStringList{"Taste ="} << "=";
    QTest::newRow("full file, blank font line skipped")
        << "settings-full.ini" << false << QStringList{"Arial", "Verdana", "Comic Sans MS", "Times New Roman"}
        << QStringList{"Taste ="} << "=";
    QTest::newRow("hand-edited font lines sorted, fixed font and repeat dropped")
        << "settings-messy-fonts.ini" << false
        << QStringList{"Arial", "Verdana", "Andika", "comic neue", "Times New Roman"} << QStringList{"Taste ="} << "=";
    QTest::newRow("blank separator line checks all four")
        << "settings-blank-separator.ini" << false << QStringList{"Arial", "Verdana"}
        << QStringList{"Taste -", "Taste =", "Taste ~", "Taste /"} << "";
}

void TestStartup::settingsFile()
{
    QFETCH(QString, dataFile);
    QFETCH(bool, fails);
    QFETCH(QStringList, fonts);
    QFETCH(QStringList, checked);
    QFETCH(QString, separator);

    EditorHarness h;
    if (!dataFile.isEmpty())
        h.copyData(dataFile, QStringLiteral("KOLORAT.INI"));
    h.start(fails);
    if (fails) {
        QCOMPARE(h.dialogs.calls().size(), 1);
        QCOMPARE(h.dialogs.calls()[0].title, QStringLiteral("Dateifehler"));
        QCOMPARE(h.dialogs.calls()[0].prompt, kSettingsError);
        QCOMPARE(h.dialogs.calls()[0].buttons, platform::Buttons::Ok);
    }
    QVERIFY(h.dialogs.verifyAllAnswered());
    QCOMPARE(h.window().editorFonts(), fonts);
    QCOMPARE(checkedSeparatorEntries(h.window()), checked);
    QCOMPARE(h.window().currentSeparator(), separator);
    auto *fontBox = h.window().findChild<QComboBox *>(QStringLiteral("EditorFonts"));
    QCOMPARE(fontBox->currentText(), QStringLiteral("Arial"));
    QCOMPARE(fontBox->count(), fonts.size());
}

void TestStartup::shortFileKeepsDefaultsBeyondWhatWasRead()
{
    EditorHarness h;
    h.copyData(QStringLiteral("settings-short.ini"), QStringLiteral("KOLORAT.INI"));
    h.start(true);
    const textcore::SoundColours &sound = h.session().sound().colours;
    QCOMPARE(sound.colours[0], textcore::Colour(16711935));
    QCOMPARE(sound.colours[6], textcore::Colour(16776960));
    QCOMPARE(sound.colours[7], textcore::SoundColours{}.colours[7]);
    QCOMPARE(h.session().syllables().colours, textcore::SyllableColours{});
    QVERIFY(h.session().sound().specialGroupsText.empty());

    EditorHarness full;
    full.copyData(QStringLiteral("settings-full.ini"), QStringLiteral("KOLORAT.INI"));
    full.start();
    QCOMPARE(full.session().sound().specialGroupsText, std::u16string(u"ß,chs,"));
    QCOMPARE(full.session().syllables().colours.second, textcore::Colour(65535));
    QCOMPARE(full.session().fonts().names, (QStringList{"Comic Sans MS", "Times New Roman"}));
}

void TestStartup::welcomeTextShowsNoSeparators()
{
    EditorHarness h;
    h.start(true);
    const QString text = h.field().text();
    QVERIFY(text.startsWith(QStringLiteral("Will%1kom%1men bei Ko%1lo%1rat!\r\n\r\n").arg(softHyphen())));
    QVERIFY(text.contains(QStringLiteral("Ko%1lo%1rat ist ein Pro%1gramm").arg(softHyphen())));
    QVERIFY(text.endsWith(QStringLiteral("an%1ge%1se%1hen wer%1den! \r\n").arg(softHyphen())));
    const std::vector<textcore::Colour> colours = h.field().coloursOfAllPositions();
    int marks = 0;
    for (int i = 0; i < text.size(); ++i) {
        QVERIFY2(!QStringLiteral("-=~/").contains(text[i]), qPrintable(QString::number(i)));
        if (text[i] == QChar(0x00AD)) {
            ++marks;
            QCOMPARE(colours[std::size_t(i)], textcore::kRed);
        } else {
            QCOMPARE(colours[std::size_t(i)], textcore::kBlack);
        }
    }
    QCOMPARE(marks, 102);
    QVERIFY(!h.window().separatorsVisible());
    QCOMPARE(h.window().findChild<QPushButton *>(QStringLiteral("separatorButton"))->text(),
             QStringLiteral("Trennzeichen ein"));
    QVERIFY(h.window().isTextChanged());
    QCOMPARE(h.window().findChild<QComboBox *>(QStringLiteral("FontSizes"))->count(), 20);
    QCOMPARE(h.window().findChild<QComboBox *>(QStringLiteral("Styles"))->currentText(), QStringLiteral("normal"));
}

void TestStartup::startUpTimerIsOneShot()
{
    EditorHarness h;
    h.dialogs.queueAnswer(Answer::Ok);
    h.create();
    QTimer &timer = h.window().startUpTimer();
    QVERIFY(timer.isActive());
    QVERIFY(timer.isSingleShot());
    QCOMPARE(timer.interval(), 100);
    QTRY_VERIFY(!h.field().text().isEmpty());
    QVERIFY(!timer.isActive());
    QCOMPARE(h.dialogs.calls().size(), 1);
}

void TestStartup::exitWithNoKeepsTheProgram()
{
    EditorHarness h;
    h.start(true);
    h.window().show();
    h.dialogs.queueAnswer(Answer::No);
    QVERIFY(!h.window().close());
    QVERIFY(h.window().isVisible());
    QCOMPARE(h.dialogs.lastCall().prompt, QStringLiteral("Das Programm jetzt beenden?\r\r"));
    QCOMPARE(h.dialogs.lastCall().title, QStringLiteral("Kolorat"));
    QCOMPARE(h.dialogs.lastCall().buttons, platform::Buttons::YesNo);
    QCOMPARE(h.dialogs.lastCall().icon, platform::Icon::Question);
    QCOMPARE(h.dialogs.lastCall().defaultButton, Answer::No);

    h.dialogs.queueAnswer(Answer::No);
    h.window().findChild<QAction *>(QStringLiteral("exitEntry"))->trigger();
    QCOMPARE(h.programEnds, 0);
    QVERIFY(h.readFile(QStringLiteral("KOLORAT.INI")).isEmpty());
    QVERIFY(h.dialogs.verifyAllAnswered());
}

void TestStartup::exitWithYesWritesTheSettings_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("keptAside"); // as KOLORAT.INI.BAK, not read whole
    QTest::newRow("defaults after a missing file") << QString() << "settings-defaults-written.ini" << false;
    QTest::newRow("full file read and written back") << "settings-full.ini"
                                                     << "settings-full-written.ini" << false;
    QTest::newRow("broken file kept aside") << "settings-short.ini"
                                            << "settings-short-written.ini" << true;
}

void TestStartup::exitWithYesWritesTheSettings()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(bool, keptAside);
    EditorHarness h;
    if (!input.isEmpty())
        h.copyData(input, QStringLiteral("KOLORAT.INI"));
    const QByteArray original = h.readFile(QStringLiteral("KOLORAT.INI"));
    h.start(input.isEmpty() || keptAside);
    h.window().show();
    h.dialogs.queueAnswer(Answer::Yes);
    QVERIFY(h.window().close());
    QCOMPARE(h.programEnds, 1);
    QFile expectedFile(QStringLiteral(KOLORAT_TEST_DATA "/editor/") + expected);
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    QCOMPARE(h.readFile(QStringLiteral("KOLORAT.INI")), expectedFile.readAll());
    QCOMPARE(QFile::exists(h.folder() + QStringLiteral("/KOLORAT.INI.BAK")), keptAside);
    if (keptAside)
        QCOMPARE(h.readFile(QStringLiteral("KOLORAT.INI.BAK")), original);
}

void TestStartup::formattingBoxesApplyToTheWholeText()
{
    EditorHarness h;
    h.start(true);
    platform::StyledText runs{{QStringLiteral("Rot"), {textcore::kRed, {}, 0, true, false}},
                              {QStringLiteral(" blau"), {textcore::rgb(0, 0, 255), {}, 0, false, true}}};
    h.field().setStyledText(runs);
    auto *sizes = h.window().findChild<QComboBox *>(QStringLiteral("FontSizes"));
    h.window().applyFontSize(sizes->findText(QStringLiteral("24")));
    h.window().applyFontName(1);
    h.window().applyStyle(0); // "fett": italic stays as it was
    std::vector<platform::CharFormat> formats = formatsPerPosition(h.field());
    QCOMPARE(formats.size(), std::size_t(8));
    for (const platform::CharFormat &f : formats) {
        QCOMPARE(f.pointSize, 24.0);
        QCOMPARE(f.fontName, QStringLiteral("Verdana"));
        QVERIFY(f.bold);
    }
    QCOMPARE(formats[0].colour, textcore::kRed);
    QVERIFY(!formats[0].italic);
    QVERIFY(formats[7].italic);
    QCOMPARE(formats[7].colour, textcore::rgb(0, 0, 255));

    h.window().applyStyle(2); // "normal"
    for (const platform::CharFormat &f : formatsPerPosition(h.field()))
        QVERIFY(!f.bold && !f.italic);
}

void TestStartup::helpTipsHideTheInfoField()
{
    EditorHarness h;
    h.start(true);
    h.window().show();
    auto *info = h.window().findChild<QLabel *>(QStringLiteral("infofeld"));
    auto *icon = h.window().findChild<QLabel *>(QStringLiteral("infobild"));
    QVERIFY(info->isVisible() && icon->isVisible());
    h.window().findChild<QAction *>(QStringLiteral("helpTipsEntry"))->trigger();
    QVERIFY(!info->isVisible() && !icon->isVisible());
    h.window().findChild<QAction *>(QStringLiteral("helpTipsEntry"))->trigger();
    QVERIFY(info->isVisible() && icon->isVisible());

    h.dialogs.queueAnswer(Answer::Ok);
    QTest::mouseClick(icon, Qt::LeftButton);
    QCOMPARE(h.dialogs.lastCall().title, QStringLiteral("Infofeld"));
    QCOMPARE(h.dialogs.lastCall().prompt, QStringLiteral("Dieses Infofeld können Sie unter 'Extras' ausschalten.\r\r"));

    QVERIFY(h.session().printerLocked());
    h.window().findChild<QAction *>(QStringLiteral("printerLockEntry"))->trigger();
    QVERIFY(!h.session().printerLocked());
}

void TestStartup::insertKeyTypesAHyphen()
{
    EditorHarness h;
    h.start(true);
    h.window().show();
    h.setText(QStringLiteral("ab"));
    h.field().setSelStart(1);
    h.field().setFocus();
    QApplication::setActiveWindow(&h.window());
    QTest::keyClick(&h.field(), Qt::Key_Insert);
    QTRY_COMPARE(h.field().text(), QStringLiteral("a-b"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
