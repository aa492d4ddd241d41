#pragma once
// The colour mixer at the window's top left: three sliders for red, green
// and blue with their value fields, the colour number field (`Text1`) and
// the custom colour field (`Bezeichnung1`) that shows the mixed colour and
// can be dragged or given to a category field by a click there.
#include "textcore/colour.h"

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace soundcolours {

class ColourField;

class ColourMixer : public QFrame {
    Q_OBJECT
public:
    // The children are placed by their twips positions in the window's
    // client area; the frame itself stands at (left, top).
    ColourMixer(int left, int top, const QString &dragToken, QWidget *parent = nullptr);

    textcore::Colour customColour() const;
    ColourField *customColourField() const { return m_custom; }
    QLineEdit *numberField() const { return m_number; }
    QScrollBar *slider(int channel) const { return m_sliders[std::size_t(channel)]; }
    QLabel *valueField(int channel) const { return m_values[std::size_t(channel)]; }

    // Reads the three sliders, shows their values, mixes the custom colour
    // and writes its number into the colour number field.
    void mixerUpdate();

    // Places the children; called again when the screen's dpi changes.
    void placeChildren();

private:
    void numberChanged(const QString &text);

    int m_left;
    int m_top;
    QLabel *m_caption = nullptr;
    QLineEdit *m_number = nullptr;
    ColourField *m_custom = nullptr;
    std::array<QScrollBar *, 3> m_sliders{};
    std::array<QLabel *, 3> m_values{};
};

} // namespace soundcolours
