// Loading and saving files: plain-text encodings and line breaks, defaults,
// atomic replacement and the German messages for files that fail, saving a
// colour window's text, and the help text that ships with the program.
#include "platform/colouredtextsave.h"
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "platform/styledtextdump.h"
#include "support/doubles.h"
#include "textcore/colourreadback.h"
#include "textcore/soundcolouring.h"
#include "textcore/syllablecolouring.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace platform;

namespace {

// The file functions' answers as the checks below read them: the text empty
// and the message set on failure, an empty message for a good save.
struct Loaded {
    bool ok = false;
    QString errorMessage;
    StyledText text;
};

Loaded loadAs(const QString &path, FileKind kind, const CharFormat &defaults = {})
{
    const textcore::Result<StyledText> read = loadDocument(path, kind, defaults);
    if (!read.ok())
        return {false, messageOf(read), {}};
    return {true, {}, read.value()};
}

QString saveAs(const QString &path, FileKind kind, const StyledText &text)
{
    return messageOf(saveDocument(path, kind, text));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The lines of a help data file, without comments and empty lines.
QStringList helpDataLines(const char *name)
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(readAll(KOLORAT_TEST_DATA "/help/" + QString::fromLatin1(name)))
                                   .split(QRegularExpression(QStringLiteral("\r?\n"))))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    return lines;
}

struct SaveCase {
    QString typed, onDisk;
    QStringList listed, answers, boxes; // answers to the boxes after the name; titles of every box
    QString saved;                      // the file written, empty when none
};

} // namespace

Q_DECLARE_METATYPE(SaveCase)

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void plainTextEncodings_data();
    void plainTextEncodings();
    void loadTakesTheDefaultsAndSaveGivesBack();
    void loadFailures_data();
    void loadFailures();
    void saveIsAtomic();
    void colouredTextSave_data();
    void colouredTextSave();
    void helpTextQuotesTheProgramAndColoursItsExamples();
};

void TestFiles::plainTextEncodings_data()
{
    // bytes read as text; null `written`: what is written back is `bytes`.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("windows-1252") << QByteArray("\xC4pfel \xDF \x80 \x84x\x93 Sil\xAD"
                                                "be")
                                  << u"Äpfel ß € „x“ Sil\u00ADbe"_qs << QByteArray();
    QTest::newRow("utf-8 with byte-order mark, beyond 1252")
        << QByteArray("\xEF\xBB\xBF\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n") << u"Łódź\r\n"_qs << QByteArray();
    QTest::newRow("utf-8 byte-order mark before 1252 text") << QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                                                                          "e")
                                                            << u"Grüße"_qs
                                                            << QByteArray("Gr\xFC\xDF"
                                                                          "e");
    QTest::newRow("utf-8 without byte-order mark") << QByteArray("\xC3\x84pfel \xF0\x9F\x98\x80") << u"Äpfel 😀"_qs
                                                   << QByteArray("\xEF\xBB\xBF\xC3\x84pfel \xF0\x9F\x98\x80");
    QTest::newRow("invalid, overlong, surrogate, truncated utf-8 is windows-1252")
        << QByteArray("\xC3\x84 \xFC \xC0\xAF \xED\xA0\x80 \xC3") << u"Ã„ ü À¯ í\u00A0€ Ã"_qs << QByteArray();
    QTest::newRow("utf-16 little endian")
        << QByteArray("\xFF\xFE\xE4\x00\x0D\x00\x0A\x00", 8) << u"ä\r\n"_qs << QByteArray("\xE4\r\n");
    QTest::newRow("utf-16 big endian") << QByteArray("\xFE\xFF\x00\xE4", 4) << u"ä"_qs << QByteArray("\xE4");
    QTest::newRow("every line break is CR LF, none added")
        << QByteArray("a\nb\rc\n\rd\r\n\n") << u"a\r\nb\r\nc\r\n\r\nd\r\n\r\n"_qs
        << QByteArray("a\r\nb\r\nc\r\n\r\nd\r\n\r\n");
    QTest::newRow("empty") << QByteArray() << QString() << QByteArray();
}

