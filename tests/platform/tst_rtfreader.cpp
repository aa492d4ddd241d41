// What the RTF reader makes of real files (golden dumps), of each construct
// that writers use, and of hostile or broken input.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/rtfreader.h"
#include "platform/styledtextdump.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace platform;

namespace {

QString dataDir()
{
    return QStringLiteral(KOLORAT_TEST_DATA "/rtf");
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

// One run as "text=colour,font,size[,b][,i]", runs joined by " | ".
QString describe(const StyledText &text)
{
    QStringList parts;
    for (const StyledRun &run : text) {
        QString s = run.text + u'=' + QString::number(run.format.colour) + u',' + run.format.fontName + u','
            + QString::number(run.format.pointSize);
        if (run.format.bold)
            s += QStringLiteral(",b");
        if (run.format.italic)
            s += QStringLiteral(",i");
        parts << s;
    }
    return parts.join(QStringLiteral(" | "));
}

void checkRunInvariants(const StyledText &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        QVERIFY2(!text[i].text.isEmpty(), "empty run");
        if (i > 0)
            QVERIFY2(!(text[i - 1].format == text[i].format), "neighbouring runs share a format");
    }
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void goldenFiles_data();
    void goldenFiles();
    void plainText_data();
    void plainText();
    void formats_data();
    void formats();
    void notRtf_data();
    void notRtf();
    void everyPrefixOfEveryFileReads();
    void corruptedFilesNeverCrash();
    void deepNestingIsBounded();
    void hugeBinAndUnicodeSkipAreBounded();
};

void TestRtfReader::goldenFiles_data()
{
    QTest::addColumn<QString>("rtfPath");
    const QStringList files = QDir(dataDir()).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 10);
    for (const QString &f : files)
        QTest::newRow(qPrintable(f)) << dataDir() + u'/' + f;
}

