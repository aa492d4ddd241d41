// What the trainers show and how they colour it, driven by key presses on
// the key field of the real windows.
#include "trainer/support/trainerharness.h"

#include "textcore/colour.h"
#include "textcore/soundcolours.h"

#include <QFile>
#include <QTest>

using testsupport::TrainerHarness;
using textcore::Colour;
using textcore::ReadingStep;
using textcore::SoundClass;
using trainer::TrainerKind;

Q_DECLARE_METATYPE(TrainerKind)

namespace {

const QChar kSoft(0x00AD);

QString dataText(const QString &name)
{
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/trainer/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return QString::fromUtf8(file.readAll());
}

// Distinct colours for every sound class, so a wrong class shows.
void distinctSoundColours(session::SoundColourState &state)
{
    state.colours[SoundClass::SpecialGroups] = 0x000011;
    state.colours[SoundClass::Background] = 0x101010;
    state.colours[SoundClass::Consonants] = 0x000022;
    state.colours[SoundClass::Vowels] = 0x000033;
    state.colours[SoundClass::Umlauts] = 0x000044;
    state.colours[SoundClass::Capitals] = 0x000055;
    state.colours[SoundClass::Punctuation] = 0x000066;
    state.colours[SoundClass::DoubleConsonants] = 0x000077;
}

// One letter per position: S special groups, K consonant, V vowel, U umlaut,
// C capital, P punctuation, D double; 1 and 2 the syllable colours.
std::vector<Colour> coloursFromMask(const QString &mask, const TrainerHarness &h)
{
    std::vector<Colour> out;
    const auto &c = h.sounds.colours;
    for (QChar m : mask) {
        switch (m.toLatin1()) {
        case 'S': out.push_back(c[SoundClass::SpecialGroups]); break;
        case 'K': out.push_back(c[SoundClass::Consonants]); break;
        case 'V': out.push_back(c[SoundClass::Vowels]); break;
        case 'U': out.push_back(c[SoundClass::Umlauts]); break;
        case 'C': out.push_back(c[SoundClass::Capitals]); break;
        case 'P': out.push_back(c[SoundClass::Punctuation]); break;
        case 'D': out.push_back(c[SoundClass::DoubleConsonants]); break;
        case '1': out.push_back(h.syllables.colours.first); break;
        case '2': out.push_back(h.syllables.colours.second); break;
        default: qFatal("bad mask letter");
        }
    }
    return out;
}

QString soft(QString text)
{
    return text.replace(QLatin1Char('^'), kSoft);
}

} // namespace

class TrainerSteps : public QObject {
    Q_OBJECT

private slots:
    void stepsShowPieces_data();
    void stepsShowPieces();
    void menuEntryDoesWhatItsKeyDoes_data();
    void menuEntryDoesWhatItsKeyDoes();
    void keysReachTheWindowFromEveryControl_data();
    void keysReachTheWindowFromEveryControl();
    void otherKeysDoNothing_data();
    void otherKeysDoNothing();
    void stepColours_data();
    void stepColours();
    void coloursFollowTheHolders_data();
    void coloursFollowTheHolders();
    void activationSetsTheSharedBackground_data();
    void activationSetsTheSharedBackground();
};

void TrainerSteps::stepsShowPieces_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("expected"); // the field's text after each key

    const QString two = dataText(QStringLiteral("zwei-saetze.txt"));
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables}) {
        const char *k = kind == TrainerKind::Sounds ? "sounds: " : "syllables: ";
        auto row = [&](const char *name) { return &QTest::newRow(qPrintable(QString::fromLatin1(k) + name)); };
        *row("sentence steps wrap") << kind << two << QList<int>{Qt::Key_Home, Qt::Key_Home, Qt::Key_Home}
                                    << QStringList{"Ich lese.", "Du liest.", "Ich lese."};
        *row("first word steps read the last sentence")
            << kind << two << QList<int>{Qt::Key_End, Qt::Key_End, Qt::Key_End, Qt::Key_End}
            << QStringList{"Du ", "Du liest. ", "Ich ", "Ich lese. "};
        *row("syllable steps end pieces at blanks and soft hyphens")
            << kind << soft("Wir le^sen.") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}
            << QStringList{"Wir ", soft("Wir le^"), soft("Wir le^sen. "), "Wir "};
        *row("letter steps take a blank with the next letter")
            << kind << QStringLiteral("Ef\r\nAb cd\r\n")
            << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}
            << QStringList{"A", "Ab", "Ab c", "Ab cd", "E"};
        *row("two blanks give a step that adds one blank")
            << kind << QStringLiteral("Ich  lese.") << QList<int>{Qt::Key_End, Qt::Key_End, Qt::Key_End}
            << QStringList{"Ich ", "Ich  ", "Ich  lese. "};
        *row("text step shows line breaks and the unfinished end")
            << kind << QStringLiteral("Eins.\r\nZwei und") << QList<int>{Qt::Key_Home, Qt::Key_Return}
            << QStringList{"Eins.", "Eins.\r\nZwei und"};
        *row("word step after a sentence step reads the sentence on display")
            << kind << QStringLiteral("A b. C d. E f.")
            << QList<int>{Qt::Key_Home, Qt::Key_End, Qt::Key_End, Qt::Key_Home}
            << QStringList{"A b.", "A ", "A b. ", "E f."};
        *row("no sentence at all: the steps show nothing")
            << kind << QStringLiteral("ohne Ende")
            << QList<int>{Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return}
            << QStringList{"", "", "", "", "ohne Ende"};
    }
    // Letter steps entered from another step: the sound trainer goes on from
    // the letter position it had, the syllable trainer starts again.
    const QList<int> keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Home, Qt::Key_Down};
    QTest::newRow("sounds: letter step keeps its position")
        << TrainerKind::Sounds << QStringLiteral("Abc. Def.") << keys << QStringList{"D", "De", "Abc.", "Abc"};
    QTest::newRow("syllables: letter step starts again")
        << TrainerKind::Syllables << QStringLiteral("Abc. Def.") << keys << QStringList{"D", "De", "Abc.", "A"};
}

