#include "platform/colourfield.h"

#include "platform/qtcolour.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace platform {

namespace {
// The drag image stays small so that the target under it remains visible.
constexpr int kMaxDragImageSide = 32;
} // namespace

std::optional<DraggedField> draggedField(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(QString::fromLatin1(kColourFieldMimeType)))
        return std::nullopt;
    const QStringList parts
        = QString::fromUtf8(mime->data(QString::fromLatin1(kColourFieldMimeType))).split(QLatin1Char('\n'));
    if (parts.size() != 3)
        return std::nullopt;
    bool ok = false;
    const uint colour = parts[2].toUInt(&ok);
    if (!ok || colour > textcore::kMaxColour)
        return std::nullopt;
    return DraggedField{parts[0], parts[1], textcore::Colour(colour)};
}

ColourField *draggedSource(const QWidget &window, const QString &ownToken, const QString &token, const QString &name)
{
    if (name.isEmpty() || token != ownToken)
        return nullptr;
    auto *field = window.findChild<ColourField *>(name);
    return field && field->role() == ColourField::Role::Source ? field : nullptr;
}

QString ColourField::dragTokenFor(const QString &windowName, const QObject *window)
{
    return windowName + QStringLiteral(":%1").arg(quintptr(window), 0, 16);
}

ColourField::ColourField(Role role, const QString &dragToken, QWidget *parent)
    : QLabel(parent), m_role(role), m_token(dragToken)
{
    setAcceptDrops(role == Role::Target);
    if (role != Role::Caption) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setAutoFillBackground(true);
    }
    setCursor(role == Role::Source ? Qt::OpenHandCursor : Qt::PointingHandCursor);
    updateLook();
}

void ColourField::setColour(textcore::Colour colour)
{
    colour &= textcore::kMaxColour;
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
    setPalette(p);
}

QMimeData *ColourField::createMimeData() const
{
    auto *mime = new QMimeData;
    const QString payload = m_token + QLatin1Char('\n') + objectName() + QLatin1Char('\n') + QString::number(m_colour);
    mime->setData(QString::fromLatin1(kColourFieldMimeType), payload.toUtf8());
    return mime;
}

void ColourField::acceptDrop(const QMimeData &mime)
{
    const std::optional<DraggedField> dragged = draggedField(&mime);
    if (dragged)
        emit dropped(dragged->token, dragged->name);
    else
        emit dropped(QString(), QString());
}

void ColourField::startDrag()
{
    const QSize side = size().boundedTo(QSize(kMaxDragImageSide, kMaxDragImageSide)).expandedTo(QSize(2, 2));
    QPixmap image(side);
    image.fill(toQColor(m_colour));
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(createMimeData());
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(image.width() / 2, image.height() / 2));
    drag->exec(Qt::CopyAction);
}

void ColourField::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_role == Role::Source && m_dragStart == DragStart::OnPress) {
            m_pressedAt.reset();
            startDrag();
            return;
        }
        m_pressedAt = event->position().toPoint();
    }
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
    startDrag();
}

void ColourField::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressedAt.has_value();
    m_pressedAt.reset();
    if (event->button() == Qt::LeftButton && wasPressed && m_role != Role::Source
        && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

bool ColourField::acceptable(const QMimeData *mime) const
{
    if (m_role != Role::Target)
        return false;
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
    if (m_role != Role::Target || !event->mimeData()) {
        event->ignore();
        return;
    }
    // Anything dropped still recolours the window, so the drop is reported
    // even when it carried no colour field; only a field counts as taken.
    if (draggedField(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
    acceptDrop(*event->mimeData());
}

} // namespace platform