void TestFiles::plainTextEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QCOMPARE(decodePlainText(bytes), text);
    QCOMPARE(encodePlainText(text), written.isNull() ? bytes : written);
}

void TestFiles::loadTakesTheDefaultsAndSaveGivesBack()
{
    QTemporaryDir dir;
    const CharFormat defaults{128, u"Verdana"_qs, 14, false, false};
    // Plain text takes the defaults whole.
    const QString txt = dir.filePath(u"A.TXT"_qs);
    writeAll(txt, "eins\nzwei");
    QCOMPARE(dumpStyledText(loadAs(txt, FileKind::PlainText, defaults).text),
             dumpStyledText({{u"eins\r\nzwei"_qs, defaults}}));
    // RTF takes only the font: a colour the file leaves automatic is black,
    // a size it does not give is RTF's 12 pt.
    const QString rtf = dir.filePath(u"A.RTF"_qs);
    writeAll(rtf, R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}a\f0 b\fs20\cf1 c\plain d})");
    QCOMPARE(dumpStyledText(loadAs(rtf, FileKind::Rtf, defaults).text),
             dumpStyledText({{u"a"_qs, {0, u"Verdana"_qs, 12, false, false}},
                             {u"b"_qs, {0, u"Arial"_qs, 12, false, false}},
                             {u"c"_qs, {255, u"Arial"_qs, 10, false, false}},
                             {u"d"_qs, {0, u"Verdana"_qs, 12, false, false}}}));
    // Saved and loaded again: RTF keeps every format, plain text the characters.
    const StyledText text{{u"Rot\u00AD"_qs, {255, u"Verdana"_qs, 14, true, false}}, {u"men\r\nÄ ß €"_qs, defaults}};
    for (const FileKind kind : {FileKind::Rtf, FileKind::PlainText}) {
        QCOMPARE(saveAs(rtf, kind, text), QString());
        const Loaded loaded = loadAs(rtf, kind, defaults);
        QVERIFY(loaded.ok);
        QCOMPARE(plainTextOf(loaded.text), plainTextOf(text));
        if (kind == FileKind::Rtf)
            QCOMPARE(dumpStyledText(loaded.text), dumpStyledText(text));
    }
}

void TestFiles::loadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: no file; "/": a folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing rtf") << u"FEHLT.RTF"_qs << QByteArray() << u"Sie ist nicht vorhanden."_qs;
    QTest::newRow("missing txt") << u"FEHLT.TXT"_qs << QByteArray() << u"Sie ist nicht vorhanden."_qs;
    QTest::newRow("rtf name, plain content")
        << u"BRIEF.RTF"_qs << QByteArray("Lieber Tom") << u"Die Datei enthält keinen RTF-Text."_qs;
    QTest::newRow("empty rtf") << u"LEER.RTF"_qs << QByteArray("") << u"Die Datei ist leer."_qs;
    QTest::newRow("folder") << u"ORDNER.RTF"_qs << QByteArray("/") << u"Das ist ein Ordner."_qs;
}

void TestFiles::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    if (content == "/")
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (!content.isNull())
        writeAll(dir.filePath(name), content);
    const Loaded loaded = loadAs(dir.filePath(name), name.endsWith(u".RTF"_qs) ? FileKind::Rtf : FileKind::PlainText);
    QVERIFY(!loaded.ok);
    QVERIFY(loaded.text.empty());
    QCOMPARE(loaded.errorMessage, u"Die Datei „%1“ kann nicht gelesen werden.\r%2"_qs.arg(name, reason));
}

