// The rich-text field: plain-text positions with CR LF line breaks checked
// against the document they map to, colours one by one and in bulk, runs,
// its events, and the reading view (arcs and spacing) that never touches the text.
#include "platform/richtextfield.h"
#include "platform/rtfwriter.h"
#include "platform/styledtextdump.h"
#include "support/arcscheck.h"

#include <QtTest>
#include <QtWidgets>

using namespace platform;
using textcore::Colour;

namespace {

// Every position of the field against its own text(), and the text against
// the document: a line break's CR and LF both select the whole break.
void verifyEveryPosition(RichTextField &field)
{
    const QString text = field.text();
    QCOMPARE(text, field.document()->toRawText().replace(QChar(0x2029), u"\r\n"_qs));
    QCOMPARE(field.length(), int(text.size()));
    int doc = 0;
    for (int p = 0; p < text.size(); ++p) {
        const bool cr = text.at(p) == u'\r', lf = text.at(p) == u'\n';
        QCOMPARE(field.documentPosition(p), doc);
        doc += cr ? 0 : 1;
        field.setSel(p, 1);
        QCOMPARE(field.selText(), cr || lf ? u"\r\n"_qs : QString(text.at(p)));
        QCOMPARE(field.selStart(), lf ? p - 1 : p);
    }
}

// Typing replaces the selection, as the user does it; a line break is Enter.
void type(RichTextField &field, const QString &text)
{
    if (text.isEmpty() && field.selLength() > 0)
        QTest::keyClick(&field, Qt::Key_Backspace);
    const QStringList lines = text.split(u"\r\n"_qs);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(&field, Qt::Key_Return);
        QTest::keyClicks(&field, lines[i]);
    }
}

std::vector<Colour> randomColours(int n, quint32 seed)
{
    std::vector<Colour> colours(size_t(std::max(n, 0)));
    QRandomGenerator rng(seed);
    const Colour palette[] = {textcore::kBlack, textcore::kRed, 16711680, 49152, 8421504};
    Colour current = palette[0];
    for (auto &c : colours)
        c = current = rng.bounded(3) == 0 ? palette[rng.bounded(5)] : current;
    return colours;
}

CharFormat fmt(Colour c, const QString &font, double size, bool bold = false, bool italic = false)
{
    return CharFormat{c, font, size, bold, italic};
}

// "Ro·si·ne und Ei" with a red «Ro», a blue «si», black for the rest.
StyledText rosine()
{
    return {{u"Ro"_qs, fmt(textcore::kRed, {}, 0)},
            {u"\u00ADsi"_qs, fmt(textcore::rgb(0, 0, 255), {}, 0)},
            {u"\u00ADne und Ei"_qs, fmt(textcore::kBlack, {}, 0)}};
}

} // namespace

class TestRichTextField : public QObject {
    Q_OBJECT
private slots:
    void lineBreaks();
    void selectionAndTyping();
    void bulkColouringEqualsPerCharacter();
    void bulkColouringTouchesOnlyChanges();
    void positionsStayExactAfterRandomEdits();
    void runsAndFieldFont();
    void changeSignal();
    void keysPasteAndCopy();
    void softHyphenStaysInvisible();
    void arcsLieUnderEachSyllableInItsColour();
    void spacingChangesTheLayoutOnly();
};

void TestRichTextField::lineBreaks()
{
    // Every line-break form becomes CR LF; frame marks do not split lines.
    const std::pair<QString, QString> texts[]
        = {{QString(), QString()},
           {u"\r\nab\r\n\r\ncd\r\n"_qs, u"\r\nab\r\n\r\ncd\r\n"_qs},
           {u"a\u00A0b\r\nSon\u00ADne\t😀\r\n😀"_qs, u"a\u00A0b\r\nSon\u00ADne\t😀\r\n😀"_qs},
           {u"a\nb\rc\u2028d\u2029e\n"_qs, u"a\r\nb\r\nc\r\nd\r\ne\r\n"_qs},
           {u"a\uFDD0b"_qs, u"a\uFFFDb"_qs}};
    for (const auto &[input, expected] : texts) {
        RichTextField field;
        field.setText(input);
        QCOMPARE(field.text(), expected);
        verifyEveryPosition(field);
    }
}

