// The trainer windows as the learner drives them: their look and boxes (one
// golden file each), what every key and its menu entry do, leaving with an
// exercise list, the close box, reading aloud, and the full screen on a real
// window system. What the steps show and how they are coloured is
// textcore's; here only the wiring.
#include "platform/readaloud.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "support/doubles.h"
#include "support/widgetlookup.h"
#include "support/windowdump.h"
#include "textcore/soundcolouring.h"
#include "textcore/trainercolouring.h"
#include "trainer/trainerwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>

using platform::Answer;
using testsupport::child;
using trainer::TrainerKind;

Q_DECLARE_METATYPE(TrainerKind)

namespace {

// One trainer window with everything it reads injected: a working text
// field standing in for the editor's, recorded requests, scripted boxes.
struct TrainerHarness {
    explicit TrainerHarness(trainer::TrainerKind trainerKind) : kind(trainerKind)
    {
        shared.workingText().attach(workingField);
        shared.setRequests(&editor);
        recreate();
    }
    // The program object's answer to discarded(): a fresh window.
    void recreate()
    {
        window.reset();
        window = std::make_unique<trainer::TrainerWindow>(kind, shared, scripted, timers);
    }
    // The editor hands over `text` with the sentence list it builds from it.
    void open(const QString &text)
    {
        workingField.setText(text);
        shared.workingText().buildSentenceList();
        window->open();
    }
    void press(const QList<int> &keys)
    {
        for (int key : keys)
            QTest::keyClick(keyField(), Qt::Key(key));
    }
    void trigger(const char *menu) { child<QAction>(*window, menu)->trigger(); }

    QString shown() const { return readingField()->text(); }
    platform::RichTextField *readingField() const { return child<platform::RichTextField>(*window, "RichTextBox1"); }
    QLineEdit *keyField() const { return child<QLineEdit>(*window, "Text1"); }
    bool sounds() const { return kind == trainer::TrainerKind::Sounds; }
    QListWidget *fontList() const { return child<QListWidget>(*window, sounds() ? "List1" : "List4"); }
    QListWidget *exerciseList() const { return child<QListWidget>(*window, sounds() ? "List2" : "List5"); }

    trainer::TrainerKind kind;
    platform::RichTextField workingField;
    testsupport::RecordingRequests editor;
    testsupport::ScriptedDialogs scripted;
    testsupport::ManualTimers timers;
    session::Session shared{QString()};
    std::unique_ptr<trainer::TrainerWindow> window;
};

const QString kText = QStringLiteral("Ich le\u00ADse gern.\r\nDu auch?\r\n");

bool coversTheScreen(const TrainerHarness &h)
{
    return h.window->frameGeometry() == QGuiApplication::primaryScreen()->geometry()
        && h.window->windowState().testFlag(Qt::WindowFullScreen);
}

// Everything a key or menu entry can change, in one line.
QString state(const TrainerHarness &h)
{
    QStringList exercises;
    for (int row = 0; row < h.exerciseList()->count(); ++row)
        exercises << h.exerciseList()->item(row)->text();
    return QStringLiteral("%1|step %2|%3 %4|fonts %5|list %6|boxes %7|%8 %9")
        .arg(h.shown())
        .arg(int(h.window->trainer().CurrentStep()))
        .arg(h.readingField()->fieldFontName())
        .arg(h.readingField()->fieldFontSize())
        .arg(h.fontList()->isVisible())
        .arg(exercises.join('/'))
        .arg(h.scripted.calls().size())
        .arg(h.window->isVisible())
        .arg(h.window->isFullScreenView());
}

} // namespace

class TrainerTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDrawnWithItsBoxes_data();
    void looksAsDrawnWithItsBoxes();
    void keyAndMenuEntryDoTheSame_data();
    void keyAndMenuEntryDoTheSame();
    void leavingAndComingBack_data() { looksAsDrawnWithItsBoxes_data(); }
    void leavingAndComingBack();
    void readsAloudWhatIsShown();
    void monitorViewCoversThePanel();
};

