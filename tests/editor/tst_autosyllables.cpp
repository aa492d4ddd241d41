// Syllable marks set automatically in the real editor, and the teacher's
// exception list remembered from the menu.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "editor/welcometext.h"
#include "platform/richtextfield.h"
#include "support/scripteddialogs.h"
#include "syllabify/syllabifier.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

using platform::Answer;
using textcore::Colour;

namespace {

const Colour kBlue = textcore::rgb(0, 0, 255);
const Colour kLetter = textcore::rgb(10, 100, 200);
const Colour kOther = textcore::rgb(200, 30, 90);
const QString kListName = QStringLiteral("KOLORAT-SILBEN.TXT");

QString withoutMarks(const QString &text)
{
    QString out;
    for (QChar c : text)
        if (!isSeparatorMark(c))
            out += c;
    return out;
}

// Every mark of `text` as `mark`.
QString withMarks(QString text, QChar mark)
{
    for (QChar &c : text)
        if (isSeparatorMark(c))
            c = mark;
    return text;
}

// Words of `text` that hold `mark`, words being runs between blanks, line
// breaks and punctuation.
int wordsHolding(const QString &text, QChar mark)
{
    int count = 0;
    for (const QString &word : text.split(QRegularExpression(QStringLiteral("[\\s.,!?]+")), Qt::SkipEmptyParts))
        if (word.contains(mark))
            ++count;
    return count;
}

QAction *entry(EditorHarness &h, const char *name)
{
    return h.window().findChild<QAction *>(QString::fromLatin1(name));
}

// Loads `text` from a file, which leaves the change flag cleared.
void loadText(EditorHarness &h, const QString &text)
{
    h.writeFile(QStringLiteral("TEXT.TXT"), text.toUtf8());
    h.window().refreshFileList();
    if (h.window().isTextChanged())
        h.dialogs.queueAnswer(Answer::No);
    QVERIFY(h.clickFile(QStringLiteral("TEXT.TXT")));
    QCOMPARE(h.field().text(), text);
    QVERIFY(!h.window().isTextChanged());
    h.dialogs.clear();
}

// Visible marks in `separator`; the text may have none to show yet.
void showSeparators(EditorHarness &h, const QString &separator)
{
    h.window().chooseSeparator(separator);
    h.dialogs.queueAnswer(Answer::Ok);
    h.window().toggleSeparators();
    QVERIFY(h.window().separatorsVisible());
    h.dialogs.clear();
}

void markAutomatically(EditorHarness &h)
{
    entry(h, "autoSyllablesEntry")->trigger();
}

// Alternating letter colours and bold, in two fonts: marking may add marks
// but must not touch any of this.
void putFormattedText(EditorHarness &h, const QString &text)
{
    platform::StyledText runs;
    for (int i = 0; i < text.size(); ++i) {
        platform::CharFormat format;
        format.colour = i % 2 ? kLetter : kOther;
        format.bold = i % 3 == 0;
        format.italic = i % 5 == 0;
        format.fontName = i < text.size() / 2 ? QStringLiteral("Verdana") : QStringLiteral("Arial");
        format.pointSize = i % 2 ? 16 : 20;
        runs.push_back({text.mid(i, 1), format});
    }
    h.field().setStyledText(runs);
}

QString expectedInfo(int words)
{
    if (words == 0)
        return QStringLiteral("Es wurde kein Wort getrennt: Alle Wörter tragen schon Trennzeichen oder haben nur "
                              "eine Silbe.");
    if (words == 1)
        return QStringLiteral("Silben automatisch gesetzt: 1 Wort wurde getrennt.");
    return QStringLiteral("Silben automatisch gesetzt: %1 Wörter wurden getrennt.").arg(words);
}

} // namespace

