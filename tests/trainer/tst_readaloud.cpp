// Reading aloud in the trainers: the space bar and "Vorlesen" speak the
// piece on display, the word being heard is marked over its colours, a
// second press or the next step stops, a failure is told once.
#include "trainer/support/trainerharness.h"

#include "platform/readaloud.h"
#include "support/fakespeechengine.h"

#include <QTest>

using testsupport::FakeSpeechEngine;
using testsupport::TrainerHarness;
using trainer::TrainerKind;

Q_DECLARE_METATYPE(TrainerKind)

namespace {

const QString kText = QStringLiteral("Ich le\u00ADse gern.\r\nDu auch?\r\n");

QString marked(platform::RichTextField *field)
{
    const QList<QTextEdit::ExtraSelection> marks = field->extraSelections();
    return marks.size() == 1 ? marks[0].cursor.selectedText() : QStringLiteral("<%1 marks>").arg(marks.size());
}

} // namespace

class TrainerReadAloudTest : public QObject {
    Q_OBJECT

private slots:
    void speaksWhatIsShownAndMarksTheWord_data();
    void speaksWhatIsShownAndMarksTheWord();
    void stepsEndAndFailuresAreTold();
};

void TrainerReadAloudTest::speaksWhatIsShownAndMarksTheWord_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<int>("heardStart");
    QTest::addColumn<QString>("mark");
    QTest::newRow("whole text") << TrainerKind::Sounds << QList<int>{} << "Ich lese gern.\r\nDu auch?\r\n"
                                << 5 << QStringLiteral("e\u00ADs");
    // Right after opening a word step reads the last sentence; the next
    // syllable steps the first one.
    QTest::newRow("newest syllable") << TrainerKind::Syllables
                                     << QList<int>{Qt::Key_End, Qt::Key_End, Qt::Key_Up, Qt::Key_Up} << "le" << 0
                                     << "le";
    QTest::newRow("letter as its sound") << TrainerKind::Sounds << QList<int>{Qt::Key_Down, Qt::Key_Down} << "[[u:]]"
                                         << 0 << "u";
}

void TrainerReadAloudTest::speaksWhatIsShownAndMarksTheWord()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QList<int>, keys);
    QFETCH(QString, spoken);
    QFETCH(int, heardStart);
    QFETCH(QString, mark);

    TrainerHarness h(kind);
    FakeSpeechEngine voice;
    h.window->setSpeech(&voice);
    h.open(kText);
    h.pressAll(keys);
    const std::vector<textcore::Colour> colours = h.readingField()->coloursOfAllPositions();

    h.press(Qt::Key_Space);
    QCOMPARE(voice.requests.size(), 1);
    QCOMPARE(QString::fromStdU16String(voice.requests[0].text), spoken);
    QCOMPARE(voice.requests[0].phonemes, spoken.startsWith(QStringLiteral("[[")));
    voice.hear(heardStart, 2);
    QCOMPARE(marked(h.readingField()), mark);
    QCOMPARE(h.readingField()->coloursOfAllPositions(), colours);
    QCOMPARE(h.window->focusWidget(), h.keyField());

    // The second press stops; the mark goes with the voice.
    h.press(Qt::Key_Space);
    QCOMPARE(voice.stops, 1);
    QCOMPARE(voice.requests.size(), 1);
    QVERIFY(h.readingField()->extraSelections().isEmpty());
}

void TrainerReadAloudTest::stepsEndAndFailuresAreTold()
{
    TrainerHarness h(TrainerKind::Syllables);
    FakeSpeechEngine voice;
    h.window->setSpeech(&voice);
    h.open(kText);

    // The menu entry speaks like the key; the next step ends the speaking.
    h.trigger(QStringLiteral("menu13"));
    voice.hear(0, 3);
    QCOMPARE(marked(h.readingField()), QStringLiteral("Ich"));
    h.press(Qt::Key_Home);
    QVERIFY(!voice.isSpeaking());
    QVERIFY(h.readingField()->extraSelections().isEmpty());

    // Spoken to the end: the mark goes too.
    h.press(Qt::Key_Space);
    voice.hear(4, 4);
    voice.endOfText();
    QVERIFY(h.readingField()->extraSelections().isEmpty());

    // No sound device: one German message, and the trainer goes on.
    h.press(Qt::Key_Space);
    h.scripted.queueAnswer(platform::Answer::Ok);
    voice.fail(platform::SpeechFailure::NoAudioDevice);
    QVERIFY(h.scripted.verifyAllAnswered());
    QCOMPARE(h.scripted.lastCall().title, QStringLiteral("Vorlesen"));
    QVERIFY(h.scripted.lastCall().prompt.startsWith(QStringLiteral("Es wurde kein Lautsprecher")));
    QVERIFY(!h.window->readAloudControl()->isSpeaking());
    h.press(Qt::Key_End);
    QCOMPARE(h.shown(), QStringLiteral("Ich "));

    h.press(Qt::Key_Space);
    h.press(Qt::Key_Escape);
    QVERIFY(!voice.isSpeaking());
}

QTEST_MAIN(TrainerReadAloudTest)
#include "tst_readaloud.moc"