void TrainerTest::looksAsDrawnWithItsBoxes_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::newRow("sounds") << TrainerKind::Sounds;
    QTest::newRow("syllables") << TrainerKind::Syllables;
}

void TrainerTest::looksAsDrawnWithItsBoxes()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    testsupport::FakeSpeechEngine voice; // a voice adds its menu entries
    h.window->setSpeech(&voice);
    h.shared.fonts().names = {"Zapf Chancery", "courier", "Bodoni"};
    h.open(kText);
    QTRY_VERIFY(coversTheScreen(h));
    QVERIFY(!h.window->windowIcon().isNull());

    // The window view has a size of its own; the font list shows its entries.
    h.press({Qt::Key_Control, Qt::Key_Delete});
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
    h.press({Qt::Key_Control, Qt::Key_Control});
    QTRY_VERIFY(coversTheScreen(h));

    // Key help, adding a piece, and the question on leaving with it.
    for (Answer answer : {Answer::Ok, Answer::Ok, Answer::Yes})
        h.scripted.queueAnswer(answer);
    h.press({Qt::Key_F1, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Escape});
    look += '\n' + testsupport::dialogTranscript(h.scripted.calls());
    if (h.sounds())
        KOLORAT_VERIFY_GOLDEN(look, "trainer-sounds");
    else
        KOLORAT_VERIFY_GOLDEN(look, "trainer-syllables");
}

void TrainerTest::keyAndMenuEntryDoTheSame_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("times");
    const std::tuple<int, const char *, int> rows[] = {
        {Qt::Key_Home, "menu6", 1},   {Qt::Key_End, "menu5", 3},     {Qt::Key_Up, "menu11", 3},
        {Qt::Key_Down, "menu4", 4},   {Qt::Key_Return, "menu12", 1}, {Qt::Key_Left, "menu8", 7},
        {Qt::Key_Right, "menu9", 25}, {Qt::Key_Delete, "menu10", 1}, {Qt::Key_Insert, "menu3", 2},
        {Qt::Key_F1, "menu7", 1},     {Qt::Key_Escape, "menu1", 1},  {Qt::Key_Control, "menu2a", 1},
    };
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables})
        for (const auto &[key, menu, times] : rows)
            QTest::addRow("%s %s", kind == TrainerKind::Sounds ? "sounds" : "syllables", menu)
                << kind << key << QString::fromLatin1(menu) << times;
}

