// "Silben automatisch setzen", "Als Ausnahme merken" and "Vorlesen" wired to
// the field: which range they take, where their marks go, what they keep.
// The syllable rules themselves are tested in tests/syllabify; a one-rule
// pattern file ("t" between vowels: «Kat-ze») keeps these tests quick.
#include "platform/styledtextdump.h"
#include "support/editorfixture.h"
#include "support/fakespeechengine.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <tuple>

class TestSyllableCommands : public QObject {
    Q_OBJECT
private slots:
    void marksGoIntoTheSelectedWordsOnly();
    void rememberedWordIsMarkedAsWrittenNextTime();
    void readsTheSelectionWithoutItsMarks();
};

void TestSyllableCommands::marksGoIntoTheSelectedWordsOnly()
{
    EditorFixture f;
    f.start();
    f.writeFile(QStringLiteral("muster.dic"), "ISO8859-1\nt1z\n");
    f.window.setPatternFile(f.path(QStringLiteral("fehlt.dic")));
    f.field().setStyledText({{QStringLiteral("Katze, "), {textcore::rgb(0, 0, 255), {}, 0, true, false}},
                             {QStringLiteral("Tatze Mütze"), {textcore::kBlack, QStringLiteral("Verdana"), 20}}});
    f.field().setSel(9, 3); // "atz" of "Tatze", widened to the whole word
    const QByteArray before = platform::dumpStyledText(f.field().styledText());
    f.dialogs.queueAnswer(Answer::Ok); // no patterns yet: reported, nothing marked
    f.trigger("autoSyllablesEntry");
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(platform::dumpStyledText(f.field().styledText()), before);

    f.window.setPatternFile(f.path(QStringLiteral("muster.dic")));
    f.trigger("autoSyllablesEntry");
    QCOMPARE(f.field().text(), QStringLiteral("Katze, Tat\u00ADze Mütze"));
    // The new mark has the separator colour and the format of the letter before it.
    const platform::StyledText runs = f.field().styledText();
    QCOMPARE(runs[2].text, QStringLiteral("\u00AD"));
    QCOMPARE(runs[2].format, (platform::CharFormat{textcore::kRed, QStringLiteral("Verdana"), 20}));
    QCOMPARE(f.info(), QStringLiteral("Silben automatisch gesetzt: 1 Wort wurde getrennt."));
    f.field().document()->undo();
    QCOMPARE(platform::dumpStyledText(f.field().styledText()), before);
}

void TestSyllableCommands::rememberedWordIsMarkedAsWrittenNextTime()
{
    EditorFixture f;
    f.start();
    f.writeFile(QStringLiteral("muster.dic"), "ISO8859-1\nt1z\n");
    f.window.setPatternFile(f.path(QStringLiteral("muster.dic")));
    f.trigger("separatorSlashEntry");
    f.field().setText(QStringLiteral("Die Holz/au/to."));
    f.field().setSel(4, 10);
    f.dialogs.queueAnswer(Answer::Ok);
    f.trigger("rememberExceptionEntry");
    QVERIFY(f.dialogs.lastCall().prompt.startsWith(QStringLiteral("\u201EHolz-au-to\u201C steht jetzt in")));
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT-SILBEN.TXT")), QByteArray("Holz-au-to\r\n"));

    // The list counts whatever the case of its name, and wins over the rules.
    QVERIFY(QFile::rename(f.path(QStringLiteral("KOLORAT-SILBEN.TXT")), f.path(QStringLiteral("kolorat-silben.txt"))));
    f.field().setText(QStringLiteral("Ein holzauto und die Katze."));
    f.trigger("autoSyllablesEntry");
    QCOMPARE(f.field().text(), QStringLiteral("Ein holz\u00ADau\u00ADto und die Kat\u00ADze."));

    // A list that cannot be read stops the marking rather than undo the teacher's marks.
    QVERIFY(QFile::remove(f.path(QStringLiteral("kolorat-silben.txt"))));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("KOLORAT-SILBEN.TXT")));
    f.field().setText(QStringLiteral("Katze"));
    f.dialogs.queueAnswer(Answer::Ok);
    f.trigger("autoSyllablesEntry");
    QCOMPARE(f.field().text(), QStringLiteral("Katze"));
    QVERIFY(f.dialogs.verifyAllAnswered());
}

void TestSyllableCommands::readsTheSelectionWithoutItsMarks()
{
    EditorFixture f;
    f.start();
    testsupport::FakeSpeechEngine voice;
    f.window.setSpeech(&voice);
    f.field().setText(QStringLiteral("Will-kom-men bei uns. Gu-ten Tag."));
    f.dialogs.queueAnswer(Answer::Ok);
    f.control<QPushButton>("separatorButton")->click();
    for (const auto &[start, length, spoken] :
         {std::tuple{13, 7, "bei uns"}, {22, 0, "Guten Tag."}, {33, 0, "Willkommen bei uns. Guten Tag."}}) {
        f.field().setSel(start, length);
        f.trigger("readAloudEntry");
        QCOMPARE(QString::fromStdU16String(voice.requests.takeLast().text), QString::fromUtf8(spoken));
        voice.hear(0, 3);
        QCOMPARE(f.field().extraSelections().size(), 1);
        // The entry again, ESC and any edit stop the voice and the mark.
        if (start == 13)
            f.trigger("readAloudEntry");
        else if (start == 22)
            QTest::keyClick(&f.field(), Qt::Key_Escape);
        else
            f.field().insertPlainText(QStringLiteral("!"));
        QVERIFY(f.field().extraSelections().isEmpty());
    }
    QCOMPARE(voice.stops, 3);
}

QTEST_MAIN(TestSyllableCommands)
#include "tst_syllablecommands.moc"
