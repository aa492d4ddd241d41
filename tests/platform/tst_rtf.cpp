// The RTF reader against golden dumps (real files of other writers and one
// file per construct), the writer against the reader, and hostile input.
// KOLORAT_REGENERATE=1 rewrites the dumps and our own written file instead of
// comparing them: review the diff.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "platform/styledtextdump.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace platform;

namespace {

// The reader's answer with its text empty on failure, as the checks below read it.
struct Reading {
    bool ok = false;
    QString errorMessage;
    StyledText text;
};

Reading reading(const QByteArray &data)
{
    const textcore::Result<StyledText> read = readRtf(data);
    if (!read.ok())
        return {false, messageOf(read), {}};
    return {true, {}, read.value()};
}

const QString kDataDir = QStringLiteral(KOLORAT_TEST_DATA "/rtf");
// Written by writeRtf and kept as it wrote it: a reviewable record of the
// control words we use, and a fixed point of reading and writing.
const QString kOurFile = kDataDir + QStringLiteral("/constructs/kolorat-written.rtf");

bool regenerate()
{
    return qEnvironmentVariableIsSet("KOLORAT_REGENERATE");
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList rtfFiles()
{
    QStringList paths;
    for (const QString &dir : {kDataDir, kDataDir + QStringLiteral("/constructs")})
        for (const QString &f : QDir(dir).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
            paths << dir + u'/' + f;
    return paths;
}

// The reader's promise: no empty runs, neighbours differ in format.
QString brokenRun(const StyledText &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i].text.isEmpty())
            return QStringLiteral("empty run %1").arg(i);
        if (i > 0 && text[i - 1].format == text[i].format)
            return QStringLiteral("runs %1 and %2 share a format").arg(i - 1).arg(i);
    }
    return {};
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void goldenFiles_data();
    void goldenFiles();
    void notRtf_data();
    void notRtf();
    void randomRunsSurviveWriteAndRead();
    void everyPrefixReads();
    void corruptedFilesNeverCrash();
    void deepNestingIsBounded();
};

void TestRtf::goldenFiles_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = rtfFiles();
    QVERIFY(files.size() > 60);
    for (const QString &f : files)
        QTest::newRow(qPrintable(QFileInfo(f).fileName())) << f;
}

// What the reader makes of the file, and that the writer gives it back:
// written and read again, every run is the same.
void TestRtf::goldenFiles()
{
    QFETCH(QString, path);
    if (regenerate() && path == kOurFile)
        writeFile(path, writeRtf(reading(readFile(path)).text));
    const Reading read = reading(readFile(path));
    QVERIFY2(read.ok, qPrintable(read.errorMessage));
    QVERIFY2(brokenRun(read.text).isEmpty(), qPrintable(brokenRun(read.text)));
    const QString goldenPath = path.chopped(4) + QStringLiteral(".jsonl");
    const QByteArray dump = dumpStyledText(read.text);
    if (regenerate())
        writeFile(goldenPath, dump);
    const QList<QByteArray> actual = dump.split('\n');
    const QList<QByteArray> expected = readFile(goldenPath).split('\n');
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i)
        QVERIFY2(actual.value(i) == expected.value(i),
                 qPrintable(QStringLiteral("line %1\nexpected %2\nactual   %3")
                                .arg(i + 1)
                                .arg(QString::fromUtf8(expected.value(i)), QString::fromUtf8(actual.value(i)))));

    const QByteArray written = writeRtf(read.text);
    QCOMPARE(dumpStyledText(reading(written).text), dump);
    if (path == kOurFile)
        QCOMPARE(written, readFile(path));
}

void TestRtf::notRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("Die Datei ist leer.");
    const QString noRtf = QStringLiteral("Die Datei enthält keinen RTF-Text.");
    QTest::newRow("empty") << QByteArray() << empty;
    QTest::newRow("blanks only") << QByteArray(" \r\n") << empty;
    QTest::newRow("plain text") << QByteArray("Hallo Welt") << noRtf;
    QTest::newRow("cut inside the magic") << QByteArray("{\\rt") << noRtf;
    QTest::newRow("other group first") << QByteArray("{\\foo}{\\rtf1 a}") << noRtf;
    QTest::newRow("utf-16 rtf") << QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0", 12) << noRtf;
}