class TestAutoSyllables : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void menuEntriesFollowReplace();
    void welcomeTextComesBackAsMarked_data();
    void welcomeTextComesBackAsMarked();
    void formattingOfEveryOtherCharacterIsKept();
    void wordsTheTeacherMarkedStayAsTheyAre_data();
    void wordsTheTeacherMarkedStayAsTheyAre();
    void exceptionListComesBeforeTheRules();
    void unreadableExceptionListStopsMarking();
    void selectionMarksOnlyItsWords_data();
    void selectionMarksOnlyItsWords();
    void missingPatternsAreReported();
    void rememberingAnException_data();
    void rememberingAnException();
    void rememberedWordIsUsedNextTime();
    void failedWriteKeepsTheOldList();

private:
    std::shared_ptr<syllabify::Syllabifier> m_syllabifier;
    std::unique_ptr<EditorHarness> h;
};

void TestAutoSyllables::initTestCase()
{
    // Loading the patterns takes seconds; every window of this test shares them.
    m_syllabifier = std::make_shared<syllabify::Syllabifier>();
    QVERIFY2(m_syllabifier->isReady(), qPrintable(QString::fromStdU16String(m_syllabifier->errorMessage())));
}

void TestAutoSyllables::init()
{
    h = std::make_unique<EditorHarness>();
    h->start(true);
    h->window().setSyllabifier(m_syllabifier);
    h->window().show();
    h->dialogs.clear();
}

void TestAutoSyllables::menuEntriesFollowReplace()
{
    const QList<QAction *> actions = h->window().findChild<QMenu *>(QStringLiteral("separatorMenu"))->actions();
    QStringList texts;
    for (QAction *a : actions)
        texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
    const QStringList tail{QStringLiteral("Ersetzen"), QStringLiteral("|"), QStringLiteral("Silben automatisch setzen"),
                           QStringLiteral("Als Ausnahme merken")};
    QCOMPARE(texts.mid(texts.size() - tail.size()), tail);
    QVERIFY(entry(*h, "autoSyllablesEntry")->isEnabled());
    QVERIFY(entry(*h, "rememberExceptionEntry")->isEnabled());
}

void TestAutoSyllables::welcomeTextComesBackAsMarked_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<Colour>("colour");

    QTest::newRow("hidden: soft hyphens") << "hidden" << softHyphen() << textcore::kRed;
    QTest::newRow("visible -") << "-"
                               << "-" << textcore::kRed;
    QTest::newRow("visible ~ in blue") << "~"
                                       << "~" << kBlue;
    QTest::newRow("visible, blank separator stands for -") << ""
                                                           << "-" << textcore::kRed;
}

void TestAutoSyllables::welcomeTextComesBackAsMarked()
{
    QFETCH(QString, form);
    QFETCH(QString, mark);
    QFETCH(Colour, colour);

    const QString welcome = editor::welcomeText();
    const QString bare = withoutMarks(welcome);
    loadText(*h, bare);
    if (colour == kBlue)
        entry(*h, "colourBlueEntry")->trigger();
    if (form != QLatin1String("hidden"))
        showSeparators(*h, form);
    QVERIFY(!h->window().isTextChanged());
    markAutomatically(*h);
    // The welcome text splits "sch" once, which no teacher does.
    QString expected = withMarks(welcome, mark.at(0));
    const QString typo = QStringLiteral("Zwi%1sch%1en").arg(mark);
    QVERIFY(expected.contains(typo));
    expected.replace(typo, QStringLiteral("Zwi%1schen").arg(mark));

    QCOMPARE(h->field().text(), expected);
    QCOMPARE(h->window().infoText(), expectedInfo(wordsHolding(expected, mark.at(0))));
    QVERIFY(h->window().isTextChanged());
    const std::vector<Colour> colours = h->field().coloursOfAllPositions();
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(colours[std::size_t(i)], expected[i] == mark.at(0) ? colour : textcore::kBlack);

    // One undo step takes every mark back.
    h->field().document()->undo();
    QCOMPARE(h->field().text(), bare);

    // Marking a text whose words all carry their marks changes nothing.
    h->field().document()->redo();
    QCOMPARE(h->field().text(), expected);
    h->window().setSyllablesAutomatically();
    QCOMPARE(h->field().text(), expected);
    QCOMPARE(h->window().infoText(), expectedInfo(0));
    QVERIFY(h->dialogs.verifyAllAnswered());
}