void TestFiles::saveIsAtomic()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"KOLORAT.TXT"_qs);
    writeAll(path, QByteArray(10000, 'x'));
    QCOMPARE(saveAs(path, FileKind::PlainText, {{u"kurz"_qs, CharFormat{}}}), QString());
    QCOMPARE(readAll(path), QByteArray("kurz"));
    // A folder in the way and a missing folder: nothing changes, the message says why.
    QVERIFY(QDir(dir.path()).mkdir(u"BLOCK.RTF"_qs));
    for (const QString &name : {u"BLOCK.RTF"_qs, u"fehlt/NEU.TXT"_qs}) {
        const QString message = saveAs(dir.filePath(name), FileKind::Rtf, {{u"neu"_qs, CharFormat{}}});
        QVERIFY2(
            message.startsWith(u"Die Datei „%1“ kann nicht gespeichert werden.\r"_qs.arg(QFileInfo(name).fileName()))
                && message.section(u'\r', 1).size() > 5,
            qPrintable(message));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{u"BLOCK.RTF"_qs, u"KOLORAT.TXT"_qs}));
    QVERIFY(QDir(dir.filePath(u"BLOCK.RTF"_qs)).isEmpty());
}

void TestFiles::colouredTextSave_data()
{
    QTest::addColumn<SaveCase>("c");
    const QString ask = u"Textseite speichern"_qs, done = u"Textdatei sichern"_qs,
                  refused = u"Unerlaubter Dateiname"_qs, brief = u"BRIEF.RTF"_qs, error = u"Dateifehler"_qs;
    const auto row = [](const char *name, SaveCase c) { QTest::newRow(name) << c; };
    row("brief saves BRIEF without extension or question", {"brief", "", {"BRIEF.RTF"}, {"Ok"}, {ask, done}, "BRIEF"});
    row("listed brief.rtf asks, Yes replaces",
        {"brief.rtf", brief, {"BRIEF.RTF"}, {"Yes", "Ok"}, {ask, brief, done}, brief});
    row("listed and on disk, No keeps the old file", {"Brief.rtf", brief, {"brief.rtf"}, {"No"}, {ask, brief}, ""});
    row("existing file the browser does not list asks too", {"notizen", "NOTIZEN", {}, {"No"}, {ask, "NOTIZEN"}, ""});
    row("name with a folder refused", {"../weg.rtf", "", {}, {"Ok"}, {ask, refused}, ""});
    row("cancel saves nothing", {"", "", {}, {}, {ask}, ""});
    row("a folder in the way is a file error", {"ordner", "ORDNER/", {}, {"Yes", "Ok"}, {ask, "ORDNER", error}, ""});
}

void TestFiles::colouredTextSave()
{
    QFETCH(SaveCase, c);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    if (c.onDisk.endsWith(u'/'))
        QVERIFY(folder.mkdir(c.onDisk));
    else if (!c.onDisk.isEmpty())
        writeAll(folder.filePath(c.onDisk), "alt");
    RichTextField field;
    field.setText(u"Ab"_qs);
    field.applyColours({textcore::rgb(255, 0, 0), textcore::rgb(0, 0, 255)});
    testsupport::ScriptedDialogs dialogs;
    dialogs.queueInput(c.typed);
    for (const QString &answer : c.answers)
        dialogs.queueAnswer(answer == u"Yes"_qs ? Answer::Yes : answer == u"No"_qs ? Answer::No : Answer::Ok);
    QStringList loaded;
    int refreshes = 0;
    const bool written = saveColouredText(
        field, dialogs,
        {dir.path() + u'/', c.listed, [&](const QString &path) { loaded << path; }, [&] { ++refreshes; }});
    QVERIFY(dialogs.verifyAllAnswered());
    QStringList titles;
    for (const testsupport::DialogCall &call : dialogs.calls())
        titles << call.title;
    QCOMPARE(titles, c.boxes);
    QCOMPARE(dialogs.calls().front().prompt,
             u"Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert."_qs);
    QCOMPARE(dialogs.calls().front().proposed, u"KOLORAT.RTF"_qs);
    if (c.answers.contains(u"No"_qs) || c.answers.contains(u"Yes"_qs)) {
        QCOMPARE(dialogs.calls()[1].prompt,
                 u"Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die "
                 "vorhandene Datei hiermit ersetzen?\r\r"_qs);
        QCOMPARE(dialogs.calls()[1].defaultButton, Answer::No);
    }
    QCOMPARE(written, !c.saved.isEmpty());
    QCOMPARE(refreshes, written ? 1 : 0);
    if (!written) {
        QVERIFY(loaded.isEmpty());
        QVERIFY(!QFileInfo::exists(folder.filePath(u"../WEG.RTF"_qs)));
        if (!c.onDisk.isEmpty() && !c.onDisk.endsWith(u'/'))
            QCOMPARE(readAll(folder.filePath(c.onDisk)), QByteArray("alt"));
        return;
    }
    QCOMPARE(folder.entryList(QDir::Files), QStringList{c.saved});
    QCOMPARE(loaded, QStringList{folder.filePath(c.saved)});
    QCOMPARE(dialogs.lastCall().prompt, c.saved + u" wurde gespeichert.\r\r"_qs);
    RichTextField back;
    QVERIFY(back.loadFile(loaded.front(), FileKind::Rtf).ok());
    QCOMPARE(back.coloursOfAllPositions(), field.coloursOfAllPositions());
}

