// The field's edits of single characters, the position mapping and its
// keyboard, mouse and clipboard handling.
#include "platform/richtextfield_p.h"

namespace platform {

// --- edits of single characters -----------------------------------------------

std::optional<textcore::Colour> RichTextField::replaceCharacters(const std::vector<std::size_t> &positions,
                                                                 char16_t character, textcore::Colour colour)
{
    if (positions.empty())
        return std::nullopt;
    const QColor qColour = toQColor(colour & textcore::kMaxColour);
    const QString text{QChar(character)};
    QTextCursor c(d->doc);
    textcore::Colour lastBefore = textcore::kBlack;
    c.beginEditBlock();
    for (const std::size_t position : positions) {
        const int start = documentPosition(int(position));
        c.setPosition(start);
        c.setPosition(start + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format = c.charFormat();
        lastBefore = colourOf(format);
        format.setForeground(qColour);
        if (d->doc->characterAt(start) == QChar(character))
            c.setCharFormat(format);
        else
            c.insertText(text, format);
    }
    c.endEditBlock();
    c.clearSelection();
    setTextCursor(c);
    return lastBefore;
}

void RichTextField::insertMarks(const std::vector<std::size_t> &positions, char16_t mark, textcore::Colour colour)
{
    if (positions.empty())
        return;
    const QColor qColour = toQColor(colour & textcore::kMaxColour);
    const QString text{QChar(mark)};
    // From the last to the first, so that the positions still to come stay valid.
    QTextCursor c(d->doc);
    c.beginEditBlock();
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        c.setPosition(documentPosition(int(*it)));
        QTextCharFormat format = c.charFormat();
        format.setForeground(qColour);
        c.insertText(text, format);
    }
    c.endEditBlock();
}

void RichTextField::setStyleForAll(std::optional<bool> bold, std::optional<bool> italic)
{
    QTextCharFormat format;
    if (bold)
        format.setFontWeight(*bold ? QFont::Bold : QFont::Normal);
    if (italic)
        format.setFontItalic(*italic);
    QTextCursor c(d->doc);
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.mergeCharFormat(format);
    c.endEditBlock();
    QTextCursor end(d->doc);
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    mergeCurrentCharFormat(format);
}

// --- position mapping -------------------------------------------------------

int RichTextField::documentPosition(int plainPosition) const
{
    return d->docStart(std::clamp(plainPosition, 0, d->plainLength()));
}

// --- events -------------------------------------------------------------------

void RichTextField::keyPressEvent(QKeyEvent *event)
{
    // Shift+Enter would insert U+2028, a break the plain text cannot show as
    // CR LF; it becomes an ordinary line break instead.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), ushort(event->count()));
        QTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextField::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

bool RichTextField::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void RichTextField::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source->hasText())
        return;
    // Pasted text is plain: rich clipboard content could bring tables,
    // images and line separators whose positions the plain text cannot show.
    QTextCursor c = textCursor();
    c.insertText(normaliseLineBreaks(source->text()));
    setTextCursor(c);
    ensureCursorVisible();
}

QMimeData *RichTextField::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    // Qt's own export writes U+00A0 as a blank; keep the characters as they are.
    QString raw = textCursor().selectedText();
    raw.replace(kParagraphSeparator, QLatin1Char('\n'));
    mime->setText(raw);
    return mime;
}

} // namespace platform
