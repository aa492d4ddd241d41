#pragma once
// A field filled with one colour. Palette fields and the custom colour
// field can be dragged; category fields take drops and clicks; captions
// take clicks. A drag carries the dragged field's name and colour together
// with the token of the window it belongs to, so a drop can tell fields of
// its own window from anything else dropped on it.
#include "textcore/colour.h"

#include <QLabel>
#include <QPoint>

#include <optional>

class QMimeData;

namespace soundcolours {

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
        Caption,  // text only, clickable
        Source,   // colour, draggable
        Target,   // colour, clickable, takes drops
    };

    ColourField(Role role, const QString &dragToken, QWidget *parent = nullptr);

    Role role() const { return m_role; }
    textcore::Colour colour() const { return m_colour; }
    void setColour(textcore::Colour colour);

    // The data a drag of this field carries (caller owns it).
    QMimeData *createMimeData() const;

signals:
    void clicked();
    // A colour field was dropped here; `field` is its name, `token` the
    // token of the window it came from.
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
    bool acceptable(const QMimeData *mime) const;

    Role m_role;
    QString m_token;
    textcore::Colour m_colour = 0;
    std::optional<QPoint> m_pressedAt;
};

// A QColor for a colour integer and back.
QColor toQColor(textcore::Colour colour);

} // namespace soundcolours