// The German help text: read by our own reader, it quotes every menu entry,
// button and trainer key exactly as the program shows them, sets its headings
// apart, colours its examples as the program would, and when loaded from the
// file list gives the initial colours back.
void TestFiles::helpTextQuotesTheProgramAndColoursItsExamples()
{
    const Loaded loaded = loadAs(KOLORAT_TEST_DATA "/../../data/KOLORATHELP.RTF", FileKind::Rtf);
    QVERIFY2(loaded.ok, qPrintable(loaded.errorMessage));
    QString text;
    std::vector<CharFormat> format;
    for (const StyledRun &run : loaded.text) {
        text += run.text;
        format.insert(format.end(), run.text.size(), run.format);
    }
    QVERIFY2(text.size() > 8000, "a help of two to four pages");
    for (QChar c : u"\\{}\uFFFD\u00C3\u00C2\u00AD"_qs) // stray control words, broken umlauts, hidden marks
        QVERIFY2(!text.contains(c), qPrintable(QString(c)));
    QVERIFY(!text.contains(QRegularExpression(u"[\\x00-\\x09\\x0B\\x0C\\x0E-\\x1F]|\r(?!\n)|(?<!\r)\n"_qs)));
    for (const QString &quoted : helpDataLines("program-texts.txt"))
        QVERIFY2(text.contains(quoted), qPrintable(quoted));
    for (const QString &heading : helpDataLines("headings.txt")) {
        const qsizetype at = (u"\r\n"_qs + text).indexOf(u"\r\n"_qs + heading + u"\r\n"_qs);
        QVERIFY2(at >= 0, qPrintable(heading + u": not a line of its own"_qs));
        const CharFormat &next = format[at + heading.size() + 2]; // the line below
        QVERIFY2(format[at].bold && format[at].pointSize > next.pointSize,
                 qPrintable(heading + u": does not stand out"_qs));
    }
    const QStringList examples = helpDataLines("examples.txt");
    QVERIFY(examples.size() >= 5);
    for (const QString &example : examples) {
        const QString mode = example.section(u'\t', 0, 0);
        const std::u16string marked = example.section(u'\t', 1).replace(u'-', QChar(0x00AD)).toStdU16String();
        const textcore::SyllableColours syllable;
        std::vector<textcore::Colour> colours;
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
    std::vector<textcore::Colour> colours;
    for (const CharFormat &f : format)
        colours.push_back(f.colour);
    const textcore::ColourReadBack found = textcore::ReadColoursFromText(text.toStdU16String(), colours);
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

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
