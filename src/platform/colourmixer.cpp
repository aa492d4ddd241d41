#include "platform/colourmixer.h"

#include "platform/twips.h"
#include "textcore/colourwindowrules.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace platform {

namespace {

constexpr int kCaptionX = 150, kCaptionY = 270;
constexpr int kNumberX = 240, kNumberY = 480, kNumberW = 1215, kNumberH = 285;
constexpr int kCustomX = 240, kCustomY = 720, kCustomW = 1215, kCustomH = 345;
constexpr std::array<int, 3> kSliderX{240, 720, 1200};
constexpr int kSliderY = 1080, kSliderW = 255, kSliderH = 1935;
// The value fields stand under their sliders, a little wider than them so
// that "255" fits.
constexpr std::array<int, 3> kValueX{180, 675, 1140};
constexpr int kValueY = 3000, kValueW = 375;
constexpr int kMaxChannel = 255;

const std::array<const char *, 3> kChannelNames{"Rot", "Grün", "Blau"};

} // namespace

ColourMixer::ColourMixer(const MixerLayout &layout, const QString &dragToken, QWidget *parent)
    : QFrame(parent), m_layout(layout)
{
    QWidget *host = this;
    if (layout.framed) {
        setObjectName(layout.frameName);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(224, 224, 224));
        p.setColor(QPalette::WindowText, Qt::black);
        setPalette(p);
    } else {
        host = parent;
        hide();
    }

    m_caption = new QLabel(QStringLiteral("Farbe eingeben"), host);
    m_caption->setObjectName(layout.captionName);
    QPalette blue = m_caption->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_caption->setPalette(blue);

    m_number = new QLineEdit(host);
    m_number->setObjectName(layout.numberName);
    m_number->setAccessibleName(QStringLiteral("Farbnummer"));
    m_number->setToolTip(QStringLiteral("Farbe als Zahl: Rot + 256 · Grün + 65536 · Blau"));

    m_custom = new ColourField(ColourField::Role::Source, dragToken, host);
    m_custom->setObjectName(layout.customName);
    m_custom->setAccessibleName(QStringLiteral("Eigene Farbe"));
    m_custom->setToolTip(QStringLiteral("Eigene Farbe: auf ein Farbfeld ziehen"));
    m_custom->setDragStart(layout.dragStart);
    m_custom->setColour(textcore::kBlack);

    QFont small = font();
    small.setPointSizeF(7.5);
    m_caption->setFont(small);
    for (std::size_t i = 0; i < 3; ++i) {
        const QString channel = QString::fromUtf8(kChannelNames[i]);
        auto *slider = new QSlider(Qt::Vertical, host);
        slider->setObjectName(layout.sliderNames[i]);
        slider->setRange(0, kMaxChannel);
        slider->setSingleStep(1);
        slider->setPageStep(16);
        // 0 at the top, 255 at the bottom.
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        // valueChanged also comes for every intermediate position while the
        // thumb is dragged.
        slider->setTracking(true);
        slider->setAccessibleName(QStringLiteral("Schieberegler ") + channel);
        connect(slider, &QSlider::valueChanged, this, &ColourMixer::mixerUpdate);
        m_sliders[i] = slider;

        auto *value = new QLabel(QStringLiteral("0"), host);
        value->setObjectName(layout.valueNames[i]);
        value->setAlignment(Qt::AlignCenter);
        value->setAutoFillBackground(true);
        QPalette white = value->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        value->setPalette(white);
        // Read by its number; what the number means goes into the description.
        value->setAccessibleDescription(QStringLiteral("Wert ") + channel);
        value->setFont(small);
        m_values[i] = value;
    }

    connect(m_number, &QLineEdit::textChanged, this, &ColourMixer::numberChanged);
    placeChildren();
}

void ColourMixer::placeChildren()
{
    // Inside the frame the controls are placed relative to it.
    const QPoint origin = m_layout.framed ? m_layout.frame.topLeft() : QPoint(0, 0);
    const auto place = [&origin](QWidget *w, int x, int y, int width, int height) {
        placeWidget(w, x - origin.x(), y - origin.y(), width, height);
    };
    if (m_layout.framed)
        placeWidget(this, m_layout.frame.x(), m_layout.frame.y(), m_layout.frame.width(), m_layout.frame.height());
    place(m_caption, kCaptionX, kCaptionY, m_layout.captionSize.width(), m_layout.captionSize.height());
    place(m_number, kNumberX, kNumberY, kNumberW, kNumberH);
    place(m_custom, kCustomX, kCustomY, kCustomW, kCustomH);
    for (std::size_t i = 0; i < 3; ++i) {
        place(m_sliders[i], kSliderX[i], kSliderY, kSliderW, kSliderH);
        place(m_values[i], kValueX[i], kValueY, kValueW, m_layout.valueHeight);
    }
}

textcore::Colour ColourMixer::customColour() const
{
    return m_custom->colour();
}

void ColourMixer::mixerUpdate()
{
    const unsigned r = unsigned(m_sliders[0]->value());
    const unsigned g = unsigned(m_sliders[1]->value());
    const unsigned b = unsigned(m_sliders[2]->value());
    m_values[0]->setNum(int(r));
    m_values[1]->setNum(int(g));
    m_values[2]->setNum(int(b));
    const textcore::Colour mixed = textcore::rgb(r, g, b);
    m_custom->setColour(mixed);
    m_number->setText(QString::fromStdU16String(textcore::ColourNumberText(mixed)));
}

void ColourMixer::numberChanged(const QString &text)
{
    const textcore::ColourNumberEntry entry = textcore::ReadColourNumber(text.toStdU16String());
    switch (entry.action) {
    case textcore::ColourNumberEntry::Action::Ignore: break;
    case textcore::ColourNumberEntry::Action::Clear:
        // Emptying the field runs this handler again, which makes the custom
        // colour black.
        m_number->clear();
        break;
    case textcore::ColourNumberEntry::Action::Set: m_custom->setColour(entry.colour); break;
    }
}

} // namespace platform
