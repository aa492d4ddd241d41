// Everything the writer writes comes back unchanged through the reader, and
// the control words it uses are the ones other programs understand.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace platform;

Q_DECLARE_METATYPE(platform::StyledText)

namespace {

CharFormat fmt(textcore::Colour colour, const QString &font = {}, double size = 0, bool bold = false,
               bool italic = false)
{
    CharFormat f;
    f.colour = colour;
    f.fontName = font;
    f.pointSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

// Joins neighbours of equal format and drops empty runs: the form the reader
// gives, so that round trips compare exactly.
StyledText normalised(const StyledText &in)
{
    StyledText out;
    for (const StyledRun &run : in) {
        if (run.text.isEmpty())
            continue;
        if (!out.empty() && out.back().format == run.format)
            out.back().text += run.text;
        else
            out.push_back(run);
    }
    return out;
}

QByteArray describeRuns(const StyledText &t)
{
    QString s;
    for (const StyledRun &r : t)
        s += QStringLiteral("[%1|%2|%3|%4|%5%6] ")
                 .arg(r.text, QString::number(r.format.colour), r.format.fontName, QString::number(r.format.pointSize),
                      r.format.bold ? u"b"_qs : QString(), r.format.italic ? u"i"_qs : QString());
    return s.toUtf8();
}

bool sameRuns(const StyledText &a, const StyledText &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].text != b[i].text || !(a[i].format == b[i].format))
            return false;
    return true;
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void controlWords_data();
    void controlWords();
    void sizesAreKeptToTheHalfPoint();
    void readFilesSurviveWriteAndRead_data();
    void readFilesSurviveWriteAndRead();
    void manyColoursRoundTrip();
};

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<StyledText>("text");
    const QString arial = QStringLiteral("Arial");
    const QString verdana = QStringLiteral("Verdana");
    QTest::newRow("empty") << StyledText{};
    QTest::newRow("one plain run") << StyledText{{u"Hallo Welt"_qs, fmt(0, arial, 12)}};
    QTest::newRow("every attribute changes") << StyledText{{u"Wil"_qs, fmt(255, arial, 12)},
                                                           {u"\u00ADkom"_qs, fmt(16711680, verdana, 20, true)},
                                                           {u"\u00ADmen"_qs, fmt(32768, arial, 9, false, true)},
                                                           {u"!"_qs, fmt(0, verdana, 12, true, true)}};
    QTest::newRow("black, white and an explicit black after colour") << StyledText{{u"a"_qs, fmt(0, arial, 12)},
                                                                                   {u"b"_qs, fmt(16777215, arial, 12)},
                                                                                   {u"c"_qs, fmt(255, arial, 12)},
                                                                                   {u"d"_qs, fmt(0, arial, 12)}};
    // A size the file does not give reads as RTF's 12 pt, so only the font stays open.
    QTest::newRow("open font after set ones") << StyledText{{u"a"_qs, fmt(255, arial, 12, true)},
                                                            {u"b"_qs, fmt(255, QString(), 12)},
                                                            {u"c"_qs, fmt(255, QString(), 14)},
                                                            {u"d"_qs, fmt(0, arial, 12)}};
    QTest::newRow("text ends with a line break") << StyledText{{u"Zeile\r\n"_qs, fmt(0, arial, 12)}};
    QTest::newRow("only line breaks") << StyledText{{u"\r\n\r\n"_qs, fmt(0, arial, 12)}};
    QTest::newRow("coloured line breaks")
        << StyledText{{u"a\r\n"_qs, fmt(255, arial, 12)}, {u"\r\nb"_qs, fmt(16711680, arial, 12)}};
    QTest::newRow("soft hyphen at a colour change")
        << StyledText{{u"Sil\u00AD"_qs, fmt(255, arial, 12)}, {u"be"_qs, fmt(16711680, arial, 12)}};
    QTest::newRow("no-break space, tab and escapes") << StyledText{{u"10\u00A0kg\t{x} \\y\\"_qs, fmt(0, arial, 12)}};
    QTest::newRow("umlauts, sharp s, euro and quotes")
        << StyledText{{u"Äpfel Öl Übel äöüß 5 € „zitiert“ – ‚so‘ …"_qs, fmt(0, arial, 12)}};
    QTest::newRow("beyond Windows-1252") << StyledText{{u"Łódź Ωmega ★ 가 中"_qs, fmt(0, arial, 12)}};
    QTest::newRow("emoji as surrogate pair") << StyledText{{u"Hallo 😀!"_qs, fmt(255, arial, 12)}};
    QTest::newRow("control characters and C1 bytes")
        << StyledText{{u"a\u0001b\u0081c\u009Dd\u007F"_qs, fmt(0, arial, 12)}};
    QTest::newRow("letters and digits after a format change") << StyledText{
        {u"1"_qs, fmt(255, arial, 12)}, {u"2 a"_qs, fmt(0, arial, 12)}, {u" b"_qs, fmt(0, arial, 12, true)}};
    QTest::newRow("font names with umlaut and beyond 1252")
        << StyledText{{u"a"_qs, fmt(0, u"Grüne Schrift"_qs, 12)}, {u"b"_qs, fmt(0, u"Шрифт"_qs, 12)}};
    QTest::newRow("large and small sizes")
        << StyledText{{u"a"_qs, fmt(0, arial, 0.5)}, {u"b"_qs, fmt(0, arial, 72)}, {u"c"_qs, fmt(0, arial, 1638)}};
}