void TestRtf::notRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const Reading result = reading(data);
    QVERIFY(!result.ok);
    QVERIFY(result.text.empty());
    QCOMPARE(result.errorMessage, message);
}

// Random runs of the characters and formats that stress the writer (escapes,
// code page edges, surrogates, control bytes, open fonts, sizes between half
// points, thousands of colours) come back as given, sizes to the half point.
void TestRtf::randomRunsSurviveWriteAndRead()
{
    const QStringList pieces{u"a"_qs,         u"Z9 "_qs,    u"\r\n"_qs,   u"\t"_qs,
                             u"{x} \\y\\"_qs, u"\u00AD"_qs, u"\u00A0"_qs, u"Äß€„“–…"_qs,
                             u"Łódź Ω"_qs,    u"가中"_qs,   u"😀"_qs,      u"\u0001\u0081\u009D\u007F"_qs};
    const QStringList fonts{QString(), u"Arial"_qs, u"Grüne Schrift"_qs, u"Шрифт"_qs};
    QRandomGenerator rng(2024);
    for (int round = 0; round < 300; ++round) {
        StyledText text;
        StyledText expected;
        for (int n = round == 0 ? 3000 : rng.bounded(1, 10); n > 0; --n) {
            CharFormat f;
            f.colour = rng.bounded(3) == 0 ? 0 : rng.bounded(0x1000000);
            f.fontName = fonts[rng.bounded(fonts.size())];
            const int halfPoints = rng.bounded(1, 3277);
            f.pointSize = halfPoints / 2.0 + (rng.bounded(3) - 1) * 0.1;
            f.bold = rng.bounded(2);
            f.italic = rng.bounded(2);
            QString s;
            for (int k = rng.bounded(1, 4); k > 0; --k)
                s += pieces[rng.bounded(pieces.size())];
            text.push_back({s, f});
            f.pointSize = halfPoints / 2.0;
            if (!expected.empty() && expected.back().format == f)
                expected.back().text += s;
            else
                expected.push_back({s, f});
        }
        const QByteArray rtf = writeRtf(text);
        const Reading back = reading(rtf);
        QVERIFY(back.ok);
        QVERIFY2(dumpStyledText(back.text) == dumpStyledText(expected), rtf.constData());
    }
}

void TestRtf::everyPrefixReads()
{
    // A file cut off anywhere gives at most the text up to the cut.
    for (const QString &path : rtfFiles()) {
        const QByteArray data = readFile(path);
        const QString full = plainTextOf(reading(data).text);
        for (qsizetype n = 0; n <= data.size(); ++n) {
            const Reading r = reading(data.left(n));
            QCOMPARE(r.ok, data.left(n).trimmed().startsWith("{\\rtf"));
            QVERIFY2(plainTextOf(r.text).size() <= full.size() + 2, qPrintable(path));
        }
    }
}

void TestRtf::corruptedFilesNeverCrash()
{
    const QByteArray base = readFile(kDataDir + QStringLiteral("/word-like.rtf"));
    QRandomGenerator rng(4711);
    const char alphabet[] = "{}\\'*0123456789-abuc; \r\n\xe4";
    for (int round = 0; round < 3000; ++round) {
        QByteArray data = base;
        for (int e = 1 + rng.bounded(8); e > 0; --e)
            data[5 + rng.bounded(int(data.size()) - 5)] = alphabet[rng.bounded(int(sizeof alphabet - 1))];
        const Reading r = reading(data);
        QVERIFY(r.ok);
        QVERIFY2(brokenRun(r.text).isEmpty(), qPrintable(brokenRun(r.text)));
    }
}

void TestRtf::deepNestingIsBounded()
{
    const QByteArray data = "{\\rtf1\\cf1 a" + QByteArray(1'000'000, '{') + "\\b b" + QByteArray(1'000'000, '}') + "c}";
    const Reading r = reading(data);
    // Groups beyond the bound take the deepest kept group's format, and the
    // closing braces still find their way back to the outermost group.
    QCOMPARE(plainTextOf(r.text), u"abc"_qs);
    QCOMPARE(r.text.back().format.bold, false);
}

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"
