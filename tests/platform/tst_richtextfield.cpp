// The rich-text field: plain-text positions with CR LF line breaks, the
// selection, colours one by one and in bulk, runs, and its events.
#include "platform/richtextfield.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <functional>

using platform::CharFormat;
using platform::RichTextField;
using platform::StyledRun;
using platform::StyledText;
using textcore::Colour;

Q_DECLARE_METATYPE(StyledText)
Q_DECLARE_METATYPE(std::function<void(RichTextField &)>)

namespace {

// The characters that position p covers when selected on its own: a line
// break's CR and LF both select the whole break.
QString expectedCharAt(const QString &text, int p)
{
    if (text.at(p) == u'\r' && p + 1 < text.size() && text.at(p + 1) == u'\n')
        return QStringLiteral("\r\n");
    if (text.at(p) == u'\n' && p > 0 && text.at(p - 1) == u'\r')
        return QStringLiteral("\r\n");
    return QString(text.at(p));
}

// Checks every position of the field against its own text().
void verifyEveryPosition(RichTextField &field)
{
    const QString text = field.text();
    QCOMPARE(field.length(), int(text.size()));
    QVERIFY(!field.document()->toRawText().contains(QChar(0x2028)));
    for (int p = 0; p < text.size(); ++p) {
        field.setSel(p, 1);
        const QString expected = expectedCharAt(text, p);
        QCOMPARE(field.selText(), expected);
        const bool isLf = text.at(p) == u'\n';
        QCOMPARE(field.selStart(), isLf ? p - 1 : p);
        QCOMPARE(field.selLength(), int(expected.size()));
        QCOMPARE(field.plainPosition(field.documentPosition(p)), isLf ? p - 1 : p);
    }
}

std::vector<Colour> patternColours(int n, int seed)
{
    std::vector<Colour> colours(size_t(std::max(n, 0)));
    QRandomGenerator rng{quint32(seed)};
    const Colour palette[] = {textcore::kBlack, textcore::kRed, 16711680, 49152, 8421504};
    Colour current = palette[0];
    for (auto &c : colours) {
        if (rng.bounded(3) == 0)
            current = palette[rng.bounded(5)];
        c = current;
    }
    return colours;
}

// Runs as readable lines, so that a difference shows where it is.
QStringList describe(const StyledText &runs)
{
    QStringList lines;
    for (const StyledRun &r : runs) {
        QString text = r.text;
        text.replace(u'\r', QStringLiteral("<CR>")).replace(u'\n', QStringLiteral("<LF>"));
        lines << QStringLiteral("%1 | colour %2 font %3 %4pt%5%6")
                     .arg(text)
                     .arg(r.format.colour)
                     .arg(r.format.fontName)
                     .arg(r.format.pointSize)
                     .arg(r.format.bold ? QStringLiteral(" bold") : QString())
                     .arg(r.format.italic ? QStringLiteral(" italic") : QString());
    }
    return lines;
}

QString joined(const StyledText &runs)
{
    QString s;
    for (const StyledRun &r : runs)
        s += r.text;
    return s;
}

CharFormat fmt(Colour c, const QString &font, double size, bool bold = false, bool italic = false)
{
    CharFormat f;
    f.colour = c;
    f.fontName = font;
    f.pointSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

} // namespace

class TestRichTextField : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void selectionMapping_data();
    void selectionMapping();
    void selTextReplacement_data();
    void selTextReplacement();
    void selColor();
    void bulkColouringEqualsPerCharacter_data();
    void bulkColouringEqualsPerCharacter();
    void bulkColouringTouchesOnlyChanges();
    void positionsStayExactAfterEdits();
    void styledTextRoundTrip_data();
    void styledTextRoundTrip();
    void setTextDropsFormatting();
    void fontForAll();
    void changeSignal_data();
    void changeSignal();
    void clickSignal();
    void shiftEnterIsALineBreak_data();
    void shiftEnterIsALineBreak();
    void pasteNormalisesLineBreaks();
    void copyKeepsCharacters();
    void softHyphenStaysInvisible_data();
    void softHyphenStaysInvisible();
    void selectionCopyKeepsFormatting();
};

