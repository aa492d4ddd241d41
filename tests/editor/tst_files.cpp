// The file browser, loading texts, the unsaved-text questions and the
// colours read back from a loaded text.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/filelistbox.h"
#include "platform/richtextfield.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using platform::Answer;
using textcore::Colour;

namespace {

const QString kLoadQuestion = QStringLiteral("Dieses Textfeld wurde geändert!\rDie Änderungen gehen verloren!\r\r"
                                             "Wollen Sie nochmals abbrechen?\r\r");
const QString kNewTextQuestion = QStringLiteral("Dieses Textfeld wurde verändert!\rDie Änderungen gehen verloren!"
                                                "\r\rMöchten Sie nochmals abbrechen?\r\r");
const QString kLetterText = QStringLiteral("Grüße aus Köln.\r\nDas Mäd%1chen liest.");

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void filterButtons_data();
    void filterButtons();
    void loadingAskesWhileTheTextIsChanged_data();
    void loadingAskesWhileTheTextIsChanged();
    void loadingPlainText_data();
    void loadingPlainText();
    void loadingRichTextKeepsFormatsAndReadsColoursBack();
    void unreadableFileIsReportedByName();
    void coloursAreReadBack_data();
    void coloursAreReadBack();
    void newTextAsksWithItsOwnWording_data();
    void newTextAsksWithItsOwnWording();
    void loadingResetsSeparatorsAndClickMode();
    void emptyingTheTextClearsTheBrowser();

private:
    std::unique_ptr<EditorHarness> h;
};

void TestFiles::init()
{
    h = std::make_unique<EditorHarness>();
    h->copyData(QStringLiteral("brief.txt"), QStringLiteral("brief.txt"));
    h->copyData(QStringLiteral("UTF8.TXT"), QStringLiteral("UTF8.TXT"));
    h->copyData(QStringLiteral("farben.rtf"), QStringLiteral("FARBEN.RTF"));
    h->writeFile(QStringLiteral("NOTIZ.DOC"), "x");
    h->start(true);
    h->dialogs.clear();
}

void TestFiles::filterButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("*.RTF") << "filterRtfButton" << QStringList{"FARBEN.RTF"};
    QTest::newRow("*.TXT, names compared without case") << "filterTxtButton" << QStringList{"brief.txt", "UTF8.TXT"};
    QTest::newRow("*.* lists text and rich text only")
        << "filterAllButton" << QStringList{"brief.txt", "FARBEN.RTF", "UTF8.TXT"};
}

void TestFiles::filterButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, listed);
    QCOMPARE(h->window().listedFileNames(), (QStringList{"brief.txt", "FARBEN.RTF", "UTF8.TXT"}));
    h->window().findChild<QPushButton *>(button)->click();
    QCOMPARE(h->window().listedFileNames(), listed);
    h->writeFile(QStringLiteral("NEU.RTF"), "{\\rtf1 neu}");
    h->window().refreshFileList();
    QVERIFY(h->window().listedFileNames().contains(QStringLiteral("NEU.RTF")));
}

void TestFiles::loadingAskesWhileTheTextIsChanged_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("Yes keeps the text") << Answer::Yes << false;
    QTest::newRow("No loads the file") << Answer::No << true;
}

void TestFiles::loadingAskesWhileTheTextIsChanged()
{
    QFETCH(Answer, answer);
    QFETCH(bool, loaded);
    // Filling the welcome text counts as a change.
    QVERIFY(h->window().isTextChanged());
    const QString welcome = h->field().text();
    h->dialogs.queueAnswer(answer);
    QVERIFY(h->clickFile(QStringLiteral("brief.txt")));
    QCOMPARE(h->dialogs.calls().size(), 1);
    QCOMPARE(h->dialogs.lastCall().prompt, kLoadQuestion);
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Ungesicherter Text"));
    QCOMPARE(h->dialogs.lastCall().icon, platform::Icon::Question);
    QCOMPARE(h->dialogs.lastCall().defaultButton, Answer::Yes);
    QCOMPARE(h->field().text(), loaded ? kLetterText.arg(QStringLiteral("-")) : welcome);
    QCOMPARE(h->window().isTextChanged(), !loaded);
    if (!loaded)
        return;
    QCOMPARE(h->window().infoText(), QStringLiteral("Sie können den Text jetzt bearbeiten."));
    // The browser lost its selection, so the same name loads again, unasked.
    QCOMPARE(h->window().fileBrowser().selectedIndex(), -1);
    QVERIFY(h->clickFile(QStringLiteral("brief.txt")));
    QCOMPARE(h->dialogs.calls().size(), 1);
    QVERIFY(h->dialogs.verifyAllAnswered());
}