void TrainerTest::keyAndMenuEntryDoTheSame()
{
    QFETCH(TrainerKind, kind);
    QFETCH(int, key);
    QFETCH(QString, menu);
    QFETCH(int, times);

    TrainerHarness byKey(kind);
    TrainerHarness byMenu(kind);
    for (TrainerHarness *h : {&byKey, &byMenu}) {
        // Distinct colours, so that a wrong rule shows.
        for (std::size_t i = 0; i < textcore::kSoundClassCount; ++i)
            h->shared.sound().colours.colours[i] = textcore::Colour(0x100000 * i + 0x11);
        h->shared.sound().specialGroupsText = u"ch,";
        h->shared.syllables().colours = {0x0000AA, 0x00BB00};
        h->open(kText);
        h->press({Qt::Key_Home}); // a piece on display, so that INS has something to collect
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
    if (!byKey.window->isVisible())
        return;
    QCOMPARE(byKey.window->focusWidget(), byKey.keyField());
    QCOMPARE(byKey.shown(), QString::fromStdU16String(byKey.window->trainer().DisplayText()));
    const session::SoundColourState &sound = byKey.shared.sound();
    const textcore::TrainerColouring colouring = textcore::ColourReadingText(
        kind, byKey.shown().toStdU16String(), sound.colours, textcore::ParseSpecialGroups(sound.specialGroupsText),
        byKey.shared.syllables().colours, byKey.shared.syllables().counting);
    QCOMPARE(byKey.readingField()->coloursOfAllPositions(), colouring.colours);
    QCOMPARE(byKey.readingField()->backColor(), sound.colours[textcore::SoundClass::Background]);
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
    h.press({Qt::Key_Insert, Qt::Key_Right});
    h.press(collectTheSecond);
    QCOMPARE(state(h), QStringLiteral("|step 2|Arial 26|fonts 0|list |boxes 2|0 1"));
    QCOMPARE(h.editor.showings.size(), 1);
    // "Abbruch" kept font and size; "yes" practises the list in place of
    // the sentences.
    h.open(text);
    h.press(collectTheSecond);
    QCOMPARE(state(h), QStringLiteral("Zwei.|step 2|Arial 26|fonts 0|list |boxes 4|1 1"));
    h.press({Qt::Key_Home, Qt::Key_Home, Qt::Key_Insert});
    QCOMPARE(h.shown(), QStringLiteral("Zwei."));
    // The close box asks nothing, even with pieces collected; the window
    // starts with Verdana 24 whether the owner opens it again or anew.
    QVERIFY(h.window->close());
    QCOMPARE(h.editor.showings.size(), 2);
    for (bool recreate : {false, true}) {
        if (recreate)
            h.recreate();
        h.open(text);
        h.press({Qt::Key_Escape});
        QCOMPARE(state(h), QStringLiteral("|step 1|Verdana 24|fonts 0|list |boxes 5|0 1"));
    }
    QVERIFY(h.scripted.verifyAllAnswered());
}

// Which piece each step speaks is textcore's; here a letter, which goes to
// the voice as its sound.
void TrainerTest::readsAloudWhatIsShown()
{
    TrainerHarness h(TrainerKind::Sounds);
    testsupport::FakeSpeechEngine voice;
    h.window->setSpeech(&voice);
    h.open(kText);
    h.press({Qt::Key_Down, Qt::Key_Down});
    const std::vector<textcore::Colour> colours = h.readingField()->coloursOfAllPositions();

    // The space bar speaks and marks the word being heard over its colours.
    h.press({Qt::Key_Space});
    QCOMPARE(voice.requests.size(), 1);
    QVERIFY(voice.requests[0].text == u"[[u:]]" && voice.requests[0].phonemes);
    voice.hear(0, 2);
    const QList<QTextEdit::ExtraSelection> marks = h.readingField()->extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].cursor.selectedText(), QStringLiteral("u"));
    QCOMPARE(h.readingField()->coloursOfAllPositions(), colours);
    QCOMPARE(h.window->focusWidget(), h.keyField());
    // A second press stops, and the mark goes with the voice.
    h.press({Qt::Key_Space});
    QCOMPARE(voice.stops, 1);
    QVERIFY(h.readingField()->extraSelections().isEmpty());

    // "Vorlesen" speaks like the key. No sound device: one German message,
    // and the trainer goes on.
    h.trigger("menu13");
    h.scripted.queueAnswer(Answer::Ok);
    voice.fail(platform::SpeechFailure::NoAudioDevice);
    QVERIFY(h.scripted.verifyAllAnswered());
    QVERIFY(h.scripted.lastCall().title == QLatin1String("Vorlesen")
            && h.scripted.lastCall().prompt.startsWith(QStringLiteral("Es wurde kein Lautsprecher")));
    QVERIFY(!h.window->readAloudControl()->isSpeaking());
}

// "Monitor" must hide a panel-like window along the top of the screen,
// which only a real window system shows: run under xvfb-run.
void TrainerTest::monitorViewCoversThePanel()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: only a window system shows what covers what");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect panelPlace(screen.topLeft(), QSize(screen.width(), 40));
    const auto shownAtPanel = [&panelPlace] {
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage().pixelColor(panelPlace.center());
    };
    QWidget panel(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    panel.setGeometry(panelPlace);
    panel.setStyleSheet(QStringLiteral("background: #ff00ff"));
    panel.show();
    QTRY_COMPARE(shownAtPanel(), QColor(255, 0, 255));

    TrainerHarness h(TrainerKind::Sounds);
    h.open(QStringLiteral("Ich lese."));
    QTRY_VERIFY(coversTheScreen(h));
    QTRY_VERIFY(shownAtPanel() != QColor(255, 0, 255));
}

QTEST_MAIN(TrainerTest)
#include "tst_trainer.moc"