// --- positions ------------------------------------------------------------------

void TestRichTextField::positions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one line") << QStringLiteral("Hallo Welt") << QStringLiteral("Hallo Welt");
    QTest::newRow("two lines") << QStringLiteral("ab\r\ncd") << QStringLiteral("ab\r\ncd");
    QTest::newRow("empty lines") << QStringLiteral("a\r\n\r\n\r\nb") << QStringLiteral("a\r\n\r\n\r\nb");
    QTest::newRow("ends with a line break") << QStringLiteral("abc\r\n") << QStringLiteral("abc\r\n");
    QTest::newRow("starts with a line break") << QStringLiteral("\r\nabc") << QStringLiteral("\r\nabc");
    QTest::newRow("only line breaks") << QStringLiteral("\r\n\r\n") << QStringLiteral("\r\n\r\n");
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0b\r\n\u00A0") << QStringLiteral("a\u00A0b\r\n\u00A0");
    QTest::newRow("soft hyphen") << QStringLiteral("Son\u00ADne\r\nMond\u00AD")
                                 << QStringLiteral("Son\u00ADne\r\nMond\u00AD");
    QTest::newRow("surrogate pair") << (QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + crlf
                                        + QString::fromUcs4(U"\U0001F600"))
                                    << (QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + crlf
                                        + QString::fromUcs4(U"\U0001F600"));
    QTest::newRow("tab") << QStringLiteral("a\tb\r\n\t") << QStringLiteral("a\tb\r\n\t");
    QTest::newRow("lone LF becomes CR LF") << QStringLiteral("a\nb\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lone CR becomes CR LF") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
    QTest::newRow("line separator becomes CR LF") << QStringLiteral("a\u2028b") << QStringLiteral("a\r\nb");
    QTest::newRow("paragraph separator becomes CR LF") << QStringLiteral("a\u2029b") << QStringLiteral("a\r\nb");
    QTest::newRow("frame marks do not split lines") << QStringLiteral("a\uFDD0b") << QStringLiteral("a\uFFFDb");
}

void TestRichTextField::positions()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    RichTextField field;
    field.setText(input);
    QCOMPARE(field.text(), expected);
    verifyEveryPosition(field);
}

void TestRichTextField::selectionMapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    const QString t = QStringLiteral("ab\r\ncd\r\n\r\nef");
    QTest::newRow("inside a line") << t << 0 << 2 << QStringLiteral("ab") << 0 << 2;
    QTest::newRow("from CR") << t << 2 << 3 << QStringLiteral("\r\nc") << 2 << 3;
    QTest::newRow("from LF takes the whole break") << t << 3 << 2 << QStringLiteral("\r\nc") << 2 << 3;
    QTest::newRow("ending after CR takes the whole break") << t << 1 << 2 << QStringLiteral("b\r\n") << 1 << 3;
    QTest::newRow("across an empty line") << t << 5 << 6 << QStringLiteral("d\r\n\r\ne") << 5 << 6;
    QTest::newRow("second line") << t << 4 << 2 << QStringLiteral("cd") << 4 << 2;
    QTest::newRow("last character") << t << 11 << 1 << QStringLiteral("f") << 11 << 1;
    QTest::newRow("length beyond the end") << t << 10 << 50 << QStringLiteral("ef") << 10 << 2;
    QTest::newRow("negative start") << t << -3 << 1 << QStringLiteral("a") << 0 << 1;
    QTest::newRow("start beyond the end") << t << 99 << 1 << QString() << 12 << 0;
    QTest::newRow("caret only") << t << 4 << 0 << QString() << 4 << 0;
    QTest::newRow("caret on LF moves before the break") << t << 3 << 0 << QString() << 2 << 0;
}

void TestRichTextField::selectionMapping()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    RichTextField field;
    field.setText(text);
    field.setSel(start, length);
    QCOMPARE(field.selText(), selected);
    QCOMPARE(field.selStart(), selStart);
    QCOMPARE(field.selLength(), selLength);
}