void TrainerSteps::stepsShowPieces()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QString, text);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, expected);

    TrainerHarness h(kind);
    h.open(text);
    QCOMPARE(h.shown(), text);
    QStringList seen;
    for (int key : keys) {
        h.press(Qt::Key(key));
        seen << h.shown();
        QCOMPARE(h.window->focusWidget(), h.keyField());
    }
    QCOMPARE(seen, expected);
    QVERIFY(h.scripted.calls().isEmpty());
}

namespace {

// Everything a key or menu entry can change.
struct Snapshot {
    QString shown;
    std::vector<Colour> colours;
    ReadingStep step;
    QString fontName;
    double fontSize;
    bool fontListShown;
    QRect geometry;
    QStringList exercises;
    int boxes;
    bool visible;

    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const TrainerHarness &h)
{
    Snapshot s{h.shown(),
               h.readingField()->coloursOfAllPositions(),
               h.window->trainer().CurrentStep(),
               h.readingField()->fieldFontName(),
               h.readingField()->fieldFontSize(),
               !h.fontList()->isHidden(),
               h.window->geometry(),
               {},
               int(h.scripted.calls().size()),
               h.window->isVisible()};
    for (const auto &e : h.window->trainer().ExerciseList())
        s.exercises << QString::fromStdU16String(e);
    return s;
}

char *toString(const Snapshot &s)
{
    return qstrdup(qPrintable(QStringLiteral("shown '%1' step %2 font %3 %4 list %5 exercises %6 boxes %7 visible %8")
                                  .arg(s.shown)
                                  .arg(int(s.step))
                                  .arg(s.fontName)
                                  .arg(s.fontSize)
                                  .arg(s.fontListShown)
                                  .arg(s.exercises.join('|'))
                                  .arg(s.boxes)
                                  .arg(s.visible)));
}

} // namespace

void TrainerSteps::menuEntryDoesWhatItsKeyDoes_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("times");

    const struct {
        int key;
        const char *menu;
        int times;
    } entries[] = {
        {Qt::Key_Escape, "menu1", 1},  {Qt::Key_Insert, "menu3", 2}, {Qt::Key_Down, "menu4", 4},
        {Qt::Key_Up, "menu11", 3},     {Qt::Key_End, "menu5", 3},    {Qt::Key_Home, "menu6", 2},
        {Qt::Key_Return, "menu12", 1}, {Qt::Key_Left, "menu8", 7},   {Qt::Key_Right, "menu9", 25},
        {Qt::Key_Delete, "menu10", 1}, {Qt::Key_F1, "menu7", 1},
    };
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables})
        for (const auto &e : entries)
            QTest::addRow("%s %s", kind == TrainerKind::Sounds ? "sounds" : "syllables", e.menu)
                << kind << e.key << QString::fromLatin1(e.menu) << e.times;
}

