// Handing the WorkingText over to the other windows, the help text, the
// author note and the two text tools.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/richtextfield.h"
#include "platform/styledtextdump.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using platform::Answer;

class TestHandOver : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openingLeavesSoftHyphensInTheSeparatorColour_data();
    void openingLeavesSoftHyphensInTheSeparatorColour();
    void emptyTextIsRefused_data();
    void emptyTextIsRefused();
    void returningHidesTheSeparatorsAgain();
    void fontAndAboutWindows();
    void helpTextComesFromTheFolderOrTheProgram_data();
    void helpTextComesFromTheFolderOrTheProgram();
    void searchReplace_data();
    void searchReplace();
    void filterCharacter_data();
    void filterCharacter();
    void authorNote();
    void wholeTextCommandsUndoInOneStep_data();
    void wholeTextCommandsUndoInOneStep();

private:
    std::unique_ptr<EditorHarness> h;
    QList<QPair<QString, QPoint>> opened;
    editor::WindowHooks recordingHooks();
};

editor::WindowHooks TestHandOver::recordingHooks()
{
    auto record = [this](const QString &name) { return [this, name](const QPoint &at) { opened.append({name, at}); }; };
    editor::WindowHooks hooks;
    hooks.openSoundColours = record(QStringLiteral("soundColours"));
    hooks.openSyllableColours = record(QStringLiteral("syllableColours"));
    hooks.openSoundTrainer = record(QStringLiteral("soundTrainer"));
    hooks.openSyllableTrainer = record(QStringLiteral("syllableTrainer"));
    hooks.openFontSelection = record(QStringLiteral("fontSelection"));
    hooks.openAbout = record(QStringLiteral("about"));
    return hooks;
}

void TestHandOver::init()
{
    opened.clear();
    h = std::make_unique<EditorHarness>();
    h->start(true);
    h->window().setWindowHooks(recordingHooks());
    h->window().show();
    h->dialogs.clear();
}

void TestHandOver::openingLeavesSoftHyphensInTheSeparatorColour_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::newRow("sound colours") << "soundColoursEntry"
                                   << "soundColours";
    QTest::newRow("syllable colours") << "syllableColoursEntry"
                                      << "syllableColours";
    QTest::newRow("sound trainer") << "soundTrainerEntry"
                                   << "soundTrainer";
    QTest::newRow("syllable trainer") << "syllableTrainerEntry"
                                      << "syllableTrainer";
}

void TestHandOver::openingLeavesSoftHyphensInTheSeparatorColour()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    h->setText(QStringLiteral("Ab-ba=ca. Neu~er Satz!"));
    h->window().toggleSeparators();
    h->window().findChild<QAction *>(QStringLiteral("colourBlueEntry"))->trigger();
    const QPoint editorAt = h->window().pos();
    h->window().findChild<QAction *>(entry)->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].first, window);
    QCOMPARE(opened[0].second, editorAt);
    QVERIFY(!h->window().isVisible());
    const QString text = h->field().text();
    QCOMPARE(text, QStringLiteral("Ab%1ba%1ca. Neu%1er Satz!").arg(softHyphen()));
    const std::vector<textcore::Colour> colours = h->field().coloursOfAllPositions();
    for (int i : {2, 5, 13})
        QCOMPARE(colours[std::size_t(i)], textcore::rgb(0, 0, 255));
    const std::vector<std::u16string> sentences = h->session().workingText().sentenceList();
    QCOMPARE(sentences.size(), std::size_t(2));
    QCOMPARE(QString::fromStdU16String(sentences[1]), QStringLiteral("Neu%1er Satz!").arg(softHyphen()));
    // The flag still says visible until the editor comes back.
    QVERIFY(h->window().separatorsVisible());
}

void TestHandOver::emptyTextIsRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::newRow("sound colours") << "soundColoursEntry"
                                   << "Tintaro";
    QTest::newRow("syllable colours") << "syllableColoursEntry"
                                      << "Tintaro";
    QTest::newRow("sound trainer") << "soundTrainerEntry"
                                   << "Kolorat";
    QTest::newRow("syllable trainer") << "syllableTrainerEntry"
                                      << "Kolorat";
}