void TestRichTextField::selTextReplacement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");
    QTest::newRow("one for one") << QStringLiteral("Son\u00ADne") << 3 << 1 << QStringLiteral("-")
                                 << QStringLiteral("Son-ne") << 4;
    QTest::newRow("longer") << QStringLiteral("ab\r\ncd") << 4 << 1 << QStringLiteral("xyz")
                            << QStringLiteral("ab\r\nxyzd") << 7;
    QTest::newRow("line break replaced") << QStringLiteral("ab\r\ncd") << 2 << 2 << QStringLiteral("-")
                                         << QStringLiteral("ab-cd") << 3;
    QTest::newRow("line break via its LF")
        << QStringLiteral("ab\r\ncd") << 3 << 1 << QStringLiteral("-") << QStringLiteral("ab-cd") << 3;
    QTest::newRow("inserting a line break")
        << QStringLiteral("abcd") << 2 << 0 << QStringLiteral("\r\n") << QStringLiteral("ab\r\ncd") << 4;
    QTest::newRow("inserting a line separator")
        << QStringLiteral("abcd") << 2 << 0 << QStringLiteral("\u2028") << QStringLiteral("ab\r\ncd") << 4;
    QTest::newRow("deleting") << QStringLiteral("a\r\n\r\nb") << 1 << 4 << QString() << QStringLiteral("ab") << 1;
}

void TestRichTextField::selTextReplacement()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QFETCH(int, caret);
    RichTextField field;
    field.setText(text);
    // Colour the character the replacement starts at; the new text takes it.
    const Colour marked = 16711680;
    if (length > 0) {
        field.setSel(start, 1);
        field.setSelColor(marked);
    }
    field.setSel(start, length);
    const int from = field.selStart();
    field.setSelText(replacement);
    QCOMPARE(field.text(), result);
    QCOMPARE(field.selStart(), caret);
    QCOMPARE(field.selLength(), 0);
    if (length > 0) {
        const int inserted = int(replacement.size());
        const std::vector<Colour> colours = field.coloursOfAllPositions();
        for (int i = from; i < from + inserted; ++i)
            QCOMPARE(colours[size_t(i)], marked);
    }
    verifyEveryPosition(field);
}

void TestRichTextField::selColor()
{
    RichTextField field;
    field.setText(QStringLiteral("abc\r\ndef"));
    field.applyColours({255, 255, 49152, 49152, 49152, 49152, 0, 0});

    field.setSel(0, 2);
    QCOMPARE(field.selColor(), std::optional<Colour>(255));
    field.setSel(1, 2);
    QCOMPARE(field.selColor(), std::nullopt);
    field.setSel(2, 4);
    QCOMPARE(field.selColor(), std::optional<Colour>(49152));
    field.setSel(3, 1); // the line break alone
    QCOMPARE(field.selColor(), std::optional<Colour>(49152));
    field.setSel(5, 2);
    QCOMPARE(field.selColor(), std::nullopt);
    field.setSel(6, 2);
    QCOMPARE(field.selColor(), std::optional<Colour>(0));

    // A caret given a colour changes no character, but typed text gets it.
    const std::vector<Colour> before = field.coloursOfAllPositions();
    field.setSel(8, 0);
    field.setSelColor(16711680);
    QCOMPARE(field.coloursOfAllPositions(), before);
    QCOMPARE(field.selColor(), std::optional<Colour>(16711680));
    field.setSelText(QStringLiteral("g"));
    QCOMPARE(field.coloursOfAllPositions().back(), Colour(16711680));
}

// --- bulk operations ----------------------------------------------------------

void TestRichTextField::bulkColouringEqualsPerCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seed");
    QTest::newRow("one line") << QStringLiteral("Will\u00ADkom\u00ADmen bei uns!") << 1;
    QTest::newRow("line breaks and empty lines") << QStringLiteral("Ein Satz.\r\n\r\nNoch\u00A0einer.\r\n") << 2;
    QTest::newRow("surrogates") << (QStringLiteral("x") + QString::fromUcs4(U"\U0001F600\U0001F601")
                                    + QStringLiteral("\r\ny"))
                                << 3;
    QTest::newRow("only line breaks") << QStringLiteral("\r\n\r\n\r\n") << 4;
    QString longText;
    for (int i = 0; i < 60; ++i)
        longText += QStringLiteral("Zeile %1 mit Wörtern\r\n").arg(i);
    QTest::newRow("many lines") << longText << 5;
}