void TestFiles::loadingPlainText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Windows-1252, lower-case name") << "brief.txt";
    QTest::newRow("UTF-8") << "UTF8.TXT";
}

void TestFiles::loadingPlainText()
{
    QFETCH(QString, name);
    h->dialogs.queueAnswer(Answer::No);
    QVERIFY(h->clickFile(name));
    QCOMPARE(h->field().text(), kLetterText.arg(QStringLiteral("-")));
    // A plain text is black: every read-back class becomes black, and some
    // class is missing, so the second syllable colour is black as well.
    const textcore::SoundColours &sound = h->session().sound().colours;
    QCOMPARE(sound[textcore::SoundClass::Vowels], textcore::kBlack);
    QCOMPARE(sound[textcore::SoundClass::Capitals], textcore::kBlack);
    QCOMPARE(sound[textcore::SoundClass::Background], textcore::kWhite);
    QCOMPARE(h->session().syllables().colours, (textcore::SyllableColours{0, 0}));
    QVERIFY(h->dialogs.verifyAllAnswered());
}

void TestFiles::loadingRichTextKeepsFormatsAndReadsColoursBack()
{
    h->dialogs.queueAnswer(Answer::No);
    QVERIFY(h->clickFile(QStringLiteral("FARBEN.RTF")));
    QCOMPARE(h->field().text(), QStringLiteral("Rot bläu%1grün").arg(softHyphen()));
    const std::vector<platform::CharFormat> formats = formatsPerPosition(h->field());
    QCOMPARE(formats[0].colour, textcore::kRed);
    QVERIFY(formats[0].bold);
    QCOMPARE(formats[0].fontName, QStringLiteral("Arial"));
    QCOMPARE(formats[5].colour, textcore::rgb(0, 0, 255));
    QVERIFY(!formats[5].bold);
    QCOMPARE(formats[9].fontName, QStringLiteral("Verdana"));
    QCOMPARE(formats[9].colour, textcore::rgb(0, 192, 0));

    const textcore::SoundColours &sound = h->session().sound().colours;
    QCOMPARE(sound[textcore::SoundClass::Capitals], textcore::kRed);
    QCOMPARE(sound[textcore::SoundClass::Umlauts], textcore::rgb(0, 192, 0));    // the «ü» of «grün»
    QCOMPARE(sound[textcore::SoundClass::Consonants], textcore::rgb(0, 192, 0)); // the «n»
    QCOMPARE(sound[textcore::SoundClass::Vowels], textcore::rgb(0, 0, 255));     // the «u» of «bläu»
    QVERIFY(!h->window().isTextChanged());
}

void TestFiles::unreadableFileIsReportedByName()
{
    h->copyData(QStringLiteral("KAPUTT.RTF"), QStringLiteral("KAPUTT.RTF"));
    h->window().refreshFileList();
    const textcore::SoundColours before = h->session().sound().colours;
    h->dialogs.queueAnswer(Answer::No);
    h->dialogs.queueAnswer(Answer::Ok);
    QVERIFY(h->clickFile(QStringLiteral("KAPUTT.RTF")));
    QVERIFY(h->dialogs.verifyAllAnswered());
    QVERIFY2(h->dialogs.lastCall().prompt.contains(QStringLiteral("KAPUTT.RTF")),
             qPrintable(h->dialogs.lastCall().prompt));
    QCOMPARE(h->field().text(), QString());
    // Nothing was loaded, so no colour setting was taken over.
    QCOMPARE(h->session().sound().colours, before);

    // A file deleted after it was listed.
    QFile::remove(h->folder() + QStringLiteral("/UTF8.TXT"));
    h->dialogs.queueAnswer(Answer::Ok);
    QVERIFY(h->clickFile(QStringLiteral("UTF8.TXT")));
    QVERIFY(h->dialogs.verifyAllAnswered());
    QVERIFY(h->dialogs.lastCall().prompt.contains(QStringLiteral("UTF8.TXT")));
    QCOMPARE(h->field().text(), QString());
}

using ClassColours = QList<Colour>; // consonants, vowels, umlauts, capitals, punctuation, double letters

