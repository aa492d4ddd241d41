#pragma once
// A field filled with one colour, as both colour windows use it. Palette
// fields and the custom colour field are drag sources; target fields take a
// click and accept dropped colours; captions only answer a click (with a
// help message). A drag carries the dragged field's name and colour together
// with the token of the window it belongs to, so a drop can tell fields of
// its own window from anything else dropped on it.
#include "textcore/colour.h"

#include <QColor>
#include <QLabel>
#include <QPoint>

#include <optional>

class QMimeData;

namespace platform {

// The mime type of a dragged colour field: "<token>\n<field name>\n<colour>".
inline constexpr char kColourFieldMimeType[] = "application/x-kolorat-colour-field";

struct DraggedField {
    QString token;
    QString name;
    textcore::Colour colour = 0;
};

// The dragged field named by `mime`, if it carries a colour field at all.
std::optional<DraggedField> draggedField(const QMimeData *mime);

class ColourField : public QLabel {
    Q_OBJECT
public:
    enum class Role {
        Caption, // text only, clickable
        Source,  // colour, draggable, never changed by a drop
        Target,  // colour, clickable, takes drops
    };

    // When a drag of a source field begins: at the press itself, or once
    // the pressed mouse has moved the platform's drag distance.
    enum class DragStart {
        OnPress,
        OnMove
    };

    // `dragToken` names the window the field belongs to (see dragTokenFor).
    ColourField(Role role, const QString &dragToken, QWidget *parent = nullptr);

    Role role() const { return m_role; }
    textcore::Colour colour() const { return m_colour; }
    // Fills the field; emits nothing. Bits above 24 are dropped.
    void setColour(textcore::Colour colour);
    void setDragStart(DragStart start) { m_dragStart = start; }

    // The data a drag of this field carries (caller owns it).
    QMimeData *createMimeData() const;

    // A drop on this field, as from the mouse: emits dropped() with the
    // carried field's token and name, both empty for any other object. Also
    // the way tests drop without a mouse.
    void acceptDrop(const QMimeData &mime);

    // A token no other window shares: `windowName` and the window's address.
    static QString dragTokenFor(const QString &windowName, const QObject *window);

signals:
    void clicked();
    // Something was dropped here; `field` is the dragged field's name and
    // `token` the token of the window it came from (both empty when it was
    // no colour field).
    void dropped(const QString &token, const QString &field);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void updateLook();
    void startDrag();
    bool acceptable(const QMimeData *mime) const;

    Role m_role;
    QString m_token;
    DragStart m_dragStart = DragStart::OnMove;
    textcore::Colour m_colour = 0;
    std::optional<QPoint> m_pressedAt;
};

// The source field of `window` that a drop names, if the drop came from that
// window (`ownToken`) at all; null for foreign drops, unknown names and
// fields that are no drag source.
ColourField *draggedSource(const QWidget &window, const QString &ownToken, const QString &token, const QString &name);

} // namespace platform