void TestRtfReader::goldenFiles()
{
    QFETCH(QString, rtfPath);
    const textcore::Result<StyledText> result = readRtf(readFile(rtfPath));
    QVERIFY2(result.ok(), qPrintable(messageOf(result)));
    checkRunInvariants(result.value());
    QString expectedPath = rtfPath;
    expectedPath.replace(QLatin1String(".rtf"), QLatin1String(".jsonl"));
    const QByteArray actual = dumpStyledText(result.value());
    const QByteArray expected = readFile(expectedPath);
    if (actual != expected) {
        const QList<QByteArray> a = actual.split('\n');
        const QList<QByteArray> e = expected.split('\n');
        for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
            const QByteArray al = a.value(i), el = e.value(i);
            if (al != el)
                qWarning("line %lld\n  expected %s\n  actual   %s", static_cast<long long>(i + 1), el.constData(),
                         al.constData());
        }
        QFAIL("dump differs from the golden file (scripts/regen-rtf-testdata.sh regenerates it)");
    }
}

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("final par adds no break") << QByteArray(R"({\rtf1 Hallo\par})") << u"Hallo"_qs;
    QTest::newRow("two final pars keep one break") << QByteArray(R"({\rtf1 Hallo\par\par})") << u"Hallo\r\n"_qs;
    QTest::newRow("sect after the final par adds no break")
        << QByteArray(R"({\rtf1 a\par b\par\sect})") << u"a\r\nb"_qs;
    QTest::newRow("sect ends an open paragraph") << QByteArray(R"({\rtf1 a\sect b})") << u"a\r\nb"_qs;
    QTest::newRow("no par at all") << QByteArray(R"({\rtf1 Hallo})") << u"Hallo"_qs;
    QTest::newRow("line is a break and stays at the end") << QByteArray(R"({\rtf1 a\line b\line})") << u"a\r\nb\r\n"_qs;
    QTest::newRow("backslash newline is a par") << QByteArray("{\\rtf1 a\\\nb}") << u"a\r\nb"_qs;
    QTest::newRow("raw line breaks are ignored") << QByteArray("{\\rtf1 a\r\nb\nc\rd}") << u"abcd"_qs;
    QTest::newRow("tab word and raw tab") << QByteArray("{\\rtf1 a\\tab b\tc}") << u"a\tb\tc"_qs;
    QTest::newRow("escaped braces and backslash") << QByteArray(R"({\rtf1 \{x\}\\})") << u"{x}\\"_qs;
    QTest::newRow("soft hyphen, no-break space and hyphen")
        << QByteArray(R"({\rtf1 Sil\-be 10\~kg E\_Mail})") << u"Sil\u00ADbe 10\u00A0kg E\u2011Mail"_qs;
    QTest::newRow("hex bytes in 1252") << QByteArray(R"({\rtf1\ansi\ansicpg1252 \'e4\'f6\'fc\'df\'80\'84\'93})")
                                       << u"äöüß€„“"_qs;
    QTest::newRow("hex bytes in 1250") << QByteArray(R"({\rtf1\ansi\ansicpg1250 \'b3\'f3d\'9f})") << u"łódź"_qs;
    QTest::newRow("font charset beats document code page")
        << QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset161 Arial Greek;}}\f0\'e4\f1\'e1})")
        << u"äα"_qs;
    QTest::newRow("double-byte code page")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 \'82\'a0\'93\'fa\'b1})") << u"あ日ｱ"_qs;
    QTest::newRow("double-byte font charset")
        << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0\fcharset134 SimSun;}}\f0 \'d6\'d0a})") << u"中a"_qs;
    QTest::newRow("lead byte without its trail is dropped")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 \'82\par x{\'82}y})") << u"\r\nxy"_qs;
    QTest::newRow("space after control word is its delimiter") << QByteArray(R"({\rtf1 \b  fett})") << u" fett"_qs;
    QTest::newRow("unicode with one fallback byte") << QByteArray(R"({\rtf1 \u8364?\u8364\'80 x})") << u"€€ x"_qs;
    QTest::newRow("uc0 has no fallback") << QByteArray(R"({\rtf1 \uc0\u8364 x})") << u"€x"_qs;
    QTest::newRow("uc2 skips a hex byte and a letter") << QByteArray(R"({\rtf1 \uc2\u8364\'80Ex})") << u"€x"_qs;
    QTest::newRow("uc is restored at group end") << QByteArray(R"({\rtf1 {\uc0 \u228}\u228?x})") << u"ääx"_qs;
    QTest::newRow("fallback skipping stops at a group end") << QByteArray(R"({\rtf1 {\uc3\u228}ab})") << u"äab"_qs;
    QTest::newRow("negative unicode") << QByteArray(R"({\rtf1 \u-21504?})") << u"가"_qs;
    QTest::newRow("emoji as two negative surrogates with uc change")
        << QByteArray(R"({\rtf1 \uc1\u-10179?\uc0\u-8704 !})") << u"😀!"_qs;
    QTest::newRow("bin data with braces is skipped") << QByteArray("{\\rtf1 a{\\pict\\bin3 }{\\}b}") << u"ab"_qs;
    QTest::newRow("ignorable destination") << QByteArray(R"({\rtf1 a{\*\unbekannt {x}y}b})") << u"ab"_qs;
    QTest::newRow("star in the middle of a group is no destination") << QByteArray(R"({\rtf1 {a\*\b b}})") << u"ab"_qs;
    QTest::newRow("info and stylesheet give nothing")
        << QByteArray(R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}x})") << u"x"_qs;
    QTest::newRow("field gives its result")
        << QByteArray(R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})") << u"Link"_qs;
    QTest::newRow("field instruction without star")
        << QByteArray(R"({\rtf1 {\field{\fldinst PAGE}{\fldrslt 3}}})") << u"3"_qs;
    QTest::newRow("footnote and header give nothing")
        << QByteArray(R"({\rtf1 {\header K\par}a{\footnote F}b})") << u"ab"_qs;
    QTest::newRow("table cells joined by tab, rows end with break")
        << QByteArray(R"({\rtf1 \trowd\cellx1\cellx2 a\cell b\cell\row\trowd c\cell d\cell\row Ende})")
        << u"a\tb\r\nc\td\r\nEnde"_qs;
    QTest::newRow("table at the end") << QByteArray(R"({\rtf1 a\cell b\cell\row})") << u"a\tb"_qs;
    QTest::newRow("empty cells keep their tabs") << QByteArray(R"({\rtf1 \cell\cell x\cell\row})") << u"\t\tx"_qs;
    QTest::newRow("typographic words") << QByteArray(
        R"({\rtf1 \ldblquote a\rdblquote\lquote b\rquote\emdash\endash\bullet})")
                                       << u"“a”‘b’—–•"_qs;
    QTest::newRow("unknown words are ignored") << QByteArray(R"({\rtf1 \foo\bar12 x\baz-3 y})") << u"xy"_qs;
    QTest::newRow("text after the closing brace is ignored") << QByteArray(R"({\rtf1 a}b)") << u"a"_qs;
    QTest::newRow("leading blank lines") << QByteArray("\r\n  {\\rtf1 a}") << u"a"_qs;
    QTest::newRow("empty document") << QByteArray(R"({\rtf1})") << QString();
    QTest::newRow("only a par") << QByteArray(R"({\rtf1\par})") << QString();
    QTest::newRow("CR and LF as characters are line breaks")
        << QByteArray(R"({\rtf1 a\u13?b\'0ac\uc0\u13\u10 d})") << u"a\r\nb\r\nc\r\n\r\nd"_qs;
    QTest::newRow("nul characters are dropped") << QByteArray("{\\rtf1 a\\u0?b\0c\\'00d}", 21) << u"abcd"_qs;
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    const textcore::Result<StyledText> result = readRtf(rtf);
    QVERIFY2(result.ok(), qPrintable(messageOf(result)));
    QCOMPARE(plainTextOf(result.value()), text);
    checkRunInvariants(result.value());
}

