// The trainer windows as the learner drives them: their look and boxes (one
// golden file each), what every key and its menu entry do, leaving with an
// exercise list, the close box, and reading aloud. What the steps show and
// how they are coloured is textcore's; here only the wiring.
#include "trainer/support/trainerharness.h"

#include "platform/readaloud.h"
#include "support/doubles.h"
#include "support/windowdump.h"
#include "textcore/soundcolouring.h"
#include "textcore/trainercolouring.h"

#include <QScreen>
#include <QSignalSpy>

using platform::Answer;
using testsupport::TrainerHarness;
using textcore::ReadingStep;
using textcore::SoundClass;
using trainer::TrainerKind;

Q_DECLARE_METATYPE(TrainerKind)

namespace {

const QString kText = QStringLiteral("Ich le\u00ADse gern.\r\nDu auch?\r\n");

void bothKinds()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::newRow("sounds") << TrainerKind::Sounds;
    QTest::newRow("syllables") << TrainerKind::Syllables;
}

bool coversTheScreen(const TrainerHarness &h)
{
    return h.window->frameGeometry() == QGuiApplication::primaryScreen()->geometry()
        && h.window->windowState().testFlag(Qt::WindowFullScreen);
}

// Everything a key or menu entry can change, in one line.
QString state(const TrainerHarness &h)
{
    const platform::RichTextField *field = h.readingField();
    QStringList exercises;
    for (int row = 0; row < h.exerciseList()->count(); ++row)
        exercises << h.exerciseList()->item(row)->text();
    return QStringLiteral("%1|step %2|%3 %4|fonts %5|list %6|boxes %7|%8 %9")
        .arg(h.shown())
        .arg(int(h.window->trainer().CurrentStep()))
        .arg(field->fieldFontName())
        .arg(field->fieldFontSize())
        .arg(h.fontList()->isVisible())
        .arg(exercises.join('/'))
        .arg(h.scripted.calls().size())
        .arg(h.window->isVisible())
        .arg(h.window->isFullScreenView());
}

QString marked(const platform::RichTextField *field)
{
    const QList<QTextEdit::ExtraSelection> marks = field->extraSelections();
    return marks.size() == 1 ? marks[0].cursor.selectedText() : QStringLiteral("<%1 marks>").arg(marks.size());
}

} // namespace

class TrainerTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDrawnWithItsBoxes_data() { bothKinds(); }
    void looksAsDrawnWithItsBoxes();
    void keyAndMenuEntryDoTheSame_data();
    void keyAndMenuEntryDoTheSame();
    void leavingAndComingBack_data() { bothKinds(); }
    void leavingAndComingBack();
    void readsAloudWhatIsShown_data();
    void readsAloudWhatIsShown();
};

void TrainerTest::looksAsDrawnWithItsBoxes()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    testsupport::FakeSpeechEngine voice; // a voice adds its menu entries
    h.window->setSpeech(&voice);
    h.offered.names = {"Zapf Chancery", "courier", "Bodoni"};
    h.open(kText);
    QTRY_VERIFY(coversTheScreen(h));
    QVERIFY(!h.window->windowIcon().isNull());

    // The window view has a size of its own; the font list shows its entries.
    h.pressAll({Qt::Key_Control, Qt::Key_Delete});
    QString look = testsupport::dumpWindow(*h.window) + QStringLiteral("font list:");
    for (int row = 0; row < h.fontList()->count(); ++row)
        look += QStringLiteral(" [%1]").arg(h.fontList()->item(row)->text());

    // A click on a font takes it and hides the list.
    QListWidgetItem *courier = h.fontList()->findItems(QStringLiteral("courier"), Qt::MatchExactly).value(0);
    QTest::mouseClick(h.fontList()->viewport(), Qt::LeftButton, {}, h.fontList()->visualItemRect(courier).center());
    QCOMPARE(state(h), kText + QStringLiteral("|step 1|courier 24|fonts 0|list |boxes 0|1 0"));
    // "Monitor", and CTRL twice, give the full screen again.
    h.trigger("menu2b");
    QTRY_VERIFY(coversTheScreen(h));
    h.pressAll({Qt::Key_Control, Qt::Key_Control});
    QTRY_VERIFY(coversTheScreen(h));

    // Key help, adding a piece, and the question on leaving with it.
    for (Answer answer : {Answer::Ok, Answer::Ok, Answer::Yes})
        h.scripted.queueAnswer(answer);
    h.pressAll({Qt::Key_F1, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Escape});
    QVERIFY(h.scripted.verifyAllAnswered());
    for (const testsupport::DialogCall &box : h.scripted.calls()) {
        look += QStringLiteral("\nbox \"%1\" buttons %2 icon %3 default %4: %5")
                    .arg(box.title)
                    .arg(int(box.buttons))
                    .arg(int(box.icon))
                    .arg(int(box.defaultButton))
                    .arg(QString(box.prompt).replace('\r', QStringLiteral("\\r")));
    }
    if (h.sounds())
        KOLORAT_VERIFY_GOLDEN(look + '\n', "trainer-sounds");
    else
        KOLORAT_VERIFY_GOLDEN(look + '\n', "trainer-syllables");
}

