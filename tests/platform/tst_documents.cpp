// Documents on disk and on paper: the RTF reader against golden dumps (real
// files of other writers and one file per construct), the writer against the
// reader, hostile input; plain-text encodings, defaults, atomic saves and the
// German messages for files that fail; a colour window's save; the shipped
// help text; and printing to PDF files that poppler's tools read back (text,
// positions, pages and colours, formatted text and the worksheet).
// KOLORAT_REGENERATE=1 rewrites the golden files instead of comparing them:
// review the diff.
#include "platform/colouredtextsave.h"
#include "platform/documentfiles.h"
#include "platform/documentpages.h"
#include "platform/printer.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "platform/styledtextdump.h"
#include "support/doubles.h"
#include "support/windowdump.h"
#include "textcore/soundcolouring.h"
#include "textcore/syllablecolouring.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include <set>

using namespace platform;

namespace {

// An answer as the checks below read it: the text empty and the message set on failure.
struct Read {
    bool ok = false;
    QString message;
    StyledText text;
};

Read answer(const textcore::Result<StyledText> &read)
{
    return read.ok() ? Read{true, {}, read.value()} : Read{false, messageOf(read), {}};
}

const QString kDataDir = QStringLiteral(KOLORAT_TEST_DATA "/rtf");
// Written by writeRtf and kept as it wrote it: a reviewable record of the
// control words we use, and a fixed point of reading and writing.
const QString kOurFile = kDataDir + QStringLiteral("/constructs/kolorat-written.rtf");

const bool kRegenerate = qEnvironmentVariableIsSet("KOLORAT_REGENERATE");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

// The lines of a help data file, without comments and empty lines.
QStringList helpDataLines(const char *name)
{
    return QString::fromUtf8(readFile(KOLORAT_TEST_DATA "/help/" + QString::fromLatin1(name)))
        .split(QRegularExpression(QStringLiteral("\r?\n")))
        .filter(QRegularExpression(QStringLiteral("^[^#]")));
}

// The printing checks read their PDFs back with poppler's tools.
#define REQUIRE_POPPLER()                                                                                              \
    if (QStandardPaths::findExecutable(u"pdftoppm"_qs).isEmpty())                                                      \
    QSKIP("poppler-utils (pdftotext, pdftoppm, pdfinfo) are not installed")

QString run(const char *tool, QStringList arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning() << tool << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    return QRegularExpression(u"Pages:\\s+(\\d+)"_qs).match(run("pdfinfo", {pdf})).captured(1).toInt();
}

QImage pdfPage(const QString &pdf, int dpi)
{
    run("pdftoppm", {u"-r"_qs, QString::number(dpi), u"-l"_qs, u"1"_qs, u"-png"_qs, u"-singlefile"_qs, pdf, pdf});
    return QImage(pdf + u".png"_qs);
}

int redPixels(const QImage &page)
{
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            count += qRed(page.pixel(x, y)) > 150 && qGreen(page.pixel(x, y)) < 120 && qBlue(page.pixel(x, y)) < 120;
    return count;
}

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void goldenFiles_data();
    void goldenFiles();
    void unreadableFiles();
    void randomRunsSurviveWriteAndRead();
    void everyPrefixReads();
    void corruptedFilesNeverCrash();
    void deepNestingIsBounded();
    void plainTextEncodings();
    void loadTakesTheDefaultsAndSaveGivesBack();
    void saveIsAtomic();
    void colouredTextSave();
    void helpTextQuotesTheProgramAndColoursItsExamples();
    void pageDrawing();
    void longTextBreaksPages();
    void selectionKeepsItsFormatting();
    void nothingToPrint();
    void worksheetPdf();

private:
    QTemporaryDir m_dir;
};

void TestDocuments::goldenFiles_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = rtfFiles();
    QVERIFY(files.size() > 60);
    for (const QString &f : files)
        QTest::newRow(qPrintable(QFileInfo(f).fileName())) << f;
}