void TestRichTextField::selectionAndTyping()
{
    // setSel(start, length) selects `selected` from selStart, clamped, a line
    // break always whole; typing over it gives `result`.
    const std::tuple<int, int, QString, int, QString> selections[]
        = {{3, 2, u"\r\nc"_qs, 2, u"ab-d\r\n\r\nef"_qs},      {1, 2, u"b\r\n"_qs, 1, u"a-cd\r\n\r\nef"_qs},
           {10, 50, u"ef"_qs, 10, u"ab\r\ncd\r\n\r\n-"_qs},   {-3, 1, u"a"_qs, 0, u"-b\r\ncd\r\n\r\nef"_qs},
           {99, 1, QString(), 12, u"ab\r\ncd\r\n\r\nef-"_qs}, {3, 0, QString(), 2, u"ab-\r\ncd\r\n\r\nef"_qs}};
    for (const auto &[start, length, selected, selStart, result] : selections) {
        RichTextField field;
        field.setText(u"ab\r\ncd\r\n\r\nef"_qs);
        field.setSel(start, length);
        QCOMPARE(field.selText(), selected);
        QCOMPARE(field.selStart(), selStart);
        QCOMPARE(field.selLength(), int(selected.size()));
        type(field, u"-"_qs);
        QCOMPARE(field.text(), result);
        QCOMPARE(field.selStart(), selStart + 1);
        verifyEveryPosition(field);
    }
}

void TestRichTextField::bulkColouringEqualsPerCharacter()
{
    QString text = u"Will\u00ADkom\u00ADmen!\r\n\r\nNoch\u00A0einer.\r\nx😀😁\r\n\r\n"_qs;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("Zeile %1 mit Wörtern\r\n").arg(i);
    RichTextField bulk, single;
    bulk.setText(text);
    single.setText(text);
    // A first colouring, then a second one over it, as a window recolours.
    for (quint32 seed : {1u, 2u}) {
        const std::vector<Colour> colours = randomColours(int(text.size()), seed);
        bulk.applyColours(colours);
        for (int i = 0; i < int(colours.size()); ++i) {
            single.setSel(i, 1);
            single.setSelColor(colours[size_t(i)]);
        }
        QCOMPARE(dumpStyledText(bulk.styledText()), dumpStyledText(single.styledText()));
        // Every position reads back as given; a line break shows its LF's colour.
        const std::vector<Colour> read = bulk.coloursOfAllPositions();
        for (int i = 0; i < int(colours.size()); ++i)
            QCOMPARE(read[size_t(i)], colours[size_t(text.at(i) == u'\r' ? i + 1 : i)]);
    }
    QCOMPARE(bulk.text(), text);
}

void TestRichTextField::bulkColouringTouchesOnlyChanges()
{
    RichTextField field;
    field.setText(u"Die Sonne scheint.\r\nDer Mond auch."_qs);
    std::vector<Colour> colours = randomColours(field.length(), 7);
    field.applyColours(colours);
    const QByteArray first = dumpStyledText(field.styledText());
    QSignalSpy spy(&field, &RichTextField::changed);
    field.applyColours(colours);
    QCOMPARE(spy.count(), 0);
    // One class changes colour: one change event, one undo step back.
    for (size_t i = 0; i < colours.size(); i += 5)
        colours[i] = 12345;
    field.applyColours(colours);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(field.coloursOfAllPositions()[0], Colour(12345));
    field.document()->undo();
    QCOMPARE(dumpStyledText(field.styledText()), first);
    // Positions beyond a short vector keep their colour.
    std::vector<Colour> expected = field.coloursOfAllPositions();
    expected[0] = 1;
    expected[1] = 2;
    field.applyColours({1, 2});
    QCOMPARE(field.coloursOfAllPositions(), expected);
}

void TestRichTextField::positionsStayExactAfterRandomEdits()
{
    RichTextField field;
    field.setText(u"Anfang\r\n\r\nMitte\r\nEnde"_qs);
    QRandomGenerator rng(42);
    const QString pieces[] = {u"x"_qs, u"\r\n"_qs, u"ab\r\ncd"_qs, u"\u00A0"_qs, u"\r\n\r\n"_qs, QString()};
    for (int step = 0; step < 120; ++step) {
        const int start = int(rng.bounded(field.length() + 1));
        const int action = int(rng.bounded(10));
        field.setSel(start, int(rng.bounded(std::min(field.length() - start, 4) + 1)));
        if (action < 6)
            type(field, pieces[rng.bounded(6)]);
        else if (action < 8)
            field.setSelColor(Colour(rng.bounded(3)));
        else if (action == 8)
            field.document()->undo();
        else
            field.document()->redo();
        verifyEveryPosition(field);
    }
}

