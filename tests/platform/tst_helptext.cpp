// The German help text that ships with the program: it loads through our own
// RTF reader without stray control words or broken umlauts, names every
// menu entry, button and trainer key exactly as the program shows it, sets
// its headings apart, colours its examples exactly as the program would, and
// does not disturb the user's colours when it is loaded from the file list.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "textcore/colourreadback.h"
#include "textcore/soundcolouring.h"
#include "textcore/syllablecolouring.h"

#include <QFile>
#include <QHash>
#include <QTest>

#include <set>
#include <string>
#include <vector>

using namespace platform;

namespace {

const QString kHelpFile = QStringLiteral(KOLORAT_TEST_DATA "/../../data/KOLORATHELP.RTF");
const QString kDataDir = QStringLiteral(KOLORAT_TEST_DATA "/help");
constexpr char16_t kSoftHyphen = u'\u00ad';

// The lines of a UTF-8 data file, without comments and empty lines; blanks
// inside a line are kept.
QStringList dataLines(const QString &name)
{
    QFile f(kDataDir + u'/' + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    QStringList lines;
    for (QString line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    }
    return lines;
}

std::u16string toU16(const QString &s)
{
    return std::u16string(reinterpret_cast<const char16_t *>(s.utf16()), s.size());
}

} // namespace

class TestHelpText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fileIsPlainWindows1252Rtf();
    void plainTextIsClean();
    void programTextsAreQuotedExactly_data();
    void programTextsAreQuotedExactly();
    void headingsStandOut_data();
    void headingsStandOut();
    void examplesAreColouredAsTheProgramColours_data();
    void examplesAreColouredAsTheProgramColours();
    void loadingItFromTheFileListKeepsTheInitialColours();

private:
    QString m_text;                   // plain text, "\r\n" line breaks
    std::vector<CharFormat> m_format; // one per character of m_text
    double m_bodySize = 0;            // the size most characters have
};

void TestHelpText::initTestCase()
{
    const textcore::Result<StyledText> loaded = loadDocument(kHelpFile, FileKind::Rtf);
    QVERIFY2(loaded.ok(), qPrintable(messageOf(loaded)));
    QVERIFY(messageOf(loaded).isEmpty());
    QHash<double, qsizetype> sizeCount;
    for (const StyledRun &run : loaded.value()) {
        m_text += run.text;
        m_format.insert(m_format.end(), run.text.size(), run.format);
        sizeCount[run.format.pointSize] += run.text.size();
    }
    qsizetype most = 0;
    for (auto it = sizeCount.cbegin(); it != sizeCount.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            m_bodySize = it.key();
        }
    }
    // A help of two to four pages; far less means the reader stopped early.
    QVERIFY2(m_text.size() > 8000, qPrintable(QString::number(m_text.size())));
    QVERIFY(m_bodySize > 0);
}

void TestHelpText::fileIsPlainWindows1252Rtf()
{
    QFile f(kHelpFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(bytes.contains("{\\fonttbl"));
    QVERIFY(bytes.contains("{\\colortbl"));
    QVERIFY(bytes.trimmed().endsWith('}'));
    // Umlauts travel as \'xx escapes: a file re-saved as UTF-8 by some editor
    // would show mojibake in every RTF reader that honours \ansicpg1252.
    for (qsizetype i = 0; i < bytes.size(); ++i)
        QVERIFY2(static_cast<unsigned char>(bytes[i]) < 0x80, qPrintable(QStringLiteral("byte %1").arg(i)));
    int depth = 0;
    for (char c : bytes) {
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        QVERIFY2(depth >= 0, "more closing than opening braces");
    }
    QCOMPARE(depth, 0);
}

void TestHelpText::plainTextIsClean()
{
    // Control words the reader did not understand would show as text.
    for (QChar c : QStringLiteral("\\{}\uFFFD\u00C3\u00C2"))
        QVERIFY2(!m_text.contains(c), qPrintable(QStringLiteral("contains %1").arg(c)));
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        if (c == u'\r') {
            QVERIFY2(i + 1 < m_text.size() && m_text[i + 1] == u'\n', "CR without LF");
        } else if (c == u'\n') {
            QVERIFY2(i > 0 && m_text[i - 1] == u'\r', "LF without CR");
        } else {
            QVERIFY2(c.unicode() >= 0x20 && c != kSoftHyphen,
                     qPrintable(QStringLiteral("control character %1 at %2").arg(c.unicode()).arg(i)));
        }
    }
    for (QChar c : QStringLiteral("äöüÄÖÜß„“–•"))
        QVERIFY2(m_text.contains(c), qPrintable(QStringLiteral("no %1").arg(c)));
    QVERIFY(m_text.contains(QStringLiteral("Übungsliste")));
    QVERIFY(m_text.contains(QStringLiteral("Silben")));
    QVERIFY(m_text.contains(QStringLiteral("Trennzeichen")));
}

void TestHelpText::programTextsAreQuotedExactly_data()
{
    QTest::addColumn<QString>("expected");
    const QStringList lines = dataLines(QStringLiteral("program-texts.txt"));
    QVERIFY(lines.size() > 80);
    for (const QString &line : lines)
        QTest::newRow(qPrintable(line)) << line;
}