// What the reader makes of the file, and that the writer gives it back:
// written and read again, every run is the same.
void TestDocuments::goldenFiles()
{
    QFETCH(QString, path);
    if (kRegenerate && path == kOurFile)
        QVERIFY(saveFileBytes(path, writeRtf(answer(readRtf(readFile(path))).text)).ok());
    const Read read = answer(readRtf(readFile(path)));
    QVERIFY2(read.ok, qPrintable(read.message));
    QVERIFY2(brokenRun(read.text).isEmpty(), qPrintable(brokenRun(read.text)));
    const QString goldenPath = path.chopped(4) + QStringLiteral(".jsonl");
    const QByteArray dump = dumpStyledText(read.text);
    if (kRegenerate)
        QVERIFY(saveFileBytes(goldenPath, dump).ok());
    QCOMPARE(QString::fromUtf8(dump), QString::fromUtf8(readFile(goldenPath)));

    const QByteArray written = writeRtf(read.text);
    QCOMPARE(dumpStyledText(answer(readRtf(written)).text), dump);
    if (path == kOurFile)
        QCOMPARE(written, readFile(path));
}

// The German message of every file that cannot be read, in one transcript.
void TestDocuments::unreadableFiles()
{
    const std::pair<const char *, QByteArray> files[] = {{"FEHLT.RTF", {}},
                                                         {"FEHLT.TXT", {}},
                                                         {"ORDNER.RTF", "/"},
                                                         {"LEER.RTF", ""},
                                                         {"LEER.RTF", " \r\n"},
                                                         {"BRIEF.RTF", "Lieber Tom"},
                                                         {"CUT.RTF", "{\\rt"},
                                                         {"FOO.RTF", "{\\foo}{\\rtf1 a}"},
                                                         {"UTF16.RTF", QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0", 12)}};
    QString transcript;
    for (const auto &[name, content] : files) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (content == "/")
            QVERIFY(QDir().mkdir(path));
        else if (!content.isNull())
            QVERIFY(saveFileBytes(path, content).ok());
        const Read loaded = answer(loadDocument(path, path.endsWith(u".RTF"_qs) ? FileKind::Rtf : FileKind::PlainText));
        QVERIFY(!loaded.ok && loaded.text.empty());
        const QString shown = content.isNull() ? u"no file"_qs
            : content == "/"                   ? u"a folder"_qs
                                               : QString::fromLatin1(content.toPercentEncoding(" {}\\"));
        transcript += shown + u" -> "_qs + QString(loaded.message).replace(u'\r', u"\\r"_qs) + u'\n';
    }
    KOLORAT_VERIFY_TRANSCRIPT(transcript, "platform/unreadable-files");
}

// Random runs of the characters and formats that stress the writer (escapes,
// code page edges, surrogates, control bytes, open fonts, sizes between half
// points, thousands of colours) come back as given, sizes to the half point.
void TestDocuments::randomRunsSurviveWriteAndRead()
{
    const QStringList pieces{u"a"_qs,         u"Z9 "_qs,    u"\r\n"_qs,   u"\t"_qs,
                             u"{x} \\y\\"_qs, u"\u00AD"_qs, u"\u00A0"_qs, u"Äß€„“–…"_qs,
                             u"Łódź Ω"_qs,    u"가中"_qs,   u"😀"_qs,      u"\u0001\u0081\u009D\u007F"_qs};
    const QStringList fonts{QString(), u"Arial"_qs, u"Grüne Schrift"_qs, u"Шрифт"_qs};
    QRandomGenerator rng(2024);
    for (int round = 0; round < 300; ++round) {
        StyledText text, expected;
        for (int n = round == 0 ? 3000 : rng.bounded(1, 10); n > 0; --n) {
            const int halfPoints = rng.bounded(1, 3277);
            CharFormat f{rng.bounded(3) == 0 ? 0u : rng.bounded(0x1000000u), fonts[rng.bounded(fonts.size())],
                         halfPoints / 2.0 + (rng.bounded(3) - 1) * 0.1, rng.bounded(2) == 1, rng.bounded(2) == 1};
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
        const Read back = answer(readRtf(rtf));
        QVERIFY(back.ok);
        QVERIFY2(dumpStyledText(back.text) == dumpStyledText(expected), rtf.constData());
    }
}

void TestDocuments::everyPrefixReads()
{
    // A file cut off anywhere gives at most the text up to the cut.
    for (const QString &path : rtfFiles()) {
        const QByteArray data = readFile(path);
        const QString full = plainTextOf(answer(readRtf(data)).text);
        for (qsizetype n = 0; n <= data.size(); ++n) {
            const Read r = answer(readRtf(data.left(n)));
            QCOMPARE(r.ok, data.left(n).trimmed().startsWith("{\\rtf"));
            QVERIFY2(plainTextOf(r.text).size() <= full.size() + 2, qPrintable(path));
        }
    }
}

void TestDocuments::corruptedFilesNeverCrash()
{
    const QByteArray base = readFile(kDataDir + QStringLiteral("/word-like.rtf"));
    QRandomGenerator rng(4711);
    const char alphabet[] = "{}\\'*0123456789-abuc; \r\n\xe4";
    for (int round = 0; round < 3000; ++round) {
        QByteArray data = base;
        for (int e = 1 + rng.bounded(8); e > 0; --e)
            data[5 + rng.bounded(int(data.size()) - 5)] = alphabet[rng.bounded(int(sizeof alphabet - 1))];
        const Read r = answer(readRtf(data));
        QVERIFY(r.ok);
        QVERIFY2(brokenRun(r.text).isEmpty(), qPrintable(brokenRun(r.text)));
    }
}

void TestDocuments::deepNestingIsBounded()
{
    const QByteArray data = "{\\rtf1\\cf1 a" + QByteArray(1'000'000, '{') + "\\b b" + QByteArray(1'000'000, '}') + "c}";
    const Read r = answer(readRtf(data));
    // Groups beyond the bound take the deepest kept group's format, and the
    // closing braces still find their way back to the outermost group.
    QCOMPARE(plainTextOf(r.text), u"abc"_qs);
    QCOMPARE(r.text.back().format.bold, false);
}

// Each line of the golden file: a TXT file's bytes -> the text read -> the
// bytes written back. The bytes are the input; the rest is recomputed.
void TestDocuments::plainTextEncodings()
{
    const auto escaped = [](const QString &text) {
        QString shown;
        for (const QChar c : text)
            shown += c.isPrint() && c != u'\\' && c != u'\u00A0' && c != u'\u00AD'
                ? QString(c)
                : u"\\u%1"_qs.arg(uint(c.unicode()), 4, 16, QChar(u'0'));
        return shown;
    };
    QString transcript;
    for (const QString &line : QString::fromUtf8(readFile(KOLORAT_TEST_DATA "/platform/plain-text.txt")).split(u'\n')) {
        const QByteArray bytes = QByteArray::fromHex(line.section(u" -> "_qs, 0, 0).toLatin1());
        const QString text = decodePlainText(bytes);
        const QByteArray written = encodePlainText(text);
        transcript += line.startsWith(u'#') || line.isEmpty()
            ? line + u'\n'
            : line.section(u" -> "_qs, 0, 0) + u" -> "_qs + escaped(text) + u" -> "_qs
                + (written == bytes ? u"same"_qs : QString::fromLatin1(written.toHex(' ').toUpper())) + u'\n';
    }
    transcript.chop(1);
    KOLORAT_VERIFY_TRANSCRIPT(transcript, "platform/plain-text");
}

void TestDocuments::loadTakesTheDefaultsAndSaveGivesBack()
{
    QTemporaryDir dir;
    const CharFormat defaults{128, u"Verdana"_qs, 14, false, false};
    // Plain text takes the defaults whole; RTF only the font: a colour the
    // file leaves automatic is black, a size it does not give is RTF's 12 pt.
    const QString txt = dir.filePath(u"A.TXT"_qs), rtf = dir.filePath(u"A.RTF"_qs);
    QVERIFY(saveFileBytes(txt, "eins\nzwei").ok());
    QVERIFY(
        saveFileBytes(rtf, R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}a\f0 b\fs20\cf1 c\plain d})")
            .ok());
    QCOMPARE(dumpStyledText(answer(loadDocument(txt, FileKind::PlainText, defaults)).text),
             dumpStyledText({{u"eins\r\nzwei"_qs, defaults}}));
    QCOMPARE(dumpStyledText(answer(loadDocument(rtf, FileKind::Rtf, defaults)).text),
             dumpStyledText({{u"a"_qs, {0, u"Verdana"_qs, 12, false, false}},
                             {u"b"_qs, {0, u"Arial"_qs, 12, false, false}},
                             {u"c"_qs, {255, u"Arial"_qs, 10, false, false}},
                             {u"d"_qs, {0, u"Verdana"_qs, 12, false, false}}}));
    // Saved and loaded again: RTF keeps every format, plain text the characters.
    const StyledText text{{u"Rot\u00AD"_qs, {255, u"Verdana"_qs, 14, true, false}}, {u"men\r\nÄ ß €"_qs, defaults}};
    for (const FileKind kind : {FileKind::Rtf, FileKind::PlainText}) {
        QVERIFY(saveDocument(rtf, kind, text).ok());
        const Read loaded = answer(loadDocument(rtf, kind, defaults));
        QCOMPARE(plainTextOf(loaded.text), plainTextOf(text));
        if (kind == FileKind::Rtf)
            QCOMPARE(dumpStyledText(loaded.text), dumpStyledText(text));
    }
}