void TestAutoSyllables::formattingOfEveryOtherCharacterIsKept()
{
    const QString original = QStringLiteral("Ein Apfel,\r\nein Zucker und 3 Fenster.");
    putFormattedText(*h, original);
    const std::vector<platform::CharFormat> before = formatsPerPosition(h->field());
    h->window().setSyllablesAutomatically();

    const QString text = h->field().text();
    QCOMPARE(text, QStringLiteral("Ein Ap%1fel,\r\nein Zu%1cker und 3 Fens%1ter.").arg(softHyphen()));
    const std::vector<platform::CharFormat> after = formatsPerPosition(h->field());
    int o = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(0x00AD)) {
            // A new mark: separator colour, the font and style of the letter before it.
            platform::CharFormat expected = before[std::size_t(o - 1)];
            expected.colour = textcore::kRed;
            QCOMPARE(after[std::size_t(i)], expected);
            continue;
        }
        QCOMPARE(text[i], original[o]);
        QCOMPARE(after[std::size_t(i)], before[std::size_t(o)]);
        ++o;
    }
    QCOMPARE(o, original.size());
    QCOMPARE(h->window().infoText(), expectedInfo(3));
}

void TestAutoSyllables::wordsTheTeacherMarkedStayAsTheyAre_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("words");

    QTest::newRow("any of the five marks keeps the word") << "Zu=cker Katze Fens~ter Ap/fel Stra\u00ADße Abend"
                                                          << "Zu=cker Kat-ze Fens~ter Ap/fel Stra\u00ADße A-bend" << 2;
    QTest::newRow("a mark at the word's edge counts as well") << "Lehrer/-innen Ko- Katze"
                                                              << "Lehrer/-innen Ko- Kat-ze" << 1;
    QTest::newRow("capitals, digits and one syllable stay") << "ABC A4 3D Haus Sonne"
                                                            << "ABC A4 3D Haus Son-ne" << 1;
    QTest::newRow("nothing to do") << "Zu-cker, Haus."
                                   << "Zu-cker, Haus." << 0;
}

void TestAutoSyllables::wordsTheTeacherMarkedStayAsTheyAre()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, words);
    showSeparators(*h, QStringLiteral("-"));
    h->setText(text);
    h->window().setSyllablesAutomatically();
    QCOMPARE(h->field().text(), expected);
    QCOMPARE(h->window().infoText(), expectedInfo(words));
    QCOMPARE(h->dialogs.calls().size(), 0);
}

void TestAutoSyllables::exceptionListComesBeforeTheRules()
{
    const QString text = QStringLiteral("Das Holzauto und das HOLZAUTO, holzauto.");
    showSeparators(*h, QStringLiteral("="));
    h->setText(text);
    // The rules split this compound the way its letters suggest.
    h->window().setSyllablesAutomatically();
    const QString byRules = h->field().text();
    QVERIFY(!byRules.contains(QStringLiteral("Holz=au=to")));

    // The list wins, in any case, and keeps the case of the text.
    h->writeFile(QStringLiteral("kolorat-silben.txt"), "Zu-cker\r\nholz-au-to\r\n");
    h->setText(text);
    h->window().setSyllablesAutomatically();
    QCOMPARE(h->field().text(), QStringLiteral("Das Holz=au=to und das HOLZAUTO, holz=au=to."));
    QCOMPARE(h->window().infoText(), expectedInfo(2));

    // Lines that are no marked word are named in the info field, the rest counts.
    h->writeFile(QStringLiteral("kolorat-silben.txt"), "Holz au to\r\nholz-au-to\r\nHaus\r\n");
    h->setText(text);
    h->window().setSyllablesAutomatically();
    QCOMPARE(h->field().text(), QStringLiteral("Das Holz=au=to und das HOLZAUTO, holz=au=to."));
    QVERIFY2(h->window().infoText().startsWith(expectedInfo(2)
                                               + QStringLiteral("\rNicht verwendet aus der "
                                                                "Ausnahmeliste: Zeile 1")),
             qPrintable(h->window().infoText()));
    QVERIFY(h->window().infoText().endsWith(QStringLiteral("(und 1 weitere Zeilen)")));
    QCOMPARE(h->dialogs.calls().size(), 0);
}