void TestFiles::coloursAreReadBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ClassColours>("classes");
    QTest::addColumn<Colour>("syllable1");
    QTest::addColumn<Colour>("syllable2");
    const Colour red = textcore::kRed, blue = textcore::rgb(0, 0, 255), green = textcore::rgb(0, 192, 0);
    const Colour magenta = textcore::rgb(192, 0, 192), cyan = textcore::rgb(0, 192, 192);
    // The «k» of «ck» is the last consonant and the double letter at once;
    // the second syllable colour is the last slot differing from the
    // consonants': punctuation, since double letters agree with them.
    QTest::newRow("coloured by sounds") << "LAUTE.RTF" << ClassColours{magenta, green, 0, red, cyan, magenta} << magenta
                                        << cyan;
    // No umlaut and no double letter: their empty slots differ from the
    // consonants' colour, so the last of them (double letters, black) wins.
    QTest::newRow("coloured by syllables")
        << "SILBEN.RTF" << ClassColours{blue, blue, 0, red, blue, 0} << blue << Colour(0);
}

void TestFiles::coloursAreReadBack()
{
    QFETCH(QString, file);
    QFETCH(ClassColours, classes);
    QFETCH(Colour, syllable1);
    QFETCH(Colour, syllable2);
    h->copyData(file, file);
    h->window().refreshFileList();
    textcore::SoundColours &sound = h->session().sound().colours;
    sound[textcore::SoundClass::SpecialGroups] = 111;
    sound[textcore::SoundClass::Background] = 222;
    h->dialogs.queueAnswer(Answer::No);
    QVERIFY(h->clickFile(file));
    QVERIFY(h->dialogs.verifyAllAnswered());
    using C = textcore::SoundClass;
    const ClassColours found{sound[C::Consonants], sound[C::Vowels],      sound[C::Umlauts],
                             sound[C::Capitals],   sound[C::Punctuation], sound[C::DoubleConsonants]};
    QCOMPARE(found, classes);
    QCOMPARE(sound[C::SpecialGroups], Colour(111));
    QCOMPARE(sound[C::Background], Colour(222));
    QCOMPARE(h->session().syllables().colours.first, syllable1);
    QCOMPARE(h->session().syllables().colours.second, syllable2);
}

void TestFiles::newTextAsksWithItsOwnWording_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("Yes keeps the text") << Answer::Yes << false;
    QTest::newRow("No clears it") << Answer::No << true;
}

void TestFiles::newTextAsksWithItsOwnWording()
{
    QFETCH(Answer, answer);
    QFETCH(bool, cleared);
    h->dialogs.queueAnswer(answer);
    h->window().findChild<QAction *>(QStringLiteral("newTextEntry"))->trigger();
    QCOMPARE(h->dialogs.lastCall().prompt, kNewTextQuestion);
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Ungesicherter Text"));
    QCOMPARE(h->dialogs.lastCall().defaultButton, Answer::No);
    QCOMPARE(h->field().text().isEmpty(), cleared);
    QCOMPARE(h->window().isTextChanged(), !cleared);
    if (cleared) {
        // An unchanged text is cleared without a question.
        h->window().newText();
        QCOMPARE(h->dialogs.calls().size(), 1);
    }
}

void TestFiles::loadingResetsSeparatorsAndClickMode()
{
    h->window().toggleClickMode();
    QVERIFY(h->window().clickMode());
    QVERIFY(h->window().separatorsVisible());
    h->dialogs.clear();
    h->dialogs.queueAnswer(Answer::No);
    QVERIFY(h->clickFile(QStringLiteral("UTF8.TXT")));
    QVERIFY(!h->window().clickMode());
    QVERIFY(!h->window().separatorsVisible());
    // The separators were switched off before the file came in: its mark
    // stands as written.
    QCOMPARE(h->field().text(), kLetterText.arg(QStringLiteral("-")));
}

void TestFiles::emptyingTheTextClearsTheBrowser()
{
    // Selected without loading, as if the entry had been chosen earlier.
    h->window().fileBrowser().blockSignals(true);
    h->window().fileBrowser().setCurrentRow(0);
    h->window().fileBrowser().blockSignals(false);
    QCOMPARE(h->window().fileBrowser().selectedIndex(), 0);
    h->field().selectAll();
    QTest::keyClick(&h->field(), Qt::Key_Delete);
    QCOMPARE(h->field().text(), QString());
    QCOMPARE(h->window().fileBrowser().selectedIndex(), -1);
    QCOMPARE(h->window().infoText(),
             QStringLiteral("Geben Sie jetzt den Text ein. Am besten gibt man die "
                            "Trennzeichen am Schluss ein, dann kann im Klickmodus "
                            "gearbeitet werden."));
    QVERIFY(h->window().isTextChanged());
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