void TestRichTextField::bulkColouringEqualsPerCharacter()
{
    QFETCH(QString, text);
    QFETCH(int, seed);
    RichTextField bulk;
    RichTextField single;
    bulk.setText(text);
    single.setText(text);
    // A first colouring, then a second one over it, as a window recolours.
    for (int round = 0; round < 2; ++round) {
        const std::vector<Colour> colours = patternColours(int(text.size()), seed + 100 * round);
        bulk.applyColours(colours);
        for (int i = 0; i < int(colours.size()); ++i) {
            single.setSel(i, 1);
            single.setSelColor(colours[size_t(i)]);
        }
        QCOMPARE(bulk.coloursOfAllPositions(), single.coloursOfAllPositions());
        QCOMPARE(describe(bulk.styledText()), describe(single.styledText()));
        // Every position reads back as given; a line break shows its LF's colour.
        const std::vector<Colour> read = bulk.coloursOfAllPositions();
        for (int i = 0; i < int(colours.size()); ++i) {
            const bool isCr = text.at(i) == u'\r';
            QCOMPARE(read[size_t(i)], colours[size_t(isCr ? i + 1 : i)]);
        }
    }
    QCOMPARE(bulk.text(), text);
}

void TestRichTextField::bulkColouringTouchesOnlyChanges()
{
    RichTextField field;
    field.setText(QStringLiteral("Die Sonne scheint.\r\nDer Mond auch."));
    std::vector<Colour> colours = patternColours(field.length(), 7);
    field.applyColours(colours);
    const StyledText first = field.styledText();

    QSignalSpy spy(&field, &RichTextField::changed);
    field.applyColours(colours);
    QCOMPARE(spy.count(), 0);

    // One class changes colour: one change event, one undo step back.
    for (size_t i = 0; i < colours.size(); i += 5)
        colours[i] = 12345;
    field.applyColours(colours);
    QCOMPARE(spy.count(), 1);
    std::vector<Colour> read = field.coloursOfAllPositions();
    QCOMPARE(read[0], Colour(12345));
    field.document()->undo();
    QCOMPARE(describe(field.styledText()), describe(first));

    // Positions beyond a short vector keep their colour.
    const std::vector<Colour> before = field.coloursOfAllPositions();
    field.applyColours({1, 2});
    read = field.coloursOfAllPositions();
    QCOMPARE(read[0], Colour(1));
    QCOMPARE(read[1], Colour(2));
    QVERIFY(std::equal(read.begin() + 2, read.end(), before.begin() + 2));
}

void TestRichTextField::positionsStayExactAfterEdits()
{
    RichTextField field;
    field.setText(QStringLiteral("Anfang\r\n\r\nMitte\r\nEnde"));
    QRandomGenerator rng(42);
    const QString pieces[] = {QStringLiteral("x"),      QStringLiteral("\r\n"),     QStringLiteral("ab\r\ncd"),
                              QStringLiteral("\u00A0"), QStringLiteral("\r\n\r\n"), QString()};
    for (int step = 0; step < 120; ++step) {
        const int n = field.length();
        const int start = int(rng.bounded(n + 1));
        const int len = int(rng.bounded(std::min(n - start, 4) + 1));
        const int action = int(rng.bounded(10));
        if (action < 6) {
            field.setSel(start, len);
            field.setSelText(pieces[rng.bounded(6)]);
        } else if (action < 8) {
            field.setSel(start, len);
            field.setSelColor(Colour(rng.bounded(3)));
        } else if (action == 8) {
            field.document()->undo();
        } else {
            field.document()->redo();
        }
        // Compare the map with one built afresh from the document.
        const QString raw = field.document()->toRawText();
        QString expected = raw;
        expected.replace(QChar(0x2029), QStringLiteral("\r\n"));
        QCOMPARE(field.text(), expected);
        QCOMPARE(field.length(), int(expected.size()));
        int doc = 0;
        for (int p = 0; p < expected.size(); ++p) {
            QCOMPARE(field.documentPosition(p), doc);
            if (expected.at(p) != u'\r')
                ++doc;
        }
    }
    verifyEveryPosition(field);
}

