#include "soundcolours/colourfield.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace soundcolours {

QColor toQColor(textcore::Colour colour)
{
    return QColor(int(textcore::red(colour)), int(textcore::green(colour)), int(textcore::blue(colour)));
}

std::optional<DraggedField> draggedField(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(QString::fromLatin1(kColourFieldMimeType)))
        return std::nullopt;
    const QStringList parts =
        QString::fromUtf8(mime->data(QString::fromLatin1(kColourFieldMimeType))).split(QLatin1Char('\n'));
    if (parts.size() != 3)
        return std::nullopt;
    bool ok = false;
    const uint colour = parts[2].toUInt(&ok);
    if (!ok || colour > textcore::kMaxColour)
        return std::nullopt;
    return DraggedField{parts[0], parts[1], textcore::Colour(colour)};
}

ColourField::ColourField(Role role, const QString &dragToken, QWidget *parent)
    : QLabel(parent), m_role(role), m_token(dragToken)
{
    setAcceptDrops(role == Role::Target);
    if (role != Role::Caption)
        setFrameStyle(QFrame::Box | QFrame::Plain);
    if (role == Role::Source)
        setCursor(Qt::OpenHandCursor);
    else
        setCursor(Qt::PointingHandCursor);
    updateLook();
}

void ColourField::setColour(textcore::Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    updateLook();
}

void ColourField::updateLook()
{
    if (m_role == Role::Caption)
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(m_colour));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
}

QMimeData *ColourField::createMimeData() const
{
    auto *mime = new QMimeData;
    const QString payload = m_token + QLatin1Char('\n') + objectName() + QLatin1Char('\n') + QString::number(m_colour);
    mime->setData(QString::fromLatin1(kColourFieldMimeType), payload.toUtf8());
    return mime;
}

void ColourField::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
    QLabel::mousePressEvent(event);
}

void ColourField::mouseMoveEvent(QMouseEvent *event)
{
    if (m_role != Role::Source || !m_pressedAt || !(event->buttons() & Qt::LeftButton)) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - *m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressedAt.reset();

    QPixmap image(size());
    image.fill(toQColor(m_colour));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.end();

    auto *drag = new QDrag(this);
    drag->setMimeData(createMimeData());
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(image.width() / 2, image.height() / 2));
    drag->exec(Qt::CopyAction);
}

void ColourField::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressedAt.has_value();
    m_pressedAt.reset();
    if (event->button() == Qt::LeftButton && wasPressed && m_role != Role::Source && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

bool ColourField::acceptable(const QMimeData *mime) const
{
    const std::optional<DraggedField> dragged = draggedField(mime);
    return dragged && dragged->token == m_token;
}

void ColourField::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptable(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColourField::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptable(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColourField::dropEvent(QDropEvent *event)
{
    const std::optional<DraggedField> dragged = draggedField(event->mimeData());
    if (!dragged) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(dragged->token, dragged->name);
}

} // namespace soundcolours