void TestRtfReader::formats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("runs");
    const QByteArray header
        = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}{\f1\fnil Times New Roman;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";
    QTest::newRow("colours, cf0 and missing entries are black")
        << header + R"(\cf1 a\cf2 b\cf0 c\cf9 d})" << u"a=255,Arial,12 | b=16711680,Arial,12 | cd=0,Arial,12"_qs;
    QTest::newRow("sizes in half points")
        << header + R"(\fs24 a\fs21 b\fs0 c})" << u"a=0,Arial,12 | b=0,Arial,10.5 | c=0,Arial,0"_qs;
    QTest::newRow("bold and italic on and off")
        << header + R"(\b a\i b\b0 c\i0 d\b1 e})"
        << u"a=0,Arial,12,b | b=0,Arial,12,b,i | c=0,Arial,12,i | d=0,Arial,12 | e=0,Arial,12,b"_qs;
    QTest::newRow("group end restores the format")
        << header + R"(a{\cf1\b\f1\fs30 b}c})" << u"a=0,Arial,12 | b=255,Times New Roman,15,b | c=0,Arial,12"_qs;
    QTest::newRow("plain resets to the default font")
        << header + R"(\f1\fs30\cf2\b\i a\plain b})" << u"a=16711680,Times New Roman,15,b,i | b=0,Arial,12"_qs;
    QTest::newRow("pard keeps the character format") << header + R"(\cf1 a\par\pard b})" << u"a\r\nb=255,Arial,12"_qs;
    QTest::newRow("unknown font number leaves the font open") << header + R"(\f7 a})" << u"a=0,,12"_qs;
    QTest::newRow("no deff leaves the font open")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}a\f0 b})") << u"a=0,,12 | b=0,Arial,12"_qs;
    QTest::newRow("backgrounds are not kept")
        << header + R"({\highlight1 a}{\cb2\chcbpat1 b}\cf2 c})" << u"ab=0,Arial,12 | c=16711680,Arial,12"_qs;
    QTest::newRow("line break takes the format at the par")
        << header + R"({\cf1 a\par}b})" << u"a\r\n=255,Arial,12 | b=0,Arial,12"_qs;
    QTest::newRow("font name with panose, falt and hex byte")
        << QByteArray(R"({\rtf1{\fonttbl{\f3{\*\panose 0102}Gr\'fc{\*\falt X}n Sans;}}\f3 a})")
        << u"a=0,Grün Sans,12"_qs;
    QTest::newRow("font table without groups")
        << QByteArray(R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;}\f1 a\f0 b})")
        << u"a=0,Courier,12 | b=0,Helvetica,12"_qs;
    QTest::newRow("colour table without the empty first entry")
        << QByteArray(R"({\rtf1{\colortbl\red0\green128\blue0;}\cf0 a})") << u"a=32768,,12"_qs;
    QTest::newRow("colour table with partial components")
        << QByteArray(R"({\rtf1{\colortbl;\green255;\red300;}\cf1 a\cf2 b})") << u"a=65280,,12 | b=255,,12"_qs;
    QTest::newRow("loch hich dbch switches") << header + R"({\loch\af1\hich\af1\dbch\af1\loch\f1\cf1 a\-}b})"
                                             << u"a\u00AD=255,Times New Roman,12 | b=0,Arial,12"_qs;
}

void TestRtfReader::formats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, runs);
    const textcore::Result<StyledText> result = readRtf(rtf);
    QVERIFY2(result.ok(), qPrintable(messageOf(result)));
    QCOMPARE(describe(result.value()), runs);
    checkRunInvariants(result.value());
}