void TrainerSteps::menuEntryDoesWhatItsKeyDoes()
{
    QFETCH(TrainerKind, kind);
    QFETCH(int, key);
    QFETCH(QString, menu);
    QFETCH(int, times);

    const QString text = soft(QStringLiteral("Wir le^sen gern. Du auch?\r\nJa."));
    TrainerHarness byKey(kind);
    TrainerHarness byMenu(kind);
    for (TrainerHarness *h : {&byKey, &byMenu}) {
        distinctSoundColours(h->sounds);
        h->open(text);
        // A piece on display, so that INS has something to collect.
        h->press(Qt::Key_Home);
        for (int i = 0; i < 3; ++i)
            h->scripted.queueAnswer(platform::Answer::Ok);
    }
    const Snapshot before = snapshot(byKey);
    for (int i = 0; i < times; ++i) {
        byKey.press(Qt::Key(key));
        byMenu.trigger(menu);
    }
    const Snapshot viaKey = snapshot(byKey);
    QVERIFY2(!(viaKey == before), "the key changed nothing");
    QCOMPARE(snapshot(byMenu), viaKey);
    if (byKey.window->isVisible())
        QCOMPARE(byMenu.window->focusWidget(), byMenu.keyField());
}

void TrainerSteps::keysReachTheWindowFromEveryControl_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::newRow("sounds: key field") << TrainerKind::Sounds << "Text1";
    QTest::newRow("sounds: reading field") << TrainerKind::Sounds << "RichTextBox1";
    QTest::newRow("sounds: font list") << TrainerKind::Sounds << "List1";
    QTest::newRow("sounds: exercise list") << TrainerKind::Sounds << "List2";
    QTest::newRow("sounds: window") << TrainerKind::Sounds << "Form1";
    QTest::newRow("syllables: reading field") << TrainerKind::Syllables << "RichTextBox1";
    QTest::newRow("syllables: font list") << TrainerKind::Syllables << "List4";
    QTest::newRow("syllables: exercise list") << TrainerKind::Syllables << "List5";
    QTest::newRow("syllables: window") << TrainerKind::Syllables << "Form4";
}

void TrainerSteps::keysReachTheWindowFromEveryControl()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QString, control);
    TrainerHarness h(kind);
    h.open(QStringLiteral("Ich lese. Du liest."));
    QWidget *target = h.window->objectName() == control ? h.window.get() : h.window->findChild<QWidget *>(control);
    QVERIFY(target);
    // Arrows, END and HOME would move a caret or a list's current row; here
    // they step, wherever the learner clicked.
    QTest::keyClick(target, Qt::Key_End);
    QCOMPARE(h.shown(), QStringLiteral("Du "));
    QTest::keyClick(target, Qt::Key_Down);
    QCOMPARE(h.shown(), QStringLiteral("I"));
    QTest::keyClick(target, Qt::Key_Right);
    QCOMPARE(h.readingField()->fieldFontSize(), 26.0);
    QCOMPARE(h.window->focusWidget(), h.keyField());
}

void TrainerSteps::otherKeysDoNothing_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<int>("key");
    const int keys[]
        = {Qt::Key_A,  Qt::Key_Space, Qt::Key_Tab,   Qt::Key_Backspace, Qt::Key_PageUp,    Qt::Key_PageDown,
           Qt::Key_F2, Qt::Key_5,     Qt::Key_Shift, Qt::Key_Alt,       Qt::Key_Adiaeresis};
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables})
        for (int key : keys)
            QTest::addRow("%s key 0x%x", kind == TrainerKind::Sounds ? "sounds" : "syllables", key) << kind << key;
}

void TrainerSteps::otherKeysDoNothing()
{
    QFETCH(TrainerKind, kind);
    QFETCH(int, key);
    TrainerHarness h(kind);
    h.open(QStringLiteral("Ich lese. Du liest."));
    h.press(Qt::Key_End);
    const Snapshot before = snapshot(h);
    QTest::keyClick(h.keyField(), Qt::Key(key));
    QTest::keyClick(h.readingField(), Qt::Key(key));
    QCOMPARE(snapshot(h), before);
    QCOMPARE(h.keyField()->text(), QString());
}