void TestDocuments::saveIsAtomic()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"KOLORAT.TXT"_qs);
    QVERIFY(saveFileBytes(path, QByteArray(10000, 'x')).ok());
    QVERIFY(saveDocument(path, FileKind::PlainText, {{u"kurz"_qs, CharFormat{}}}).ok());
    QCOMPARE(readFile(path), QByteArray("kurz"));
    // A folder in the way and a missing folder: nothing changes, the message says why.
    QVERIFY(QDir(dir.path()).mkdir(u"BLOCK.RTF"_qs));
    for (const QString &name : {u"BLOCK.RTF"_qs, u"fehlt/NEU.TXT"_qs}) {
        const QString message = messageOf(saveDocument(dir.filePath(name), FileKind::Rtf, {{u"neu"_qs, CharFormat{}}}));
        QVERIFY2(
            message.startsWith(u"Die Datei „%1“ kann nicht gespeichert werden.\r"_qs.arg(QFileInfo(name).fileName()))
                && message.section(u'\r', 1).size() > 5,
            qPrintable(message));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{u"BLOCK.RTF"_qs, u"KOLORAT.TXT"_qs}));
    QVERIFY(QDir(dir.filePath(u"BLOCK.RTF"_qs)).isEmpty());
}

// Every road of a colour window's save, its boxes and what is on disk after
// it, in one transcript.
void TestDocuments::colouredTextSave()
{
    struct Road {
        QString typed, onDisk; // onDisk: a file holding "alt", or a folder when it ends with '/'
        QStringList listed;
        QString answers; // Y, N or O for each box after the name
    };
    const Road roads[] = {{u"brief"_qs, {}, {u"BRIEF.RTF"_qs}, u"O"_qs},
                          {u"brief.rtf"_qs, u"BRIEF.RTF"_qs, {u"BRIEF.RTF"_qs}, u"YO"_qs},
                          {u"Brief.rtf"_qs, u"BRIEF.RTF"_qs, {u"brief.rtf"_qs}, u"N"_qs},
                          {u"notizen"_qs, u"NOTIZEN"_qs, {}, u"N"_qs},
                          {u"../weg.rtf"_qs, {}, {}, u"O"_qs},
                          {u"kolorathelp.rtf"_qs, {}, {}, u"O"_qs},
                          {{}, {}, {}, {}},
                          {u"ordner"_qs, u"ORDNER/"_qs, {}, u"YO"_qs}};
    RichTextField field;
    field.setText(u"Ab"_qs);
    field.applyColours({textcore::rgb(255, 0, 0), textcore::rgb(0, 0, 255)});
    QString transcript;
    for (const Road &road : roads) {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        if (road.onDisk.endsWith(u'/'))
            QVERIFY(folder.mkdir(road.onDisk));
        else if (!road.onDisk.isEmpty())
            QVERIFY(saveFileBytes(folder.filePath(road.onDisk), "alt").ok());
        testsupport::ScriptedDialogs dialogs;
        dialogs.queueInput(road.typed);
        for (const QChar a : road.answers)
            dialogs.queueAnswer(a == u'Y' ? Answer::Yes : a == u'N' ? Answer::No : Answer::Ok);
        QStringList loaded;
        int refreshes = 0;
        const bool written = saveColouredText(
            field, dialogs,
            {dir.path() + u'/', road.listed, [&](const QString &path) { loaded << path; }, [&] { ++refreshes; }});
        QVERIFY(dialogs.verifyAllAnswered());
        transcript += u"# "_qs + road.typed + u'\n' + testsupport::dialogTranscript(dialogs.calls());
        QVERIFY(!QFileInfo::exists(folder.filePath(u"../WEG.RTF"_qs)));
        for (const QString &name : folder.entryList(QDir::Files))
            transcript += u"file %1: %2\n"_qs.arg(name, QString::fromLatin1(readFile(folder.filePath(name)).left(5)));
        transcript += u"written %1, the editor loads %2, the browser refreshed %3 times\n"_qs.arg(
            written ? u"yes"_qs : u"no"_qs, loaded.isEmpty() ? u"nothing"_qs : folder.relativeFilePath(loaded.front()),
            QString::number(refreshes));
    }
    KOLORAT_VERIFY_TRANSCRIPT(transcript, "platform/coloured-save");
}

