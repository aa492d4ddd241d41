#pragma once
// The colour mixer of both colour windows: the caption "Farbe eingeben",
// the colour number field, the custom colour field that shows the mixed
// colour and can be dragged, three sliders for red, green and blue (0 at
// the top, 255 at the bottom) and a value field under each.
//
// The controls either stand inside the mixer's own light grey frame or, for
// a window that has no frame around its mixer, directly on the parent; the
// mixer widget itself is then only their hidden owner.
#include "platform/colourfield.h"
#include "textcore/colour.h"

#include <QFrame>
#include <QRect>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;

namespace platform {

// Object names and the few places where the windows differ. Positions are
// twips in the parent's client area.
struct MixerLayout {
    bool framed = false;
    QRect frame{}; // with `framed`: the frame's place
    QString frameName{};
    QString captionName{};
    QSize captionSize{}; // at (150, 270)
    QString numberName{};
    QString customName{};
    std::array<QString, 3> sliderNames{};
    std::array<QString, 3> valueNames{};
    int valueHeight = 255; // value fields at y = 3000, 375 wide
    ColourField::DragStart dragStart = ColourField::DragStart::OnMove;
};

class ColourMixer : public QFrame {
    Q_OBJECT
public:
    // `dragToken` is the token of the window the custom colour field belongs to.
    ColourMixer(const MixerLayout &layout, const QString &dragToken, QWidget *parent);

    textcore::Colour customColour() const;
    ColourField *customColourField() const { return m_custom; }
    QLineEdit *numberField() const { return m_number; }
    QSlider *slider(int channel) const { return m_sliders.at(std::size_t(channel)); } // 0 red, 1 green, 2 blue
    QLabel *valueField(int channel) const { return m_values.at(std::size_t(channel)); }

    // Reads the three sliders, shows their values, mixes the custom colour
    // and writes its number into the colour number field.
    void mixerUpdate();

    // Places the controls; called again when the screen's dpi changes.
    void placeChildren();

private:
    void numberChanged(const QString &text);

    MixerLayout m_layout;
    QLabel *m_caption = nullptr;
    QLineEdit *m_number = nullptr;
    ColourField *m_custom = nullptr;
    std::array<QSlider *, 3> m_sliders{};
    std::array<QLabel *, 3> m_values{};
};

} // namespace platform
