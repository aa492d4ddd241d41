#include "editor/clickmodepicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace editor {

QIcon clickModePicture()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The mouse body with its two buttons and cable.
    painter.setPen(QPen(QColor(0, 0, 128), 1.5));
    painter.setBrush(QColor(230, 230, 255));
    painter.drawRoundedRect(QRectF(4, 8, 14, 21), 7, 7);
    painter.drawLine(QPointF(4, 16), QPointF(18, 16));
    painter.drawLine(QPointF(11, 8), QPointF(11, 16));
    QPainterPath cable;
    cable.moveTo(11, 8);
    cable.cubicTo(11, 2, 18, 5, 20, 2);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cable);
    // The separator the click sets.
    painter.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 20), QPointF(29, 20));
    painter.end();
    return QIcon(pixmap);
}

} // namespace editor