void TrainerSteps::stepColours_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<textcore::SyllableCounting>("counting");
    QTest::addColumn<QString>("specialGroups");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("mask");

    const auto alternating = textcore::SyllableCounting::AllSyllablesAlternating;
    const auto multi = textcore::SyllableCounting::MultiSyllableWords;
    QTest::newRow("sounds: classes, groups, blanks take the group colour")
        << TrainerKind::Sounds << alternating << QStringLiteral("ch,") << QStringLiteral("Ich lese.")
        << QList<int>{Qt::Key_Home} << QStringLiteral("Ich lese.") << QStringLiteral("CSSSKVKVP");
    QTest::newRow("sounds: apostrophe is punctuation, digits take the group colour")
        << TrainerKind::Sounds << alternating << QString() << QStringLiteral("Tim's 2 Äpfel.")
        << QList<int>{Qt::Key_Home} << QStringLiteral("Tim's 2 Äpfel.") << QStringLiteral("CVKPKSSSCKKVKP");
    QTest::newRow("sounds: groups coloured in the word step too")
        << TrainerKind::Sounds << alternating << QStringLiteral("ie,") << QStringLiteral("Du liest.")
        << QList<int>{Qt::Key_End, Qt::Key_End} << QStringLiteral("Du liest. ") << QStringLiteral("CVSKSSKKPS");
    QTest::newRow("sounds: a pair at the very end is not yet doubled")
        << TrainerKind::Sounds << alternating << QString() << QStringLiteral("Will.")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << QStringLiteral("Will")
        << QStringLiteral("CVKK");
    QTest::newRow("sounds: the pair is doubled once one more letter shows")
        << TrainerKind::Sounds << alternating << QString() << QStringLiteral("Will.")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << QStringLiteral("Will.")
        << QStringLiteral("CVDDP");
    QTest::newRow("syllables: all syllables alternating")
        << TrainerKind::Syllables << alternating << QString() << soft("Wir le^sen.") << QList<int>{Qt::Key_Home}
        << soft("Wir le^sen.") << QStringLiteral("11122211111");
    QTest::newRow("syllables: multi-syllable words")
        << TrainerKind::Syllables << multi << QString() << soft("Wir le^sen.") << QList<int>{Qt::Key_Home}
        << soft("Wir le^sen.") << QStringLiteral("11111122222");
    QTest::newRow("syllables: syllable step")
        << TrainerKind::Syllables << alternating << QString() << soft("Wir le^sen.")
        << QList<int>{Qt::Key_Up, Qt::Key_Up} << soft("Wir le^") << QStringLiteral("1112221");
}

void TrainerSteps::stepColours()
{
    QFETCH(TrainerKind, kind);
    QFETCH(textcore::SyllableCounting, counting);
    QFETCH(QString, specialGroups);
    QFETCH(QString, text);
    QFETCH(QList<int>, keys);
    QFETCH(QString, shown);
    QFETCH(QString, mask);

    TrainerHarness h(kind);
    distinctSoundColours(h.sounds);
    h.sounds.specialGroupsText = specialGroups.toStdU16String();
    h.syllables.colours = {0x0000AA, 0x00BB00};
    h.syllables.counting = counting;
    h.open(text);
    h.pressAll(keys);
    QCOMPARE(h.shown(), shown);
    const std::vector<Colour> expected = coloursFromMask(mask, h);
    QCOMPARE(h.readingField()->coloursOfAllPositions(), expected);
    QCOMPARE(h.readingField()->backColor(), h.sounds.colours[SoundClass::Background]);

    // A new font size colours the display again, with the same result and
    // the caret where the learner put it.
    h.readingField()->setSelStart(2);
    h.press(Qt::Key_Right);
    QCOMPARE(h.readingField()->fieldFontSize(), 26.0);
    QCOMPARE(h.readingField()->coloursOfAllPositions(), expected);
    QCOMPARE(h.readingField()->selStart(), 2);
    QCOMPARE(h.readingField()->selLength(), 0);
}

void TrainerSteps::coloursFollowTheHolders_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::newRow("sounds") << TrainerKind::Sounds;
    QTest::newRow("syllables") << TrainerKind::Syllables;
}

void TrainerSteps::coloursFollowTheHolders()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(QStringLiteral("Oma. Opa."));
    h.press(Qt::Key_Home);
    // A colour window changes the colours while the trainer is open; the
    // next step shows them.
    h.sounds.colours[SoundClass::Capitals] = 0x123456;
    h.sounds.colours[SoundClass::Vowels] = 0x123456;
    h.sounds.colours[SoundClass::Consonants] = 0x123456;
    h.sounds.colours[SoundClass::Punctuation] = 0x123456;
    h.syllables.colours.first = 0x123456;
    h.press(Qt::Key_Home);
    QCOMPARE(h.shown(), QStringLiteral("Opa."));
    QCOMPARE(h.readingField()->coloursOfAllPositions(), std::vector<Colour>(4, 0x123456));
}

void TrainerSteps::activationSetsTheSharedBackground_data()
{
    coloursFollowTheHolders_data();
}

void TrainerSteps::activationSetsTheSharedBackground()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.sounds.colours[SoundClass::Background] = 0xC0FFEE;
    h.open(QStringLiteral("Hallo."));
    QCOMPARE(h.readingField()->backColor(), Colour(0xC0FFEE));
    // The next opening takes the background as it is then.
    h.press(Qt::Key_Escape);
    h.sounds.colours[SoundClass::Background] = 0xFFFFC0;
    h.open(QStringLiteral("Hallo."));
    QCOMPARE(h.readingField()->backColor(), Colour(0xFFFFC0));
}

QTEST_MAIN(TrainerSteps)
#include "tst_trainersteps.moc"