// The German help text: read by our own reader, it quotes every menu entry,
// button and trainer key exactly as the program shows them, sets its headings
// apart, and colours its examples as the program would.
void TestDocuments::helpTextQuotesTheProgramAndColoursItsExamples()
{
    const Read loaded = answer(loadDocument(KOLORAT_TEST_DATA "/../../data/KOLORATHELP.RTF", FileKind::Rtf));
    QVERIFY2(loaded.ok, qPrintable(loaded.message));
    const QString text = plainTextOf(loaded.text);
    std::vector<CharFormat> format;
    for (const StyledRun &run : loaded.text)
        format.insert(format.end(), run.text.size(), run.format);
    QVERIFY2(text.size() > 8000, "a help of two to four pages");
    // No stray control words, broken umlauts, hidden marks or lone line-break halves.
    QVERIFY(!text.contains(
        QRegularExpression(u"[\\\\{}\uFFFD\u00C3\u00C2\u00AD\\x00-\\x09\\x0B\\x0C\\x0E-\\x1F]|\r(?!\n)|(?<!\r)\n"_qs)));
    for (const QString &quoted : helpDataLines("program-texts.txt"))
        QVERIFY2(text.contains(quoted), qPrintable(quoted));
    for (const QString &heading : helpDataLines("headings.txt")) {
        const qsizetype at = (u"\r\n"_qs + text).indexOf(u"\r\n"_qs + heading + u"\r\n"_qs);
        QVERIFY2(at >= 0 && format[at].bold && format[at].pointSize > format[at + heading.size() + 2].pointSize,
                 qPrintable(heading + u": not a line of its own that stands out"_qs));
    }
    const QStringList examples = helpDataLines("examples.txt");
    QVERIFY(examples.size() >= 5);
    std::vector<textcore::Colour> colours;
    for (const QString &example : examples) {
        const QString mode = example.section(u'\t', 0, 0);
        const std::u16string marked = example.section(u'\t', 1).replace(u'-', QChar(0x00AD)).toStdU16String();
        const textcore::SyllableColours syllable;
        if (mode == u"S"_qs) // a following blank lets a doubled letter at the end count
            colours = textcore::ColourBySounds(marked + u' ', textcore::SoundColours{}, u"",
                                               textcore::SoundVariant::ColourWindow)
                          .colours;
        else
            colours
                = textcore::ColourBySyllables(marked, syllable.first, syllable.second,
                                              mode == u"M"_qs ? textcore::SyllableCounting::MultiSyllableWords
                                                              : textcore::SyllableCounting::AllSyllablesAlternating);
        // The help shows the example without its syllable marks.
        QString shown, expected, seen;
        for (std::size_t i = 0; i < marked.size(); ++i)
            if (marked[i] != u'\u00AD')
                shown += QChar(marked[i]), expected += QString::number(colours[i]) + u' ';
        QVERIFY2(std::set<textcore::Colour>(colours.begin(), colours.end()).size() >= 2, "one colour shows nothing");
        for (qsizetype at = text.indexOf(shown); at >= 0 && seen != expected; at = text.indexOf(shown, at + 1)) {
            seen.clear();
            for (qsizetype i = 0; i < shown.size(); ++i)
                seen += QString::number(format[at + i].colour) + u' ';
        }
        QCOMPARE(seen, expected);
    }
}

