// The field's reading view: syllable arcs drawn under the text on screen,
// and spacing that changes the layout but never the text or its files.
#include "platform/richtextfield.h"
#include "platform/rtfwriter.h"
#include "support/arcscheck.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QtTest>

using namespace platform;

namespace {

const QChar kShy(0x00AD);

CharFormat coloured(textcore::Colour colour)
{
    return CharFormat{colour, {}, 0, false, false};
}

// "Ro·si·ne und Ei" with a red «Ro», a blue «si», black for the rest.
StyledText rosine()
{
    return {{QStringLiteral("Ro"), coloured(textcore::kRed)},
            {QString(kShy) + QStringLiteral("si"), coloured(textcore::rgb(0, 0, 255))},
            {QString(kShy) + QStringLiteral("ne und Ei"), coloured(textcore::kBlack)}};
}

} // namespace

class ReadingViewTest : public QObject {
    Q_OBJECT

private slots:
    void arcsLieUnderEachSyllableInItsColour();
    void spacingChangesTheLayoutOnly_data();
    void spacingChangesTheLayoutOnly();
};

void ReadingViewTest::arcsLieUnderEachSyllableInItsColour()
{
    RichTextField field;
    field.setFieldFont(QStringLiteral("DejaVu Sans"), 24);
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

void ReadingViewTest::spacingChangesTheLayoutOnly_data()
{
    QTest::addColumn<ReadingView>("view");
    QTest::addColumn<bool>("wider");  // the first line's end moves right
    QTest::addColumn<bool>("taller"); // the text grows downwards
    QTest::newRow("letters +25 %") << ReadingView{false, LetterSpacing::Widest} << true << false;
    QTest::newRow("words very wide") << ReadingView{false, LetterSpacing::Normal, WordSpacing::VeryWide} << true
                                     << false;
    QTest::newRow("lines double") << ReadingView{false, LetterSpacing::Normal, WordSpacing::Normal, LineSpacing::Double}
                                  << false << true;
    QTest::newRow("everything, arcs too")
        << ReadingView{true, LetterSpacing::Wider, WordSpacing::Wide, LineSpacing::OneAndAHalf} << true << true;
}

void ReadingViewTest::spacingChangesTheLayoutOnly()
{
    QFETCH(ReadingView, view);
    QFETCH(bool, wider);
    QFETCH(bool, taller);
    RichTextField field;
    field.setFieldFont(QStringLiteral("DejaVu Sans"), 14);
    field.resize(2000, 400);
    StyledText runs = rosine();
    runs.push_back({QStringLiteral("\r\nzwei Zeilen"), CharFormat{0, QStringLiteral("DejaVu Serif"), 18, true, false}});
    field.setStyledText(runs);
    field.show();
    const QString text = field.text();
    // What every save writes: the runs as RTF.
    const QByteArray rtf = writeRtf(field.styledText());
    const QTextLine firstLine = field.document()->begin().layout()->lineAt(0);
    const qreal lineEnd = firstLine.naturalTextWidth();
    const qreal height = field.document()->documentLayout()->documentSize().height();

    QSignalSpy changes(&field, &RichTextField::changed);
    field.setReadingView(view);
    QCOMPARE(field.readingView(), view);
    QCOMPARE(field.text(), text);
    QCOMPARE(writeRtf(field.styledText()), rtf);
    QCOMPARE(changes.count(), 0);
    const qreal newLineEnd = field.document()->begin().layout()->lineAt(0).naturalTextWidth();
    const qreal newHeight = field.document()->documentLayout()->documentSize().height();
    QCOMPARE(newLineEnd > lineEnd + 5, wider);
    QCOMPARE(newHeight > height + 5, taller);

    // The view outlives new text and a new field font, as the windows set them.
    field.setText(QStringLiteral("neu und\r\nneu"));
    field.setFieldFont(QStringLiteral("DejaVu Sans"), 14);
    RichTextField plain;
    plain.setFieldFont(QStringLiteral("DejaVu Sans"), 14);
    plain.resize(2000, 400);
    plain.setText(QStringLiteral("neu und\r\nneu"));
    plain.show();
    QCOMPARE(field.document()->begin().layout()->lineAt(0).naturalTextWidth()
                 > plain.document()->begin().layout()->lineAt(0).naturalTextWidth() + 3,
             wider);
    QCOMPARE(field.document()->documentLayout()->documentSize().height()
                 > plain.document()->documentLayout()->documentSize().height() + 5,
             taller);
}

QTEST_MAIN(ReadingViewTest)
#include "tst_readingview.moc"
