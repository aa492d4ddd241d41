#pragma once
// A filled field showing one colour. Palette and custom colour fields are
// drag sources (the drag starts on mouse press); target fields take a
// click and accept dropped colours. Captions that only answer a click with
// a help message use ClickLabel.
#include "textcore/colour.h"

#include <QLabel>

#include <optional>

class QMimeData;

namespace syllables {

class ColourField : public QLabel {
    Q_OBJECT

public:
    enum class Role {
        Source, // palette, custom colour: dragged, never changed by a drop
        Target, // "1", "2", background: clicked and dropped on
    };

    // The mime type of a dragged colour; its data is the colour number in
    // decimal ASCII.
    static const QString mimeType;

    ColourField(Role role, textcore::Colour colour, QWidget *parent = nullptr);

    textcore::Colour colour() const { return colour_; }
    // Fills the field; emits nothing.
    void setColour(textcore::Colour colour);

    // What a drag of this field carries.
    QMimeData *createMimeData() const;
    // The colour a dragged object carries, if it is one of our colour fields.
    static std::optional<textcore::Colour> colourOf(const QMimeData &data);

    // A drop on a target field, as from the mouse: emits dropped() with
    // the carried colour (none for any other object). Also the way tests
    // drop without a mouse.
    void acceptDrop(const QMimeData &data);

signals:
    void clicked();
    // Something was dropped; `colour` is set when it was a colour field.
    void dropped(std::optional<textcore::Colour> colour);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    Role role_;
    textcore::Colour colour_;
};

// A caption that reports a click (for its help message).
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    ClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Colour number <-> QColor.
QColor toQColor(textcore::Colour colour);
textcore::Colour fromQColor(const QColor &colour);

} // namespace syllables
