// Loading and saving the two file kinds: encodings, line breaks, defaults,
// atomic replacement and the German messages for files that fail.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

CharFormat defaultFormat()
{
    CharFormat f;
    f.colour = 128;
    f.fontName = QStringLiteral("Verdana");
    f.pointSize = 14;
    return f;
}

} // namespace

class TestDocumentFiles : public QObject {
    Q_OBJECT
private slots:
    void decodePlainText_data();
    void decodePlainText();
    void encodePlainText_data();
    void encodePlainText();
    void plainTextFileRoundTrip();
    void plainTextTakesTheDefaults();
    void rtfFillsOpenFontFromDefaults();
    void rtfFileRoundTrip();
    void loadFailures_data();
    void loadFailures();
    void saveReplacesTheWholeFile();
    void failedSaveKeepsWhatIsThere();
};

void TestDocumentFiles::decodePlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Hallo Welt") << u"Hallo Welt"_qs;
    QTest::newRow("windows-1252 umlauts and euro") << QByteArray("\xC4pfel \xDF \x80 \x84x\x93") << u"Äpfel ß € „x“"_qs;
    QTest::newRow("windows-1252 soft hyphen") << QByteArray("Sil\xAD"
                                                            "be")
                                              << u"Sil\u00ADbe"_qs;
    QTest::newRow("utf-8 with byte-order mark") << QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                                                              "e")
                                                << u"Grüße"_qs;
    QTest::newRow("utf-8 byte-order mark before ascii") << QByteArray("\xEF\xBB\xBFHi") << u"Hi"_qs;
    QTest::newRow("utf-8 without byte-order mark")
        << QByteArray("\xC3\x84pfel \xE2\x82\xAC \xF0\x9F\x98\x80") << u"Äpfel € 😀"_qs;
    QTest::newRow("invalid utf-8 is windows-1252") << QByteArray("\xC3\x84pfel \xFC") << u"Ã„pfel ü"_qs;
    QTest::newRow("overlong utf-8 is windows-1252") << QByteArray("\xC0\xAF") << u"À¯"_qs;
    QTest::newRow("utf-8 surrogate is windows-1252") << QByteArray("\xED\xA0\x80") << u"í\u00A0€"_qs;
    QTest::newRow("truncated utf-8 is windows-1252") << QByteArray("ab\xC3") << u"abÃ"_qs;
    QTest::newRow("utf-16 little endian") << QByteArray("\xFF\xFE\xE4\x00\x0D\x00\x0A\x00", 8) << u"ä\r\n"_qs;
    QTest::newRow("utf-16 big endian") << QByteArray("\xFE\xFF\x00\xE4", 4) << u"ä"_qs;
    QTest::newRow("CR LF stays") << QByteArray("a\r\nb\r\n") << u"a\r\nb\r\n"_qs;
    QTest::newRow("lone LF becomes CR LF") << QByteArray("a\nb\n\n") << u"a\r\nb\r\n\r\n"_qs;
    QTest::newRow("lone CR becomes CR LF") << QByteArray("a\rb\r") << u"a\r\nb\r\n"_qs;
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << u"a\r\n\r\nb"_qs;
    QTest::newRow("no break is added at the end") << QByteArray("a") << u"a"_qs;
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestDocumentFiles::decodePlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(platform::decodePlainText(bytes), text);
}

void TestDocumentFiles::encodePlainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("windows-1252") << u"Äpfel ß € „x“ Sil\u00ADbe"_qs
                                  << QByteArray("\xC4pfel \xDF \x80 \x84x\x93 Sil\xAD"
                                                "be");
    QTest::newRow("CR LF kept, nothing added") << u"a\r\nb"_qs << QByteArray("a\r\nb");
    QTest::newRow("lone breaks written as CR LF") << u"a\nb\rc"_qs << QByteArray("a\r\nb\r\nc");
    QTest::newRow("beyond 1252 gives utf-8 with byte-order mark")
        << u"Łódź\r\n"_qs << QByteArray("\xEF\xBB\xBF\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    QTest::newRow("emoji gives utf-8") << u"😀"_qs << QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestDocumentFiles::encodePlainText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(platform::encodePlainText(text), bytes);
    // Whatever is written reads back as the same text.
    QCOMPARE(platform::decodePlainText(bytes),
             QString(text).replace(u"\r\n"_qs, u"\n"_qs).replace(u'\r', u'\n').replace(u"\n"_qs, u"\r\n"_qs));
}

void TestDocumentFiles::plainTextFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TEXT.TXT"));
    const StyledText text{{u"Wil\u00ADkom"_qs, defaultFormat()}, {u"men\r\nÄ ß €"_qs, CharFormat{}}};
    QCOMPARE(messageOf(saveDocument(path, FileKind::PlainText, text)), QString());
    QCOMPARE(readAll(path), QByteArray("Wil\xADkommen\r\n\xC4 \xDF \x80"));
    const textcore::Result<StyledText> loaded = loadDocument(path, FileKind::PlainText, defaultFormat());
    QVERIFY(loaded.ok());
    QCOMPARE(plainTextOf(loaded.value()), u"Wil\u00ADkommen\r\nÄ ß €"_qs);
}

void TestDocumentFiles::plainTextTakesTheDefaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.TXT"));
    writeAll(path, "eins\nzwei");
    const textcore::Result<StyledText> loaded = loadDocument(path, FileKind::PlainText, defaultFormat());
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().size(), 1u);
    QCOMPARE(loaded.value()[0].text, u"eins\r\nzwei"_qs);
    QVERIFY(loaded.value()[0].format == defaultFormat());

    writeAll(path, "");
    const textcore::Result<StyledText> empty = loadDocument(path, FileKind::PlainText, defaultFormat());
    QVERIFY(empty.ok());
    QVERIFY(empty.value().empty());
}