// --- runs -----------------------------------------------------------------------

void TestRichTextField::styledTextRoundTrip_data()
{
    QTest::addColumn<StyledText>("runs");
    QTest::addColumn<QString>("font");
    const QString f = QStringLiteral("DejaVu Sans");
    QTest::newRow("one run") << StyledText{{QStringLiteral("Hallo"), fmt(255, f, 12)}} << f;
    QTest::newRow("colours, sizes, bold, italic")
        << StyledText{{QStringLiteral("Ro"), fmt(255, f, 12)},
                      {QStringLiteral("t\u00AD"), fmt(49152, f, 12, true)},
                      {QStringLiteral("\u00A0gr"), fmt(16711680, f, 14.5, false, true)},
                      {QStringLiteral("\u00FCn"), fmt(0, QStringLiteral("DejaVu Serif"), 20, true, true)}}
        << f;
    QTest::newRow("line breaks inside and between runs") << StyledText{{QStringLiteral("ab\r\n"), fmt(255, f, 12)},
                                                                       {QStringLiteral("\r\n"), fmt(49152, f, 12)},
                                                                       {QStringLiteral("cd\r\n"), fmt(0, f, 16)}}
                                                         << f;
    QTest::newRow("surrogates") << StyledText{{QString::fromUcs4(U"\U0001F600"), fmt(255, f, 12)},
                                              {QStringLiteral("z"), fmt(0, f, 12)}}
                                << f;
}

void TestRichTextField::styledTextRoundTrip()
{
    QFETCH(StyledText, runs);
    QFETCH(QString, font);
    RichTextField field;
    field.setFieldFont(font, 12);
    field.setStyledText(runs);
    QCOMPARE(describe(field.styledText()), describe(runs));
    QCOMPARE(field.text(), joined(runs));
    verifyEveryPosition(field);
    // A second field fed with the first one's runs shows the same.
    RichTextField copy;
    copy.setStyledText(field.styledText());
    QCOMPARE(describe(copy.styledText()), describe(runs));
}

void TestRichTextField::setTextDropsFormatting()
{
    RichTextField field;
    field.setFieldFont(QStringLiteral("DejaVu Sans"), 16);
    field.setStyledText({{QStringLiteral("ab"), fmt(255, QStringLiteral("DejaVu Serif"), 30, true, true)}});
    field.setSel(2, 0);
    field.setSelColor(49152);
    field.setText(QStringLiteral("neu\r\nText"));
    QCOMPARE(describe(field.styledText()),
             describe({{QStringLiteral("neu\r\nText"), fmt(0, QStringLiteral("DejaVu Sans"), 16)}}));
    QCOMPARE(field.selStart(), 0);
    QCOMPARE(field.selColor(), std::optional<Colour>(0));
    QVERIFY(!field.document()->isUndoAvailable());

    // A CR LF split across two runs is still one line break.
    field.setStyledText({{QStringLiteral("a\r"), fmt(255, {}, 0)}, {QStringLiteral("\nb"), fmt(0, {}, 0)}});
    QCOMPARE(field.text(), QStringLiteral("a\r\nb"));
}

