// Painting the field's reading view: the syllable arcs lie under the text,
// so the letters, descenders included, stay on top of them.
#include "platform/richtextfield.h"
#include "platform/syllablearcs.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace platform {

void RichTextField::paintEvent(QPaintEvent *event)
{
    if (readingView().syllableArcs) {
        QPainter painter(viewport());
        const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
        painter.translate(-scrolled);
        paintSyllableArcs(painter, *document(), QRectF(event->rect()).translated(scrolled));
    }
    QTextEdit::paintEvent(event);
}

void RichTextField::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    // Qt gives the document the widget's font again, without the spacing.
    if (event->type() == QEvent::FontChange)
        reapplyReadingView();
}

} // namespace platform