void TestRtfWriter::roundTrip()
{
    QFETCH(StyledText, text);
    const QByteArray rtf = writeRtf(text);
    const textcore::Result<StyledText> back = readRtf(rtf);
    QVERIFY2(back.ok(), qPrintable(messageOf(back)));
    const StyledText expected = normalised(text);
    if (!sameRuns(back.value(), expected)) {
        qWarning("written: %s", rtf.constData());
        QFAIL(qPrintable(
            QStringLiteral("expected %1\nactual   %2")
                .arg(QString::fromUtf8(describeRuns(expected)), QString::fromUtf8(describeRuns(back.value())))));
    }
}

void TestRtfWriter::controlWords_data()
{
    QTest::addColumn<StyledText>("text");
    QTest::addColumn<QByteArray>("expected");
    const CharFormat f = fmt(255, u"Arial"_qs, 12.5, true, true);
    QTest::newRow("header") << StyledText{{u"x"_qs, f}}
                            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}");
    QTest::newRow("colour table starts with the automatic entry")
        << StyledText{{u"x"_qs, f}} << QByteArray("{\\colortbl;\\red255\\green0\\blue0;}");
    QTest::newRow("run format") << StyledText{{u"x"_qs, f}} << QByteArray("\\f0\\fs25\\cf1\\b\\i x");
    QTest::newRow("soft hyphen") << StyledText{{u"a\u00ADb"_qs, f}} << QByteArray("a\\-b");
    QTest::newRow("no-break space") << StyledText{{u"a\u00A0b"_qs, f}} << QByteArray("a\\~b");
    QTest::newRow("umlaut as hex byte") << StyledText{{u"ä€"_qs, f}} << QByteArray("\\'e4\\'80");
    QTest::newRow("beyond 1252 as unicode") << StyledText{{u"Ł"_qs, f}} << QByteArray("\\u321?");
    QTest::newRow("above 32767 negative") << StyledText{{u"가"_qs, f}} << QByteArray("\\u-21504?");
    QTest::newRow("line break") << StyledText{{u"a\r\nb"_qs, f}} << QByteArray("a\\par\r\nb");
    QTest::newRow("final par closes the last paragraph") << StyledText{{u"a"_qs, f}} << QByteArray("a\\par\r\n}");
    QTest::newRow("tab") << StyledText{{u"a\tb"_qs, f}} << QByteArray("a\\tab b");
    QTest::newRow("bold off") << StyledText{{u"a"_qs, f}, {u"b"_qs, fmt(255, u"Arial"_qs, 12.5, false, true)}}
                              << QByteArray("a\\b0 b");
}

void TestRtfWriter::controlWords()
{
    QFETCH(StyledText, text);
    QFETCH(QByteArray, expected);
    const QByteArray rtf = writeRtf(text);
    QVERIFY2(rtf.contains(expected), rtf.constData());
}

void TestRtfWriter::sizesAreKeptToTheHalfPoint()
{
    const StyledText text{{u"a"_qs, fmt(0, u"Arial"_qs, 10.26)},
                          {u"b"_qs, fmt(0, u"Arial"_qs, 10.74)},
                          {u"c"_qs, fmt(0, u"Arial"_qs, 10.2)}};
    const textcore::Result<StyledText> back = readRtf(writeRtf(text));
    QCOMPARE(back.value().size(), 2u);
    QCOMPARE(back.value()[0].text, u"ab"_qs);
    QCOMPARE(back.value()[0].format.pointSize, 10.5);
    QCOMPARE(back.value()[1].format.pointSize, 10.0);
}

void TestRtfWriter::readFilesSurviveWriteAndRead_data()
{
    QTest::addColumn<QString>("path");
    const QString dir = QStringLiteral(KOLORAT_TEST_DATA "/rtf");
    for (const QString &f : QDir(dir).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(f)) << dir + u'/' + f;
}

void TestRtfWriter::readFilesSurviveWriteAndRead()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const textcore::Result<StyledText> first = readRtf(file.readAll());
    QVERIFY(first.ok());
    const textcore::Result<StyledText> second = readRtf(writeRtf(first.value()));
    QVERIFY(second.ok());
    QVERIFY2(sameRuns(first.value(), second.value()), describeRuns(second.value()).constData());
}

void TestRtfWriter::manyColoursRoundTrip()
{
    StyledText text;
    for (int i = 0; i < 5000; ++i)
        text.push_back(
            {QString(QChar(u'a' + i % 26)) + u"\u00AD"_qs,
             fmt(static_cast<textcore::Colour>(i * 3337 % 16777216), u"Arial"_qs, 12, i % 3 == 0, i % 5 == 0)});
    const textcore::Result<StyledText> back = readRtf(writeRtf(text));
    QVERIFY(back.ok());
    QVERIFY(sameRuns(back.value(), normalised(text)));
}

QTEST_GUILESS_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