void TestDocumentFiles::rtfFillsOpenFontFromDefaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.RTF"));
    writeAll(path, R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}a\f0 b\fs20\cf1 c\plain d})");
    const textcore::Result<StyledText> loaded = loadDocument(path, FileKind::Rtf, defaultFormat());
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().size(), 4u);
    // The colour the file leaves automatic is black, not the default colour;
    // the size it does not give is RTF's 12 pt, not the default size.
    QCOMPARE(loaded.value()[0].text, u"a"_qs);
    QCOMPARE(loaded.value()[0].format.fontName, u"Verdana"_qs);
    QCOMPARE(loaded.value()[0].format.pointSize, 12.0);
    QCOMPARE(loaded.value()[0].format.colour, 0u);
    QCOMPARE(loaded.value()[1].format.fontName, u"Arial"_qs);
    QCOMPARE(loaded.value()[1].format.pointSize, 12.0);
    QCOMPARE(loaded.value()[2].format.pointSize, 10.0);
    QCOMPARE(loaded.value()[2].format.colour, 255u);
    QCOMPARE(loaded.value()[3].format.fontName, u"Verdana"_qs);
}

void TestDocumentFiles::rtfFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FARBE.RTF"));
    CharFormat red = defaultFormat();
    red.colour = 255;
    red.bold = true;
    const StyledText text{{u"Rot\u00AD"_qs, red}, {u"schwarz\r\n"_qs, defaultFormat()}};
    QCOMPARE(messageOf(saveDocument(path, FileKind::Rtf, text)), QString());
    QVERIFY(readAll(path).startsWith("{\\rtf1"));
    const textcore::Result<StyledText> loaded = loadDocument(path, FileKind::Rtf, CharFormat{});
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().size(), 2u);
    QCOMPARE(loaded.value()[0].text, text[0].text);
    QVERIFY(loaded.value()[0].format == text[0].format);
    QCOMPARE(loaded.value()[1].text, text[1].text);
    QVERIFY(loaded.value()[1].format == text[1].format);
}

void TestDocumentFiles::loadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty name: no file is made
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing rtf") << u"FEHLT.RTF"_qs << QByteArray() << int(FileKind::Rtf)
                                 << u"Die Datei „FEHLT.RTF“ kann nicht gelesen werden.\rSie ist nicht vorhanden."_qs;
    QTest::newRow("missing txt") << u"FEHLT.TXT"_qs << QByteArray() << int(FileKind::PlainText)
                                 << u"Die Datei „FEHLT.TXT“ kann nicht gelesen werden.\rSie ist nicht vorhanden."_qs;
    QTest::newRow("rtf name, plain content")
        << u"BRIEF.RTF"_qs << QByteArray("Lieber Tom") << int(FileKind::Rtf)
        << u"Die Datei „BRIEF.RTF“ kann nicht gelesen werden.\rDie Datei enthält keinen RTF-Text."_qs;
    QTest::newRow("empty rtf") << u"LEER.RTF"_qs << QByteArray("") << int(FileKind::Rtf)
                               << u"Die Datei „LEER.RTF“ kann nicht gelesen werden.\rDie Datei ist leer."_qs;
    QTest::newRow("folder") << u"ORDNER.RTF"_qs << QByteArray("/") << int(FileKind::Rtf)
                            << u"Die Datei „ORDNER.RTF“ kann nicht gelesen werden.\rDas ist ein Ordner."_qs;
}

void TestDocumentFiles::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (content == "/")
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (!content.isNull())
        writeAll(path, content);
    const textcore::Result<StyledText> loaded = loadDocument(path, static_cast<FileKind>(kind));
    QVERIFY(!loaded.ok());
    QCOMPARE(messageOf(loaded), message);
}

void TestDocumentFiles::saveReplacesTheWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KOLORAT.TXT"));
    writeAll(path, QByteArray(10000, 'x'));
    QCOMPARE(messageOf(saveDocument(path, FileKind::PlainText, {{u"kurz"_qs, CharFormat{}}})), QString());
    QCOMPARE(readAll(path), QByteArray("kurz"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"KOLORAT.TXT"_qs});
}

void TestDocumentFiles::failedSaveKeepsWhatIsThere()
{
    QTemporaryDir dir;
    // A folder in the way cannot be replaced by a file.
    const QString blocked = dir.filePath(QStringLiteral("BLOCK.RTF"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("BLOCK.RTF")));
    writeAll(blocked + QStringLiteral("/inhalt"), "bleibt");
    const QString message = messageOf(saveDocument(blocked, FileKind::Rtf, {{u"neu"_qs, CharFormat{}}}));
    QVERIFY(message.startsWith(u"Die Datei „BLOCK.RTF“ kann nicht gespeichert werden.\r"_qs));
    QCOMPARE(readAll(blocked + QStringLiteral("/inhalt")), QByteArray("bleibt"));

    // A missing folder: nothing is made, and the message says why.
    const QString nowhere = dir.filePath(QStringLiteral("fehlt/NEU.TXT"));
    const QString message2 = messageOf(saveDocument(nowhere, FileKind::PlainText, {{u"neu"_qs, CharFormat{}}}));
    QVERIFY(message2.startsWith(u"Die Datei „NEU.TXT“ kann nicht gespeichert werden.\r"_qs));
    QVERIFY(message2.size() > 50);
    QVERIFY(!QFile::exists(nowhere));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"BLOCK.RTF"_qs});
}

QTEST_GUILESS_MAIN(TestDocumentFiles)
#include "tst_documentfiles.moc"