void TestRtfReader::notRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << u"Die Datei ist leer."_qs;
    QTest::newRow("blanks only") << QByteArray(" \r\n") << u"Die Datei ist leer."_qs;
    QTest::newRow("plain text") << QByteArray("Hallo Welt") << u"Die Datei enthält keinen RTF-Text."_qs;
    QTest::newRow("cut inside the magic") << QByteArray("{\\rt") << u"Die Datei enthält keinen RTF-Text."_qs;
    QTest::newRow("other group first") << QByteArray("{\\foo}{\\rtf1 a}") << u"Die Datei enthält keinen RTF-Text."_qs;
    QTest::newRow("utf-16 rtf") << QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0", 12)
                                << u"Die Datei enthält keinen RTF-Text."_qs;
}

void TestRtfReader::notRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const textcore::Result<StyledText> result = readRtf(data);
    QVERIFY(!result.ok());
    QCOMPARE(messageOf(result), message);
}

void TestRtfReader::everyPrefixOfEveryFileReads()
{
    // A file cut off anywhere gives the text up to the cut, never a crash.
    const QStringList files = QDir(dataDir()).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    for (const QString &f : files) {
        const QByteArray data = readFile(dataDir() + u'/' + f);
        const QString full = plainTextOf(readRtf(data).value());
        for (qsizetype n = 0; n <= data.size(); ++n) {
            const textcore::Result<StyledText> r = readRtf(data.left(n));
            QCOMPARE(r.ok(), n >= 5);
            if (r.ok())
                QVERIFY2(plainTextOf(r.value()).size() <= full.size() + 2, qPrintable(f));
        }
    }
}

void TestRtfReader::corruptedFilesNeverCrash()
{
    const QByteArray base = readFile(dataDir() + QStringLiteral("/word-like.rtf"));
    QRandomGenerator rng(4711);
    const char alphabet[] = "{}\\'*0123456789-abuc; \r\n\xe4";
    for (int round = 0; round < 3000; ++round) {
        QByteArray data = base;
        const int edits = 1 + rng.bounded(8);
        for (int e = 0; e < edits; ++e) {
            const int pos = 5 + rng.bounded(static_cast<int>(data.size()) - 5); // keep the RTF magic
            data[pos] = alphabet[rng.bounded(static_cast<int>(sizeof alphabet - 1))];
        }
        const textcore::Result<StyledText> r = readRtf(data);
        QVERIFY(r.ok());
        checkRunInvariants(r.value());
    }
}

void TestRtfReader::deepNestingIsBounded()
{
    QByteArray data = "{\\rtf1\\cf1 a";
    data += QByteArray(1'000'000, '{');
    data += "\\b b";
    data += QByteArray(1'000'000, '}');
    data += "c}";
    QElapsedTimer timer;
    timer.start();
    const textcore::Result<StyledText> r = readRtf(data);
    QVERIFY(r.ok());
    // Groups beyond the bound take the deepest kept group's format, and the
    // closing braces still find their way back to the outermost group.
    QCOMPARE(plainTextOf(r.value()), u"abc"_qs);
    QCOMPARE(r.value().back().format.bold, false);
    QVERIFY2(timer.elapsed() < 5000, "nesting took too long");
}

void TestRtfReader::hugeBinAndUnicodeSkipAreBounded()
{
    {
        const textcore::Result<StyledText> r = readRtf("{\\rtf1 a\\bin99999999999999999999 xyz}");
        QVERIFY(r.ok());
        QCOMPARE(plainTextOf(r.value()), u"a"_qs);
    }
    {
        const textcore::Result<StyledText> r = readRtf("{\\rtf1 a\\bin-5 xyz}");
        QVERIFY(r.ok());
        QCOMPARE(plainTextOf(r.value()), u"axyz"_qs);
    }
    {
        // At most kRtfMaxUnicodeSkip characters give way to a \u.
        QByteArray data = "{\\rtf1\\uc2147483647\\u228 ";
        data += QByteArray(kRtfMaxUnicodeSkip + 3, 'x');
        data += '}';
        const textcore::Result<StyledText> r = readRtf(data);
        QCOMPARE(plainTextOf(r.value()), u"äxxx"_qs);
    }
    {
        const textcore::Result<StyledText> r = readRtf("{\\rtf1 \\u99999999999?a\\u-99999?b\\fs99999999 c}");
        QVERIFY(r.ok());
        QCOMPARE(plainTextOf(r.value()), u"abc"_qs);
        QCOMPARE(r.value().back().format.pointSize, 1638.0);
    }
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