void TestRichTextField::runsAndFieldFont()
{
    const QString sans = u"DejaVu Sans"_qs, serif = u"DejaVu Serif"_qs;
    const StyledText runs{{u"Ro"_qs, fmt(255, sans, 12)},
                          {u"t\u00AD\r\n"_qs, fmt(49152, sans, 12, true)},
                          {u"\r\n\u00A0gr😀"_qs, fmt(16711680, sans, 14.5, false, true)},
                          {u"ün"_qs, fmt(0, serif, 20, true, true)}};
    RichTextField field;
    field.setStyledText(runs);
    QCOMPARE(dumpStyledText(field.styledText()), dumpStyledText(runs));
    verifyEveryPosition(field);
    // Name and size change everywhere; colours, bold and italic stay.
    field.setFieldFont(u"Verdana"_qs, 16);
    StyledText expected = runs;
    for (StyledRun &run : expected)
        run.format.fontName = u"Verdana"_qs, run.format.pointSize = 16;
    QCOMPARE(dumpStyledText(field.styledText()), dumpStyledText(expected));
    // New text drops every format and takes the field's font; no undo back.
    field.setText(u"neu\r\nText"_qs);
    QCOMPARE(dumpStyledText(field.styledText()), dumpStyledText({{u"neu\r\nText"_qs, fmt(0, u"Verdana"_qs, 16)}}));
    QVERIFY(!field.document()->isUndoAvailable());
    // A CR LF split across two runs is still one line break.
    field.setStyledText({{u"a\r"_qs, fmt(255, {}, 0)}, {u"\nb"_qs, fmt(0, {}, 0)}});
    QCOMPARE(field.text(), u"a\r\nb"_qs);
}

// Every content change is one signal, by the program or the user; selecting
// and a caret's typing colour are none.
void TestRichTextField::changeSignal()
{
    RichTextField field;
    QSignalSpy spy(&field, &RichTextField::changed);
    field.setText(u"ab\r\ncd"_qs);
    field.setSel(1, 0);
    field.setSelColor(255);
    QCOMPARE(spy.count(), 1);
    field.setSel(0, 2);
    field.setSelColor(255);
    QCOMPARE(spy.count(), 2);
    field.applyColours({1, 2, 3, 3, 4, 5});
    QCOMPARE(spy.count(), 3);
    field.setStyledText({{u"q"_qs, CharFormat{}}});
    QCOMPARE(spy.count(), 4);
    QTest::keyClick(&field, Qt::Key_X);
    QCOMPARE(spy.count(), 5);
}