void TestAutoSyllables::unreadableExceptionListStopsMarking()
{
    // A folder where the list belongs cannot be read as a list.
    QVERIFY(QDir(h->folder()).mkdir(kListName));
    h->setText(QStringLiteral("Katze"));
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().setSyllablesAutomatically();
    QCOMPARE(h->field().text(), QStringLiteral("Katze"));
    QCOMPARE(h->dialogs.calls().size(), 1);
    QVERIFY(h->dialogs.lastCall().prompt.contains(QStringLiteral("kann nicht gelesen werden")));
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Trennzeichen"));
}

void TestAutoSyllables::selectionMarksOnlyItsWords_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("words");

    // "Apfel Katze Zucker\r\nFenster Abend"
    QTest::newRow("whole words") << 6 << 12 << "Apfel Kat-ze Zu-cker\r\nFenster Abend" << 2;
    QTest::newRow("a word cut at either edge counts whole") << 8 << 6 << "Apfel Kat-ze Zu-cker\r\nFenster Abend" << 2;
    QTest::newRow("inside one word") << 1 << 2 << "Ap-fel Katze Zucker\r\nFenster Abend" << 1;
    QTest::newRow("across the line break") << 16 << 6 << "Apfel Katze Zu-cker\r\nFens-ter Abend" << 2;
    QTest::newRow("blanks only") << 5 << 1 << "Apfel Katze Zucker\r\nFenster Abend" << 0;
    QTest::newRow("to the very end") << 28 << 5 << "Apfel Katze Zucker\r\nFenster A-bend" << 1;
}

void TestAutoSyllables::selectionMarksOnlyItsWords()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, words);
    showSeparators(*h, QStringLiteral("-"));
    h->setText(QStringLiteral("Apfel Katze Zucker\r\nFenster Abend"));
    h->field().setSel(start, length);
    h->window().setSyllablesAutomatically();
    QCOMPARE(h->field().text(), expected);
    QCOMPARE(h->window().infoText(), expectedInfo(words));
}

void TestAutoSyllables::missingPatternsAreReported()
{
    EditorHarness fresh;
    fresh.start(true);
    fresh.window().setPatternFile(fresh.folder() + QStringLiteral("/keine-muster.dic"));
    loadText(fresh, QStringLiteral("Katze"));
    fresh.dialogs.queueAnswer(Answer::Ok);
    markAutomatically(fresh);
    QCOMPARE(fresh.field().text(), QStringLiteral("Katze"));
    QCOMPARE(fresh.dialogs.calls().size(), 1);
    const testsupport::DialogCall &call = fresh.dialogs.lastCall();
    QCOMPARE(call.title, QStringLiteral("Trennzeichen"));
    // The syllabifier's own words: what is missing and how to get it.
    QVERIFY2(call.prompt.contains(QStringLiteral("Silbenmuster")), qPrintable(call.prompt));
    QCOMPARE(call.icon, platform::Icon::Exclamation);
    QVERIFY(!fresh.window().isTextChanged());

    // A failed load is not kept: once the patterns are there, it works.
    fresh.writeFile(QStringLiteral("keine-muster.dic"), "ISO8859-1\nt1z\n");
    fresh.dialogs.clear();
    markAutomatically(fresh);
    QCOMPARE(fresh.field().text(), QStringLiteral("Kat%1ze").arg(softHyphen()));
    QCOMPARE(fresh.dialogs.calls().size(), 0);
}