void TestHandOver::emptyTextIsRefused()
{
    QFETCH(QString, entry);
    QFETCH(QString, title);
    h->setText(QString());
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().findChild<QAction *>(entry)->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.lastCall().prompt, QStringLiteral("Es ist kein Text vorhanden!\r\r"));
    QCOMPARE(h->dialogs.lastCall().title, title);
    QVERIFY(opened.isEmpty());
    QVERIFY(h->window().isVisible());
}

void TestHandOver::returningHidesTheSeparatorsAgain()
{
    h->setText(QStringLiteral("Ab-ba."));
    h->window().toggleSeparators();
    h->window().openSoundColours();
    QVERIFY(!h->window().isVisible());
    h->window().showEditor(QPoint(40, 50));
    QVERIFY(h->window().isVisible());
    QCOMPARE(h->window().pos(), QPoint(40, 50));
    QVERIFY(!h->window().separatorsVisible());
    QCOMPARE(h->window().findChild<QPushButton *>(QStringLiteral("separatorButton"))->text(),
             QStringLiteral("Trennzeichen ein"));
    QCOMPARE(h->field().text(), QStringLiteral("Ab%1ba.").arg(softHyphen()));
}

void TestHandOver::fontAndAboutWindows()
{
    h->setText(QString());
    // Neither needs a text.
    h->window().findChild<QAction *>(QStringLiteral("fontSelectionEntry"))->trigger();
    h->window().show();
    h->window().findChild<QAction *>(QStringLiteral("aboutEntry"))->trigger();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0].first, QStringLiteral("fontSelection"));
    QCOMPARE(opened[1].first, QStringLiteral("about"));
    QCOMPARE(opened[1].second, h->window().pos());
    QVERIFY(h->dialogs.calls().isEmpty());
}

void TestHandOver::helpTextComesFromTheFolderOrTheProgram_data()
{
    QTest::addColumn<QString>("folderFile");
    QTest::addColumn<QString>("startsWith");
    QTest::newRow("the folder's own help file") << "KOLORATHELP.RTF"
                                                << "Rot bläu";
    QTest::newRow("found without regard to case") << "kolorathelp.rtf"
                                                  << "Rot bläu";
    QTest::newRow("the help shipped with the program") << QString() << "Kolorat – die farbige Lesehilfe";
}

void TestHandOver::helpTextComesFromTheFolderOrTheProgram()
{
    QFETCH(QString, folderFile);
    QFETCH(QString, startsWith);
    if (!folderFile.isEmpty())
        h->copyData(QStringLiteral("farben.rtf"), folderFile);
    QVERIFY(h->window().isTextChanged());
    h->window().findChild<QAction *>(QStringLiteral("manualEntry"))->trigger();
    QVERIFY(h->dialogs.calls().isEmpty()); // no unsaved-text question
    QVERIFY2(h->field().text().startsWith(startsWith), qPrintable(h->field().text().left(40)));
    QVERIFY(!h->window().isTextChanged());
}

void TestHandOver::searchReplace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ab by a in aabb searches again from the start") << "aabb" << 1 << 2 << "a"
                                                                   << "aa";
    QTest::newRow("replacement holding the searched text ends") << "ab ab" << 0 << 2 << "abab"
                                                                << "abab abab";
    QTest::newRow("empty answer changes nothing") << "aabb" << 1 << 2 << ""
                                                  << "aabb";
    QTest::newRow("answer equal to the search changes nothing") << "aabb" << 1 << 2 << "ab"
                                                                << "aabb";
}

void TestHandOver::searchReplace()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    h->setText(text);
    h->field().setSel(selStart, selLength);
    h->dialogs.queueInput(answer);
    h->window().findChild<QAction *>(QStringLiteral("searchReplaceEntry"))->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.lastCall().prompt,
             QStringLiteral("Gesuchter Text: ") + text.mid(selStart, selLength) + QStringLiteral("\rErsetzter Text:"));
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("SuchenErsetzen"));
    QCOMPARE(h->dialogs.lastCall().proposed, QString());
    QCOMPARE(h->field().text(), expected);
}

