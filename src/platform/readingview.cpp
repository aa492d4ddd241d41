#include "platform/readingview.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

namespace platform {

namespace {

const char *const kViewProperty = "koloratReadingView";

qreal letterPercent(LetterSpacing spacing)
{
    switch (spacing) {
    case LetterSpacing::Wider: return 110;
    case LetterSpacing::Widest: return 125;
    case LetterSpacing::Normal: break;
    }
    return 100;
}

qreal wordShare(WordSpacing spacing)
{
    switch (spacing) {
    case WordSpacing::Wide: return 0.2;
    case WordSpacing::VeryWide: return 0.4;
    case WordSpacing::Normal: break;
    }
    return 0;
}

qreal linePercent(LineSpacing spacing)
{
    switch (spacing) {
    case LineSpacing::OneAndAHalf: return 150;
    case LineSpacing::Double: return 200;
    case LineSpacing::Single: break;
    }
    return 100;
}

} // namespace

void applyReadingView(QTextDocument &document, const ReadingView &view)
{
    const ReadingView before = readingViewOf(document);
    QFont font = document.defaultFont();
    font.setLetterSpacing(QFont::PercentageSpacing, letterPercent(view.letters));
    // Qt adds word spacing in device pixels, so it is measured on the
    // device the text is laid out for: a printer has many more pixels.
    font.setWordSpacing(0);
    const QFontMetricsF metrics(font, document.documentLayout()->paintDevice());
    font.setWordSpacing(wordShare(view.words) * metrics.height());
    if (font != document.defaultFont())
        document.setDefaultFont(font);
    // Paragraphs only get a line height when one is asked for or was given,
    // so a field that never changes its view never changes its paragraphs.
    if (view.lines != LineSpacing::Single || before.lines != LineSpacing::Single) {
        QTextBlockFormat format;
        format.setLineHeight(linePercent(view.lines), QTextBlockFormat::ProportionalHeight);
        QTextCursor cursor(&document);
        cursor.select(QTextCursor::Document);
        cursor.mergeBlockFormat(format);
    }
    document.setProperty(kViewProperty, QVariant::fromValue(view));
}

ReadingView readingViewOf(const QTextDocument &document)
{
    const QVariant stored = document.property(kViewProperty);
    return stored.canConvert<ReadingView>() ? stored.value<ReadingView>() : ReadingView();
}

} // namespace platform