void TestAutoSyllables::rememberingAnException_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("listBefore");
    QTest::addColumn<QByteArray>("listAfter");
    QTest::addColumn<QString>("promptStart");

    const QString added
        = QStringLiteral("\u201EFarb-aus-wahl\u201C steht jetzt in der Ausnahmeliste KOLORAT-SILBEN.TXT.");
    const QString notOneWord = QStringLiteral("Bitte markieren Sie genau ein Wort");
    QTest::newRow("new list") << "Die Farb-aus-wahl." << 4 << 13 << QByteArray() << QByteArray("Farb-aus-wahl\r\n")
                              << added;
    QTest::newRow("blanks and punctuation around the word")
        << "Die Farb-aus-wahl." << 3 << 15 << QByteArray() << QByteArray("Farb-aus-wahl\r\n") << added;
    QTest::newRow("hidden marks are stored as -")
        << "Die Farb\u00ADaus\u00ADwahl." << 4 << 13 << QByteArray("Zu-cker\r\n")
        << QByteArray("Zu-cker\r\nFarb-aus-wahl\r\n") << added;
    QTest::newRow("a listed word takes the new marks")
        << "Farb=aus=wahl" << 0 << 13 << QByteArray("farbaus-wahl\r\nZu-cker\r\n")
        << QByteArray("Farb-aus-wahl\r\nZu-cker\r\n")
        << QStringLiteral("\u201EFarb-aus-wahl\u201C ersetzt den bisherigen Eintrag in der Ausnahmeliste "
                          "KOLORAT-SILBEN.TXT.");
    QTest::newRow("word without marks") << "Die Farbauswahl." << 4 << 11 << QByteArray("Zu-cker\r\n")
                                        << QByteArray("Zu-cker\r\n") << notOneWord;
    QTest::newRow("two words") << "Die Farb-aus-wahl." << 0 << 17 << QByteArray() << QByteArray() << notOneWord;
    QTest::newRow("nothing selected") << "Die Farb-aus-wahl." << 4 << 0 << QByteArray() << QByteArray()
                                      << "Markieren Sie zuerst ein Wort mit seinen Trennzeichen";
}

void TestAutoSyllables::rememberingAnException()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QByteArray, listBefore);
    QFETCH(QByteArray, listAfter);
    QFETCH(QString, promptStart);

    if (!listBefore.isEmpty())
        h->writeFile(kListName, listBefore);
    h->setText(text);
    h->field().setSel(start, length);
    h->dialogs.queueAnswer(Answer::Ok);
    entry(*h, "rememberExceptionEntry")->trigger();
    QCOMPARE(h->dialogs.calls().size(), 1);
    QVERIFY2(h->dialogs.lastCall().prompt.startsWith(promptStart), qPrintable(h->dialogs.lastCall().prompt));
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Ausnahmeliste"));
    QCOMPARE(h->readFile(kListName), listAfter);
    QCOMPARE(QDir(h->folder()).exists(kListName), !listAfter.isEmpty());
    // Remembering changes the list, never the text.
    QCOMPARE(h->field().text(), text);
}

void TestAutoSyllables::rememberedWordIsUsedNextTime()
{
    showSeparators(*h, QStringLiteral("/"));
    h->setText(QStringLiteral("Holz/au/to"));
    h->field().setSel(0, 10);
    h->dialogs.queueAnswer(Answer::Ok);
    entry(*h, "rememberExceptionEntry")->trigger();
    h->setText(QStringLiteral("Ein Holzauto."));
    markAutomatically(*h);
    QCOMPARE(h->field().text(), QStringLiteral("Ein Holz/au/to."));
}

void TestAutoSyllables::failedWriteKeepsTheOldList()
{
    const QByteArray old("Zu-cker\r\nholz-au-to\r\n");
    h->writeFile(kListName, old);
    // The temporary file cannot be created where a folder of its name stands.
    QVERIFY(QDir(h->folder()).mkdir(kListName + QStringLiteral(".tmp")));
    h->setText(QStringLiteral("Farb-aus-wahl"));
    h->field().setSel(0, 13);
    h->dialogs.queueAnswer(Answer::Ok);
    entry(*h, "rememberExceptionEntry")->trigger();
    QCOMPARE(h->dialogs.calls().size(), 1);
    QVERIFY2(h->dialogs.lastCall().prompt.contains(QStringLiteral("kann nicht geschrieben werden")),
             qPrintable(h->dialogs.lastCall().prompt));
    QCOMPARE(h->readFile(kListName), old);
}

QTEST_MAIN(TestAutoSyllables)
#include "tst_autosyllables.moc"