void TestRichTextField::fontForAll()
{
    RichTextField field;
    field.setStyledText({{QStringLiteral("ab"), fmt(255, QStringLiteral("DejaVu Serif"), 30, true)},
                         {QStringLiteral("\r\ncd"), fmt(0, QStringLiteral("DejaVu Sans"), 10, false, true)}});
    field.setFieldFont(QStringLiteral("Verdana"), 16);
    // Name and size change everywhere; colours, bold and italic stay.
    QCOMPARE(describe(field.styledText()),
             describe({{QStringLiteral("ab"), fmt(255, QStringLiteral("Verdana"), 16, true)},
                       {QStringLiteral("\r\ncd"), fmt(0, QStringLiteral("Verdana"), 16, false, true)}}));
    const StyledText runs = field.styledText();
    for (const StyledRun &r : runs) {
        QCOMPARE(r.format.fontName, QStringLiteral("Verdana"));
        QCOMPARE(r.format.pointSize, 16.0);
    }
    QCOMPARE(runs.front().format.bold, true);
    QCOMPARE(runs.back().format.italic, true);
    field.setFieldFontSize(24.5);
    QCOMPARE(field.fieldFontSize(), 24.5);
    QCOMPARE(field.styledText().back().format.pointSize, 24.5);
    QCOMPARE(field.fieldFontName(), QStringLiteral("Verdana"));
    // New text after setText takes the field's font.
    field.setText(QStringLiteral("x"));
    QCOMPARE(describe(field.styledText()), describe({{QStringLiteral("x"), fmt(0, QStringLiteral("Verdana"), 24.5)}}));
}

// --- events ---------------------------------------------------------------------

void TestRichTextField::changeSignal_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<std::function<void(RichTextField &)>>("action");
    QTest::addColumn<int>("expected");
    using Action = std::function<void(RichTextField &)>;
    QTest::newRow("set text") << QStringLiteral("ab") << Action([](RichTextField &f) { f.setText("xy"); }) << 1;
    QTest::newRow("set empty text on empty field")
        << QString() << Action([](RichTextField &f) { f.setText(QString()); }) << 1;
    QTest::newRow("replace selection") << QStringLiteral("ab") << Action([](RichTextField &f) {
        f.setSel(0, 1);
        f.setSelText("z");
    }) << 1;
    QTest::newRow("colour selection") << QStringLiteral("ab") << Action([](RichTextField &f) {
        f.setSel(0, 2);
        f.setSelColor(255);
    }) << 1;
    QTest::newRow("bulk colours") << QStringLiteral("ab\r\ncd") << Action([](RichTextField &f) {
        f.applyColours({1, 2, 3, 3, 4, 5});
    }) << 1;
    QTest::newRow("runs") << QStringLiteral("ab") << Action([](RichTextField &f) {
        f.setStyledText({{QStringLiteral("q"), CharFormat{}}});
    }) << 1;
    QTest::newRow("typing") << QStringLiteral("ab") << Action([](RichTextField &f) { QTest::keyClick(&f, Qt::Key_X); })
                            << 1;
    QTest::newRow("selecting only") << QStringLiteral("ab") << Action([](RichTextField &f) { f.setSel(0, 2); }) << 0;
    QTest::newRow("caret colour only") << QStringLiteral("ab") << Action([](RichTextField &f) {
        f.setSel(1, 0);
        f.setSelColor(255);
    }) << 0;
}

void TestRichTextField::changeSignal()
{
    QFETCH(QString, start);
    QFETCH(std::function<void(RichTextField &)>, action);
    QFETCH(int, expected);
    RichTextField field;
    field.setText(start);
    QSignalSpy spy(&field, &RichTextField::changed);
    action(field);
    QCOMPARE(spy.count(), expected);
}

void TestRichTextField::clickSignal()
{
    RichTextField field;
    field.resize(400, 200);
    field.setText(QStringLiteral("Erste Zeile\r\nZweite Zeile"));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));

    // The caret must already stand at the clicked place when the event comes.
    int caretAtClick = -1;
    connect(&field, &RichTextField::clicked, &field, [&] { caretAtClick = field.selStart(); });
    QSignalSpy spy(&field, &RichTextField::clicked);
    QTextCursor c(field.document());
    c.setPosition(field.documentPosition(16)); // "Zw|eite"
    const QPoint at = field.cursorRect(c).center() + QPoint(1, 0);
    QTest::mouseClick(field.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(caretAtClick, 16);

    QTest::mouseClick(field.viewport(), Qt::RightButton, {}, at);
    QCOMPARE(spy.count(), 1);
}