// The colour sheet as the sound colour window draws it: text at its place in
// twips, filled boxes in their colours, an outlined box, lines that after the
// first start at the left edge.
void TestDocuments::pageDrawing()
{
    REQUIRE_POPPLER();
    const QString pdf = m_dir.filePath(u"sheet.pdf"_qs);
    const std::pair<const char *, textcore::Colour> rows[]
        = {{"Hintergrund", 16777215},   {"Mitlaute", 0},         {"Selbstlaute", 49152},   {"Umlaute", 16711680},
           {"Doppelmitlaut", 12583104}, {"Großbuchstaben", 255}, {"Satzzeichen", 12632064}};
    QtPrinter printer(pdf);
    QVERIFY(printer.available());
    printer.setFont(u"Arial"_qs, 18);
    for (int i = 0; i < 7; ++i) {
        printer.setPosition(1500, 1000 * (i + 1));
        printer.printText(QString::fromUtf8(rows[i].first));
        printer.drawBox(QRect(5000, 1000 * (i + 1), 2000, 500), rows[i].second, true);
    }
    printer.drawBox(QRect(1440, 8640, 2880, 1440), 255, false);
    printer.setFont(u"Courier New"_qs, 12);
    printer.setPosition(2880, 11000);
    printer.printText(u"ne  Ro  \r\nsi  se"_qs);
    QCOMPARE(printer.position().x(), 0);
    QVERIFY(printer.endDocument());
    QCOMPARE(pdfPages(pdf), 1);

    // Words with their top left in points from the printable area's corner.
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    const QPointF o = reference.pageLayout().paintRect(QPageLayout::Point).topLeft();
    QMap<QString, QPointF> at;
    static const QRegularExpression word(u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"_qs);
    for (const QRegularExpressionMatch &m : word.globalMatch(run("pdftotext", {u"-bbox"_qs, pdf, u"-"_qs})))
        at.insert(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) - o);
    QCOMPARE(at.size(), 11);
    // 1500 twips are 75 pt; the text's top is at the row's y, within the font's inner leading.
    QVERIFY(qAbs(at[u"Hintergrund"_qs].x() - 75) < 3);
    QVERIFY(at[u"Hintergrund"_qs].y() >= 50 - 1 && at[u"Hintergrund"_qs].y() < 50 + 8);
    QVERIFY(qAbs(at[u"Satzzeichen"_qs].y() - at[u"Hintergrund"_qs].y() - 300) < 2);
    QVERIFY(qAbs(at[u"ne"_qs].x() - 144) < 2 && qAbs(at[u"si"_qs].x()) < 2);
    QVERIFY(at[u"si"_qs].y() - at[u"ne"_qs].y() > 11 && at[u"si"_qs].y() - at[u"ne"_qs].y() < 20);

    const QImage page = pdfPage(pdf, 72);
    auto pixel = [&](double x, double y) { return QColor(page.pixel(qRound(o.x() + x), qRound(o.y() + y))); };
    for (int i = 0; i < 7; ++i) {
        const textcore::Colour c = rows[i].second;
        const QColor wanted(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        const QColor seen = pixel(300, 50 * (i + 1) + 12.5);
        QVERIFY2(qAbs(seen.red() - wanted.red()) <= 3 && qAbs(seen.green() - wanted.green()) <= 3
                     && qAbs(seen.blue() - wanted.blue()) <= 3,
                 qPrintable(seen.name() + u" instead of "_qs + wanted.name()));
        QCOMPARE(pixel(245, 50 * (i + 1) + 12.5).name(), u"#ffffff"_qs);
    }
    // The outlined box: 72..216 pt across, 432..504 pt down, a red edge, a white inside.
    QCOMPARE(pixel(144, 468).name(), u"#ffffff"_qs);
    const QColor edge = pixel(144, 432);
    QVERIFY2(edge.red() > 200 && edge.green() < 90 && edge.blue() < 90, qPrintable(edge.name()));
}

void TestDocuments::longTextBreaksPages()
{
    REQUIRE_POPPLER();
    const QString pdf = m_dir.filePath(u"long.pdf"_qs);
    QtPrinter printer(pdf);
    printer.setFont(u"Courier New"_qs, 12);
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << u"Zeile %1"_qs.arg(i);
    printer.printText(lines.join(u"\r\n"_qs));
    QVERIFY(printer.endDocument());
    QVERIFY(pdfPages(pdf) >= 3 && pdfPages(pdf) <= 4);
    // Nothing lost at the page ends, nothing printed twice.
    QCOMPARE(run("pdftotext", {pdf, u"-"_qs})
                 .split(QRegularExpression(u"[\n\f]"_qs))
                 .filter(QRegularExpression(u"^Zeile"_qs)),
             lines);
}

// A selection prints line by line as laid out, in its own formats; nothing
// selected prints everything.
void TestDocuments::selectionKeepsItsFormatting()
{
    REQUIRE_POPPLER();
    RichTextField field;
    field.setFieldFont(u"DejaVu Sans"_qs, 20);
    field.setStyledText({{u"Anfang "_qs, {}},
                         {u"Rosine"_qs, {textcore::kRed, {}, 40, true, false}},
                         {u" Ende\r\nzweite Zeile"_qs, {}}});
    const std::tuple<int, int, QString, bool> selections[] = {{7, 6, u"Rosine"_qs, true},
                                                              {0, 6, u"Anfang"_qs, false},
                                                              {3, 0, u"Anfang Rosine Ende\nzweite Zeile"_qs, true},
                                                              {14, 11, u"Ende\nzweite"_qs, false}};
    for (const auto &[start, length, printed, red] : selections) {
        QTextCursor selection(field.document());
        selection.setPosition(start);
        selection.setPosition(start + length, QTextCursor::KeepAnchor);
        const QString pdf = m_dir.filePath(u"selection-%1-%2.pdf"_qs.arg(start).arg(length));
        QVERIFY(QtPrinter(pdf).printSelection(selection));
        // Blanks between words collapsed.
        const QString text = run("pdftotext", {u"-layout"_qs, pdf, u"-"_qs});
        QCOMPARE(text.simplified(), QString(printed).replace(u'\n', u' '));
        QCOMPARE(text.trimmed().count(QRegularExpression(u"\n\\s*"_qs)), printed.count(u'\n'));
        QCOMPARE(redPixels(pdfPage(pdf, 50)) > 20, red);
    }
    QCOMPARE(field.text(), u"Anfang Rosine Ende\r\nzweite Zeile"_qs);
}

void TestDocuments::nothingToPrint()
{
    const QString pdf = m_dir.filePath(u"nothing.pdf"_qs);
    QVERIFY(QtPrinter(pdf).endDocument());
    QVERIFY(!QFile::exists(pdf));
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this machine has a printer");
    QtPrinter printer;
    QVERIFY(!printer.available());
    QVERIFY(!printer.printDocument(QTextDocument(u"Text"_qs)));
    printer.printText(u"Text"_qs);
    QVERIFY(!printer.endDocument());
    QVERIFY(noPrinterMessage().contains(u"kein Drucker"_qs));
}

// The PDF worksheet is the printed page: A4, real text, page breaks, and the
// field's reading view (arcs, spacing) on every page.
void TestDocuments::worksheetPdf()
{
    REQUIRE_POPPLER();
    RichTextField field;
    field.setFieldFont(u"DejaVu Sans"_qs, 14);
    StyledText runs;
    for (int i = 0; i < 40; ++i)
        runs.insert(runs.end(),
                    {{u"Ro"_qs, {textcore::kRed, {}, 0, false, false}}, {u"\u00ADsi\u00ADne und Ei.\r\n"_qs, {}}});
    field.setStyledText(runs);
    auto write = [&](const QString &name, ReadingView view) {
        field.setReadingView(view);
        const QString path = m_dir.filePath(name);
        return saveFileBytes(path, pdfOfDocument(*field.document())).ok() ? path : QString();
    };
    const QString single = write(u"single.pdf"_qs, ReadingView{});
    ReadingView view{false, LetterSpacing::Normal, WordSpacing::Normal, LineSpacing::Double};
    const QString spaced = write(u"spaced.pdf"_qs, view);
    view.syllableArcs = true;
    const QString arcs = write(u"arcs.pdf"_qs, view);
    QVERIFY(run("pdfinfo", {arcs}).contains(u"pts (A4)"_qs));
    QVERIFY2(pdfPages(spaced) > pdfPages(single) && pdfPages(single) >= 1, "double line spacing reaches the page");
    QCOMPARE(pdfPages(arcs), pdfPages(spaced));
    QCOMPARE(run("pdftotext", {arcs, u"-"_qs}).remove(QChar(0x00AD)).count(u"Rosine und Ei."_qs), 40);
    // Arcs add colour under the lines: a red arc under every red «Ro».
    QVERIFY(redPixels(pdfPage(arcs, 50)) > redPixels(pdfPage(spaced, 50)) + 20);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