void TestHelpText::programTextsAreQuotedExactly()
{
    QFETCH(QString, expected);
    QVERIFY(m_text.contains(expected));
}

void TestHelpText::headingsStandOut_data()
{
    QTest::addColumn<QString>("heading");
    for (const QString &line : dataLines(QStringLiteral("headings.txt")))
        QTest::newRow(qPrintable(line)) << line;
}

void TestHelpText::headingsStandOut()
{
    QFETCH(QString, heading);
    const QString line = heading + QStringLiteral("\r\n");
    qsizetype at = m_text.startsWith(line) ? 0 : -1;
    if (at < 0) {
        at = m_text.indexOf(QStringLiteral("\r\n") + line);
        QVERIFY2(at >= 0, "not a line of its own");
        at += 2;
    }
    for (qsizetype i = at; i < at + heading.size(); ++i) {
        QVERIFY2(m_format[i].bold, qPrintable(QStringLiteral("not bold at %1").arg(heading[i - at])));
        QVERIFY2(m_format[i].pointSize > m_bodySize,
                 qPrintable(QStringLiteral("%1 pt, body %2 pt").arg(m_format[i].pointSize).arg(m_bodySize)));
    }
}

void TestHelpText::examplesAreColouredAsTheProgramColours_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("marked"); // "-" between syllables
    const QStringList lines = dataLines(QStringLiteral("examples.txt"));
    QVERIFY(lines.size() >= 5);
    std::set<QString> modes;
    for (const QString &line : lines) {
        const QStringList fields = line.split(u'\t');
        QCOMPARE(fields.size(), 2);
        modes.insert(fields[0]);
        QTest::newRow(qPrintable(line)) << fields[0] << fields[1];
    }
    // Sounds and both ways of counting syllables are shown.
    QCOMPARE(modes, (std::set<QString>{QStringLiteral("A"), QStringLiteral("M"), QStringLiteral("S")}));
}

void TestHelpText::examplesAreColouredAsTheProgramColours()
{
    QFETCH(QString, mode);
    QFETCH(QString, marked);
    QString hidden = marked;
    hidden.replace(u'-', QChar(kSoftHyphen));
    const std::u16string text = toU16(hidden);
    const textcore::SyllableColours syllable;
    std::vector<textcore::Colour> colours;
    if (mode == QLatin1String("S")) {
        // The program colours the whole text: a following blank lets a
        // doubled letter at the end of the example count.
        colours
            = textcore::ColourBySounds(text + u' ', textcore::SoundColours{}, u"", textcore::SoundVariant::ColourWindow)
                  .colours;
        colours.resize(text.size());
    } else {
        colours = textcore::ColourBySyllables(text, syllable.first, syllable.second,
                                              mode == QLatin1String("M")
                                                  ? textcore::SyllableCounting::MultiSyllableWords
                                                  : textcore::SyllableCounting::AllSyllablesAlternating);
    }
    // The help shows the example without its invisible syllable marks.
    QString shown;
    std::vector<textcore::Colour> expected;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kSoftHyphen)
            continue;
        shown += QChar(text[i]);
        expected.push_back(colours[i]);
    }
    QVERIFY2(std::set<textcore::Colour>(expected.begin(), expected.end()).size() >= 2,
             "an example in one colour shows nothing");

    QString mismatch = QStringLiteral("not in the text");
    for (qsizetype at = m_text.indexOf(shown); at >= 0; at = m_text.indexOf(shown, at + 1)) {
        mismatch.clear();
        for (qsizetype i = 0; i < shown.size() && mismatch.isEmpty(); ++i) {
            if (m_format[at + i].colour != expected[i])
                mismatch = QStringLiteral("'%1' (position %2) is %3, expected %4")
                               .arg(shown[i])
                               .arg(i)
                               .arg(m_format[at + i].colour)
                               .arg(expected[i]);
        }
        if (mismatch.isEmpty())
            return;
    }
    QFAIL(qPrintable(mismatch));
}

void TestHelpText::loadingItFromTheFileListKeepsTheInitialColours()
{
    // Loading a file from the list takes its colours over; the help text
    // ends with a line coloured by sounds, so a teacher who opens it that
    // way gets the initial colours, not six black classes.
    std::vector<textcore::Colour> colours;
    for (const CharFormat &f : m_format)
        colours.push_back(f.colour);
    const textcore::ColourReadBack found = textcore::ReadColoursFromText(toU16(m_text), colours);
    for (bool classFound : found.found)
        QVERIFY(classFound);
    textcore::SoundColours read;
    read.colours.fill(0x123456);
    found.applyTo(read);
    const textcore::SoundColours initial;
    using textcore::SoundClass;
    for (SoundClass c : {SoundClass::Consonants, SoundClass::Vowels, SoundClass::Umlauts, SoundClass::Capitals,
                         SoundClass::Punctuation, SoundClass::DoubleConsonants})
        QCOMPARE(read[c], initial[c]);
    QCOMPARE(found.syllableColours.first, initial[SoundClass::Consonants]);
}

QTEST_MAIN(TestHelpText)
#include "tst_helptext.moc"