void TestRichTextField::shiftEnterIsALineBreak_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("Shift+Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::ShiftModifier | Qt::KeypadModifier);
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
}

void TestRichTextField::shiftEnterIsALineBreak()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    RichTextField field;
    field.setText(QStringLiteral("abcd"));
    field.setSel(2, 0);
    QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(field.text(), QStringLiteral("ab\r\ncd"));
    QCOMPARE(field.selStart(), 4);
    verifyEveryPosition(field);
}

void TestRichTextField::pasteNormalisesLineBreaks()
{
    RichTextField field;
    field.setText(QStringLiteral("[]"));
    field.setSel(1, 0);
    field.setSelColor(255);
    auto *data = new QMimeData;
    data->setText(QStringLiteral("x\u2028y\u2029z\r\nw\n\u00A0"));
    QApplication::clipboard()->setMimeData(data);
    field.paste();
    QCOMPARE(field.text(), QStringLiteral("[x\r\ny\r\nz\r\nw\r\n\u00A0]"));
    QCOMPARE(field.coloursOfAllPositions()[1], Colour(255));
    verifyEveryPosition(field);

    // Read-only fields take nothing.
    field.setReadOnly(true);
    field.setSel(0, 0);
    field.paste();
    QCOMPARE(field.text(), QStringLiteral("[x\r\ny\r\nz\r\nw\r\n\u00A0]"));
}

void TestRichTextField::copyKeepsCharacters()
{
    RichTextField field;
    field.setText(QStringLiteral("a\u00A0b\u00AD\r\nc"));
    field.selectAll();
    field.copy();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\u00A0b\u00AD\nc"));
}

// The field lays text out without shaping; a soft hyphen inside a line must
// still take no room, coloured or not, so that hidden separators stay hidden.
void TestRichTextField::softHyphenStaysInvisible_data()
{
    QTest::addColumn<bool>("coloured");
    QTest::newRow("plain") << false;
    QTest::newRow("every letter coloured") << true;
}

void TestRichTextField::softHyphenStaysInvisible()
{
    QFETCH(bool, coloured);
    RichTextField withHyphens;
    RichTextField without;
    withHyphens.setText(QStringLiteral("Will\u00ADkom\u00ADmen"));
    without.setText(QStringLiteral("Willkommen"));
    if (coloured) {
        withHyphens.applyColours(patternColours(withHyphens.length(), 3));
        without.applyColours(patternColours(without.length(), 4));
    }
    QVERIFY(without.document()->idealWidth() > 0);
    QCOMPARE(withHyphens.document()->idealWidth(), without.document()->idealWidth());
}

// Printing the selection works on a copy; it must hold exactly the selected
// characters with their colours and fonts.
void TestRichTextField::selectionCopyKeepsFormatting()
{
    RichTextField field;
    field.setStyledText({{QStringLiteral("ab"), fmt(255, QStringLiteral("DejaVu Sans"), 12)},
                         {QStringLiteral("c\r\nd\u00A0"), fmt(49152, QStringLiteral("DejaVu Serif"), 20, true)},
                         {QStringLiteral("ef"), fmt(0, QStringLiteral("DejaVu Sans"), 12)}});
    field.setSel(1, 6); // "bc\r\nd\u00A0"
    const std::unique_ptr<QTextDocument> copy = field.selectionAsDocument();
    QCOMPARE(copy->toRawText(), QStringLiteral("bc\u2029d\u00A0"));
    RichTextField shown;
    shown.setStyledText({});
    shown.document()->setDefaultFont(copy->defaultFont());
    QTextCursor(shown.document()).insertFragment(QTextDocumentFragment(copy.get()));
    QCOMPARE(describe(shown.styledText()),
             describe({{QStringLiteral("b"), fmt(255, QStringLiteral("DejaVu Sans"), 12)},
                       {QStringLiteral("c\r\nd\u00A0"), fmt(49152, QStringLiteral("DejaVu Serif"), 20, true)}}));
}

QTEST_MAIN(TestRichTextField)
#include "tst_richtextfield.moc"