void TrainerTest::keyAndMenuEntryDoTheSame_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("step"); // the reading step it runs, 0 for none
    const struct {
        int key;
        const char *menu;
        int times;
        ReadingStep step;
    } rows[] = {
        {Qt::Key_Home, "menu6", 1, ReadingStep::Sentence},
        {Qt::Key_End, "menu5", 3, ReadingStep::Word},
        {Qt::Key_Up, "menu11", 3, ReadingStep::Syllable},
        {Qt::Key_Down, "menu4", 4, ReadingStep::Letter},
        {Qt::Key_Return, "menu12", 1, ReadingStep::Text},
        {Qt::Key_Left, "menu8", 7, {}},
        {Qt::Key_Right, "menu9", 25, {}},
        {Qt::Key_Delete, "menu10", 1, {}},
        {Qt::Key_Insert, "menu3", 2, {}},
        {Qt::Key_F1, "menu7", 1, {}},
        {Qt::Key_Escape, "menu1", 1, {}},
        {Qt::Key_Control, "menu2a", 1, {}},
    };
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables})
        for (const auto &r : rows)
            QTest::addRow("%s %s", kind == TrainerKind::Sounds ? "sounds" : "syllables", r.menu)
                << kind << r.key << QString::fromLatin1(r.menu) << r.times << int(r.step);
}

void TrainerTest::keyAndMenuEntryDoTheSame()
{
    QFETCH(TrainerKind, kind);
    QFETCH(int, key);
    QFETCH(QString, menu);
    QFETCH(int, times);
    QFETCH(int, step);

    TrainerHarness byKey(kind);
    TrainerHarness byMenu(kind);
    for (TrainerHarness *h : {&byKey, &byMenu}) {
        // Distinct colours, so that a wrong rule shows.
        for (std::size_t i = 0; i < textcore::kSoundClassCount; ++i)
            h->soundState.colours.colours[i] = textcore::Colour(0x100000 * i + 0x11);
        h->soundState.specialGroupsText = u"ch,";
        h->syllableState.colours = {0x0000AA, 0x00BB00};
        h->open(kText);
        h->press(Qt::Key_Home); // a piece on display, so that INS has something to
                                // collect
        for (int i = 0; i < 3; ++i)
            h->scripted.queueAnswer(Answer::Ok);
    }
    // Keys that are no action change nothing, wherever they are pressed.
    QWidget *const targets[]
        = {byKey.keyField(), byKey.readingField(), byKey.fontList(), byKey.exerciseList(), byKey.window.get()};
    const QString before = state(byKey);
    for (QWidget *target : targets) {
        for (int other : {Qt::Key_A, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_PageUp, Qt::Key_Adiaeresis})
            QTest::keyClick(target, Qt::Key(other));
    }
    QCOMPARE(state(byKey), before);
    QCOMPARE(byKey.keyField()->text(), QString());
    // Arrows, END and HOME would move a caret or a list's current row; here
    // they act wherever the learner clicked.
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(targets[i % std::size(targets)], Qt::Key(key));
        byMenu.trigger(qPrintable(menu));
    }
    QVERIFY2(state(byKey) != before, "the key changed nothing");
    QCOMPARE(state(byMenu), state(byKey));
    if (byKey.window->isVisible())
        QCOMPARE(byKey.window->focusWidget(), byKey.keyField());
    if (step == 0)
        return;
    QCOMPARE(int(byKey.window->trainer().CurrentStep()), step);
    QCOMPARE(byKey.shown(), QString::fromStdU16String(byKey.window->trainer().DisplayText()));
    const textcore::TrainerColouring colouring
        = textcore::ColourReadingText(kind, byKey.shown().toStdU16String(), byKey.soundState.colours,
                                      textcore::ParseSpecialGroups(byKey.soundState.specialGroupsText),
                                      byKey.syllableState.colours, byKey.syllableState.counting);
    QCOMPARE(byKey.readingField()->coloursOfAllPositions(), colouring.colours);
    QCOMPARE(byKey.readingField()->backColor(), byKey.soundState.colours[SoundClass::Background]);
}

