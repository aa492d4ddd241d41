// Reading aloud in the trainers: the space bar and "Vorlesen" speak the
// newest piece, the word being heard is marked over its colours, a second
// press stops, a new step ends the speaking, a failure is told once.
#include "trainer/support/trainerharness.h"

#include "platform/readaloud.h"
#include "support/fakespeechengine.h"

#include <QMenuBar>
#include <QTest>

using testsupport::FakeSpeechEngine;
using testsupport::TrainerHarness;
using trainer::TrainerKind;

Q_DECLARE_METATYPE(TrainerKind)

namespace {

const QString kText = QStringLiteral("Ich le\u00ADse gern.\r\nDu auch?\r\n");

QString markedText(platform::RichTextField *field)
{
    const QList<QTextEdit::ExtraSelection> marks = field->extraSelections();
    return marks.size() == 1 ? marks[0].cursor.selectedText() : QStringLiteral("<%1 marks>").arg(marks.size());
}

} // namespace

class TrainerReadAloudTest : public QObject {
    Q_OBJECT

private slots:
    void speaksTheNewestPieceAndMarksTheWord_data();
    void speaksTheNewestPieceAndMarksTheWord();
    void stepsStopAndFailuresAreTold();
};

void TrainerReadAloudTest::speaksTheNewestPieceAndMarksTheWord_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("phonemes");
    QTest::addColumn<int>("heardStart");
    QTest::addColumn<int>("heardLength");
    QTest::addColumn<QString>("marked");
    // Right after opening, the cursor stands on the last sentence: a word,
    // syllable or letter step reads "Du auch?".
    QTest::newRow("whole text") << TrainerKind::Sounds << QList<int>{} << "Ich lese gern.\r\nDu auch?\r\n" << false << 4
                                << 4 << QStringLiteral("le\u00ADse");
    QTest::newRow("sentence") << TrainerKind::Syllables << QList<int>{Qt::Key_Home} << "Ich lese gern." << false << 9
                              << 4 << "gern";
    QTest::newRow("newest word") << TrainerKind::Sounds << QList<int>{Qt::Key_End, Qt::Key_End} << "auch?" << false
                                 << 0 << 4 << "auch";
    QTest::newRow("newest syllable") << TrainerKind::Syllables
                                     << QList<int>{Qt::Key_End, Qt::Key_End, Qt::Key_Up, Qt::Key_Up}
                                     << "le" << false << 0 << 2 << "le";
    QTest::newRow("letter as its sound") << TrainerKind::Sounds << QList<int>{Qt::Key_Down, Qt::Key_Down} << "[[u:]]"
                                         << true << 2 << 2 << "u";
}

void TrainerReadAloudTest::speaksTheNewestPieceAndMarksTheWord()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QList<int>, keys);
    QFETCH(QString, spoken);
    QFETCH(bool, phonemes);
    QFETCH(int, heardStart);
    QFETCH(int, heardLength);
    QFETCH(QString, marked);

    TrainerHarness h(kind);
    FakeSpeechEngine voice;
    h.window->setSpeech(&voice);
    h.open(kText);
    h.pressAll(keys);
    const std::vector<textcore::Colour> colours = h.readingField()->coloursOfAllPositions();

    h.press(Qt::Key_Space);
    QCOMPARE(voice.requests.size(), 1);
    QCOMPARE(QString::fromStdU16String(voice.requests[0].text), spoken);
    QCOMPARE(voice.requests[0].phonemes, phonemes);
    QVERIFY(voice.isSpeaking());
    voice.hear(heardStart, heardLength);
    QCOMPARE(markedText(h.readingField()), marked);
    QCOMPARE(h.readingField()->coloursOfAllPositions(), colours);
    QCOMPARE(h.window->focusWidget(), h.keyField());

    // The second press stops; the mark goes with the voice.
    h.press(Qt::Key_Space);
    QVERIFY(!voice.isSpeaking());
    QCOMPARE(voice.stops, 1);
    QCOMPARE(voice.requests.size(), 1);
    QVERIFY(h.readingField()->extraSelections().isEmpty());
    QCOMPARE(h.readingField()->coloursOfAllPositions(), colours);
}

void TrainerReadAloudTest::stepsStopAndFailuresAreTold()
{
    TrainerHarness h(TrainerKind::Syllables);
    FakeSpeechEngine voice;
    h.window->setSpeech(&voice);
    h.open(kText);
    QStringList captions;
    for (QAction *entry : h.window->menuBar()->actions())
        captions << entry->text();
    QCOMPARE(captions.mid(12), (QStringList{"Vorlesen", "Sprechtempo"}));

    // The menu entry speaks like the key; a step ends the speaking at once.
    h.trigger(QStringLiteral("menu13"));
    voice.hear(0, 3);
    QCOMPARE(markedText(h.readingField()), QStringLiteral("Ich"));
    h.press(Qt::Key_Home);
    QVERIFY(!voice.isSpeaking());
    QVERIFY(h.readingField()->extraSelections().isEmpty());

    // Spoken to the end: the mark goes, the next press speaks again.
    h.press(Qt::Key_Space);
    voice.hear(4, 4);
    voice.endOfText();
    QVERIFY(h.readingField()->extraSelections().isEmpty());
    h.press(Qt::Key_Space);
    QCOMPARE(voice.requests.size(), 3);

    // No sound device: one German message, and the trainer goes on.
    h.scripted.queueAnswer(platform::Answer::Ok);
    voice.fail(platform::SpeechFailure::NoAudioDevice);
    QVERIFY(h.scripted.verifyAllAnswered());
    QCOMPARE(h.scripted.lastCall().title, QStringLiteral("Vorlesen"));
    QCOMPARE(h.scripted.lastCall().prompt,
             platform::speechFailureMessage(platform::SpeechFailure::NoAudioDevice));
    QVERIFY(h.scripted.lastCall().prompt.startsWith(QStringLiteral("Es wurde kein Lautsprecher")));
    QVERIFY(!h.window->readAloudControl()->isSpeaking());
    h.press(Qt::Key_End);
    QCOMPARE(h.shown(), QStringLiteral("Ich "));

    // Leaving the trainer silences it.
    h.press(Qt::Key_Space);
    h.press(Qt::Key_Escape);
    QVERIFY(!voice.isSpeaking());
}

QTEST_MAIN(TrainerReadAloudTest)
#include "tst_readaloud.moc"
