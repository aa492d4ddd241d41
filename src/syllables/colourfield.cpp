#include "syllables/colourfield.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace syllables {

const QString ColourField::mimeType = QStringLiteral("application/x-kolorat-colour");

QColor toQColor(textcore::Colour colour)
{
    return QColor(int(textcore::red(colour)), int(textcore::green(colour)), int(textcore::blue(colour)));
}

textcore::Colour fromQColor(const QColor &colour)
{
    return textcore::rgb(unsigned(colour.red()), unsigned(colour.green()), unsigned(colour.blue()));
}

ColourField::ColourField(Role role, textcore::Colour colour, QWidget *parent)
    : QLabel(parent), role_(role), colour_(colour)
{
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAcceptDrops(role == Role::Target);
    if (role == Role::Source)
        setCursor(Qt::OpenHandCursor);
    setColour(colour);
}

void ColourField::setColour(textcore::Colour colour)
{
    colour_ = colour & textcore::kMaxColour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(colour_));
    setPalette(palette);
}

QMimeData *ColourField::createMimeData() const
{
    auto *data = new QMimeData;
    data->setData(mimeType, QByteArray::number(colour_));
    return data;
}

std::optional<textcore::Colour> ColourField::colourOf(const QMimeData &data)
{
    if (!data.hasFormat(mimeType))
        return std::nullopt;
    bool ok = false;
    const qulonglong value = data.data(mimeType).toULongLong(&ok);
    if (!ok || value > textcore::kMaxColour)
        return std::nullopt;
    return textcore::Colour(value);
}

void ColourField::acceptDrop(const QMimeData &data)
{
    emit dropped(colourOf(data));
}

void ColourField::mousePressEvent(QMouseEvent *event)
{
    if (role_ != Role::Source || event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    // The drag image is the field itself, small, so the target stays visible.
    QPixmap image(24, 24);
    image.fill(toQColor(colour_));
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, 23, 23);
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(createMimeData());
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(12, 12));
    drag->exec(Qt::CopyAction);
}

void ColourField::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (role_ == Role::Target && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ColourField::dragEnterEvent(QDragEnterEvent *event)
{
    if (role_ == Role::Target && event->mimeData() && event->mimeData()->hasFormat(mimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColourField::dragMoveEvent(QDragMoveEvent *event)
{
    if (role_ == Role::Target && event->mimeData() && event->mimeData()->hasFormat(mimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColourField::dropEvent(QDropEvent *event)
{
    if (role_ != Role::Target || !event->mimeData()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    acceptDrop(*event->mimeData());
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace syllables