void TrainerTest::leavingAndComingBack()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    const QString text = QStringLiteral("Eins. Zwei. Drei.");
    const QList<int> collectTheSecond{Qt::Key_Home, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Escape};
    for (Answer answer : {Answer::Ok, Answer::No, Answer::Ok, Answer::Yes, Answer::Ok})
        h.scripted.queueAnswer(answer);
    // Nothing to collect in the text step. Leaving with a list asks whether
    // to practise it; "no" leaves and forgets it.
    h.open(text);
    h.window->setReadingFont(QStringLiteral("Arial"));
    h.pressAll({Qt::Key_Insert, Qt::Key_Right});
    QCOMPARE(h.scripted.calls().size(), 0);
    h.pressAll(collectTheSecond);
    QCOMPARE(state(h), QStringLiteral("|step 2|Arial 26|fonts 0|list |boxes 2|0 1"));
    QCOMPARE(h.editor.showings.size(), 1);
    // "Abbruch" kept font and size; "yes" practises the list in place of
    // the sentences.
    h.open(text);
    h.pressAll(collectTheSecond);
    QCOMPARE(state(h), QStringLiteral("Zwei.|step 2|Arial 26|fonts 0|list |boxes 4|1 1"));
    h.pressAll({Qt::Key_Home, Qt::Key_Home, Qt::Key_Insert});
    QCOMPARE(h.shown(), QStringLiteral("Zwei."));
    // The close box asks nothing, even with pieces collected; the window
    // starts with Verdana 24 whether the owner opens it again or anew.
    QSignalSpy discarded(h.window.get(), &trainer::TrainerWindow::discarded);
    QVERIFY(h.window->close());
    QCOMPARE(discarded.count(), 1);
    QCOMPARE(h.editor.showings.size(), 2);
    for (bool recreate : {false, true}) {
        if (recreate)
            h.recreate();
        h.open(text);
        h.press(Qt::Key_Escape);
        QCOMPARE(state(h), QStringLiteral("|step 1|Verdana 24|fonts 0|list |boxes 5|0 1"));
    }
    QVERIFY(h.scripted.verifyAllAnswered());
}

void TrainerTest::readsAloudWhatIsShown_data()
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

void TrainerTest::readsAloudWhatIsShown()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QList<int>, keys);
    QFETCH(QString, spoken);
    QFETCH(int, heardStart);
    QFETCH(QString, mark);

    TrainerHarness h(kind);
    testsupport::FakeSpeechEngine voice;
    h.window->setSpeech(&voice);
    h.open(kText);
    h.pressAll(keys);
    const std::vector<textcore::Colour> colours = h.readingField()->coloursOfAllPositions();

    // The space bar speaks and marks the word being heard over its colours.
    h.press(Qt::Key_Space);
    QCOMPARE(voice.requests.size(), 1);
    QCOMPARE(QString::fromStdU16String(voice.requests[0].text), spoken);
    QCOMPARE(voice.requests[0].phonemes, spoken.startsWith(QStringLiteral("[[")));
    voice.hear(heardStart, 2);
    QCOMPARE(marked(h.readingField()), mark);
    QCOMPARE(h.readingField()->coloursOfAllPositions(), colours);
    QCOMPARE(h.window->focusWidget(), h.keyField());
    // A second press stops, and the mark goes with the voice.
    h.press(Qt::Key_Space);
    QCOMPARE(voice.stops, 1);
    QVERIFY(h.readingField()->extraSelections().isEmpty());

    // "Vorlesen" speaks like the key. No sound device: one German message,
    // and the trainer goes on.
    h.trigger("menu13");
    h.scripted.queueAnswer(Answer::Ok);
    voice.fail(platform::SpeechFailure::NoAudioDevice);
    QVERIFY(h.scripted.verifyAllAnswered());
    QCOMPARE(h.scripted.lastCall().title, QStringLiteral("Vorlesen"));
    QVERIFY(h.scripted.lastCall().prompt.startsWith(QStringLiteral("Es wurde kein Lautsprecher")));
    QVERIFY(!h.window->readAloudControl()->isSpeaking());
    QVERIFY(h.readingField()->extraSelections().isEmpty());
}

QTEST_MAIN(TrainerTest)
#include "tst_trainer.moc"