void TestRichTextField::keysPasteAndCopy()
{
    RichTextField field;
    field.setText(u"abcd"_qs);
    // Shift+Enter, on either key, is an ordinary line break.
    field.setSel(2, 0);
    QTest::keyClick(&field, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QTest::keyClick(&field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(field.text(), u"ab\r\n\r\ncd"_qs);
    // Pasted text takes the typing colour and ordinary line breaks.
    field.setText(u"[]"_qs);
    field.setSel(1, 0);
    field.setSelColor(255);
    auto *data = new QMimeData;
    data->setText(u"x\u2028y\u2029z\r\nw\n\u00A0\u00AD"_qs);
    QApplication::clipboard()->setMimeData(data);
    field.paste();
    const QString pasted = u"[x\r\ny\r\nz\r\nw\r\n\u00A0\u00AD]"_qs;
    QCOMPARE(field.text(), pasted);
    QCOMPARE(field.coloursOfAllPositions()[1], Colour(255));
    verifyEveryPosition(field);
    field.setReadOnly(true);
    field.paste();
    QCOMPARE(field.text(), pasted);
    // Copying keeps no-break spaces and soft hyphens.
    field.selectAll();
    field.copy();
    QCOMPARE(QApplication::clipboard()->text(), u"[x\ny\nz\nw\n\u00A0\u00AD]"_qs);
}

// The field lays text out without shaping; a soft hyphen inside a line must
// still take no room, coloured or not, so that hidden separators stay hidden.
void TestRichTextField::softHyphenStaysInvisible()
{
    RichTextField withHyphens, without;
    withHyphens.setText(u"Will\u00ADkom\u00ADmen"_qs);
    without.setText(u"Willkommen"_qs);
    QVERIFY(without.document()->idealWidth() > 0);
    QCOMPARE(withHyphens.document()->idealWidth(), without.document()->idealWidth());
    withHyphens.applyColours(randomColours(withHyphens.length(), 3));
    without.applyColours(randomColours(without.length(), 4));
    QCOMPARE(withHyphens.document()->idealWidth(), without.document()->idealWidth());
}

void TestRichTextField::arcsLieUnderEachSyllableInItsColour()
{
    RichTextField field;
    field.setFieldFont(u"DejaVu Sans"_qs, 24);
    field.resize(500, 160);
    field.setStyledText(rosine());
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    const QImage before = field.viewport()->grab().toImage();
    const ArcsSeen seen = arcsOf(field);
    QVERIFY2(seen.error.isEmpty(), qPrintable(seen.error));
    // Ro, si, ne, und, Ei.
    QCOMPARE(seen.arcColours.size(), 5);
    const QList<QRgb> &c = seen.arcColours;
    QVERIFY2(qRed(c[0]) > 2 * qBlue(c[0]), "the arc under «Ro» is red");
    QVERIFY2(qBlue(c[1]) > 2 * qRed(c[1]), "the arc under «si» is blue");
    for (int i = 2; i < 5; ++i)
        QVERIFY2(qAbs(qRed(c[i]) - qBlue(c[i])) < 16 && qRed(c[i]) > 60, "black letters get grey arcs");
    // The field is back to its own view, and looks as before.
    QCOMPARE(field.readingView(), ReadingView{});
    QCOMPARE(field.viewport()->grab().toImage(), before);
}

// Spacing widens lines or makes the text taller, as a view only: the text,
// its runs and changed() stay as they were, also after new text or font.
void TestRichTextField::spacingChangesTheLayoutOnly()
{
    const std::tuple<ReadingView, bool, bool> views[]
        = {{ReadingView{false, LetterSpacing::Widest}, true, false},
           {ReadingView{false, LetterSpacing::Normal, WordSpacing::VeryWide}, true, false},
           {ReadingView{false, LetterSpacing::Normal, WordSpacing::Normal, LineSpacing::Double}, false, true},
           {ReadingView{true, LetterSpacing::Wider, WordSpacing::Wide, LineSpacing::OneAndAHalf}, true, true}};
    for (const auto &[view, wider, taller] : views) {
        RichTextField field, plain;
        auto lineEnd = [](RichTextField &f) { return f.document()->begin().layout()->lineAt(0).naturalTextWidth(); };
        auto height = [](RichTextField &f) { return f.document()->documentLayout()->documentSize().height(); };
        for (RichTextField *f : {&field, &plain}) {
            f->setFieldFont(u"DejaVu Sans"_qs, 14);
            f->resize(2000, 400);
            f->show();
        }
        StyledText runs = rosine();
        runs.push_back({u"\r\nzwei Zeilen"_qs, fmt(0, u"DejaVu Serif"_qs, 18, true)});
        field.setStyledText(runs);
        const QByteArray rtf = writeRtf(field.styledText());
        const qreal end = lineEnd(field), high = height(field);
        QSignalSpy changes(&field, &RichTextField::changed);
        field.setReadingView(view);
        QCOMPARE(field.readingView(), view);
        QCOMPARE(writeRtf(field.styledText()), rtf);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(lineEnd(field) > end + 5, wider);
        QCOMPARE(height(field) > high + 5, taller);
        // The view outlives new text and a new field font, as the windows set them.
        for (RichTextField *f : {&field, &plain}) {
            f->setText(u"neu und\r\nneu"_qs);
            f->setFieldFont(u"DejaVu Sans"_qs, 14);
        }
        QCOMPARE(lineEnd(field) > lineEnd(plain) + 3, wider);
        QCOMPARE(height(field) > height(plain) + 5, taller);
    }
}

QTEST_MAIN(TestRichTextField)
#include "tst_richtextfield.moc"