void TestHandOver::filterCharacter_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default answer removes double quotes") << "\""
                                                          << "Er sagt: Hallo!";
    QTest::newRow("only the first character counts") << "a!"
                                                     << "Er sgt: \"Hllo!\"";
    QTest::newRow("empty answer changes nothing") << ""
                                                  << "Er sagt: \"Hallo!\"";
}

void TestHandOver::filterCharacter()
{
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    h->field().setStyledText({{QStringLiteral("Er sagt: \"Hallo!\""), {textcore::kRed, {}, 0, true, false}}});
    h->dialogs.queueInput(answer);
    h->window().findChild<QAction *>(QStringLiteral("filterEntry"))->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.lastCall().prompt, QStringLiteral("Geben Sie das zu filternde Zeichen an:"));
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Textfilter"));
    QCOMPARE(h->dialogs.lastCall().proposed, QStringLiteral("\""));
    QCOMPARE(h->field().text(), expected);
    // A filtered text loses its formatting; an unchanged one keeps it.
    QCOMPARE(formatsPerPosition(h->field())[0].colour, answer.isEmpty() ? textcore::kRed : textcore::kBlack);
}

void TestHandOver::authorNote()
{
    h->writeFile(QStringLiteral("KoloratHelp.rtf"), "{\\rtf1 Hilfe}");
    h->dialogs.queueAnswer(Answer::Ok);
    QTest::mouseClick(h->window().findChild<QLabel *>(QStringLiteral("Picture1")), Qt::LeftButton);
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Tintaro"));
    // Only what is true: the build's version, and the help text that
    // "Anleitung" would load.
    const QStringList lines = h->dialogs.lastCall().prompt.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3);
    QVERIFY2(QRegularExpression(QStringLiteral("^Kolorat, .* Version \\d+\\.\\d+\\.\\d+$")).match(lines[0]).hasMatch(),
             qPrintable(lines[0]));
    QVERIFY(lines[1].startsWith(QStringLiteral("Lizenz: ")));
    QCOMPARE(lines[2],
             QStringLiteral("Hilfetext: ")
                 + QDir::toNativeSeparators(h->folder() + QStringLiteral("/KoloratHelp.rtf")));
}

void TestHandOver::wholeTextCommandsUndoInOneStep_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<QString>("typed"); // the input box's answer; empty: no box

    QTest::newRow("Suchen/Ersetzen") << "searchReplaceEntry" << 0 << "Bo";
    QTest::newRow("Textfilter wählen") << "filterEntry" << 0 << "\"";
    QTest::newRow("Trennzeichen > Ersetzen") << "replaceSeparatorEntry" << 4 << "";
    QTest::newRow("Anleitung") << "manualEntry" << 0 << "";
}

void TestHandOver::wholeTextCommandsUndoInOneStep()
{
    QFETCH(QString, entry);
    QFETCH(int, selStart);
    QFETCH(QString, typed);
    h->writeFile(QStringLiteral("KOLORATHELP.RTF"), "{\\rtf1 Hilfe\\par}");
    platform::CharFormat red;
    red.colour = textcore::kRed;
    platform::CharFormat boldBlue{textcore::rgb(0, 0, 255), QStringLiteral("Verdana"), 20, true, false};
    platform::CharFormat green;
    green.colour = textcore::rgb(0, 192, 0);
    green.italic = true;
    h->field().setStyledText({{QStringLiteral("Rote "), red},
                              {QStringLiteral("Ro\u00ADsen\r\n"), boldBlue},
                              {QStringLiteral("\"blau\" und gr\u00FCn"), green}});
    const QByteArray before = platform::dumpStyledText(h->field().styledText());

    h->field().setSel(selStart, 2);
    if (!typed.isEmpty())
        h->dialogs.queueInput(typed);
    h->window().findChild<QAction *>(entry)->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QVERIFY(platform::dumpStyledText(h->field().styledText()) != before);

    QTest::keyClick(&h->field(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(platform::dumpStyledText(h->field().styledText()), before);
}

QTEST_MAIN(TestHandOver)
#include "tst_handover.moc"
