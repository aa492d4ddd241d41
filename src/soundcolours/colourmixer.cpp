#include "soundcolours/colourmixer.h"

#include "platform/twips.h"
#include "soundcolours/colourfield.h"
#include "textcore/soundwindowrules.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace soundcolours {

namespace {

constexpr int kCaptionX = 150, kCaptionY = 270, kCaptionW = 1395, kCaptionH = 210;
constexpr int kNumberX = 240, kNumberY = 480, kNumberW = 1215, kNumberH = 285;
constexpr int kCustomX = 240, kCustomY = 720, kCustomW = 1215, kCustomH = 345;
constexpr std::array<int, 3> kSliderX{240, 720, 1200};
constexpr int kSliderY = 1080, kSliderW = 255, kSliderH = 1935;
// The value fields stand centred under their sliders, a little wider than
// them so that "255" fits.
constexpr int kValueY = 3000, kValueW = 375, kValueH = 210;
constexpr int kMaxChannel = 255;

const std::array<const char *, 3> kChannelNames{"Rot", "Grün", "Blau"};
const std::array<const char *, 3> kSliderObjectNames{"VScroll1", "VScroll2", "VScroll3"};
const std::array<const char *, 3> kValueObjectNames{"Label10", "Label11", "Label12"};

QString fromStd(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

} // namespace

ColourMixer::ColourMixer(int left, int top, const QString &dragToken, QWidget *parent)
    : QFrame(parent), m_left(left), m_top(top)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(224, 224, 224));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    m_caption = new QLabel(QStringLiteral("Farbe eingeben"), this);
    m_caption->setObjectName(QStringLiteral("Label9"));

    m_number = new QLineEdit(QStringLiteral("0"), this);
    m_number->setObjectName(QStringLiteral("Text1"));
    m_number->setAccessibleName(QStringLiteral("Farbnummer"));
    m_number->setToolTip(QStringLiteral("Farbe als Zahl: Rot + 256 · Grün + 65536 · Blau"));

    m_custom = new ColourField(ColourField::Role::Source, dragToken, this);
    m_custom->setObjectName(QStringLiteral("Bezeichnung1"));
    m_custom->setAccessibleName(QStringLiteral("Eigene Farbe"));
    m_custom->setToolTip(QStringLiteral("Eigene Farbe: auf ein Farbfeld ziehen"));
    m_custom->setColour(textcore::kBlack);

    for (std::size_t i = 0; i < 3; ++i) {
        auto *slider = new QScrollBar(Qt::Vertical, this);
        slider->setObjectName(QString::fromLatin1(kSliderObjectNames[i]));
        slider->setRange(0, kMaxChannel);
        slider->setSingleStep(1);
        slider->setPageStep(16);
        slider->setValue(0);
        slider->setAccessibleName(QStringLiteral("Schieberegler ") + QString::fromUtf8(kChannelNames[i]));
        // valueChanged also comes for every intermediate position while the
        // slider is dragged (tracking is on).
        connect(slider, &QScrollBar::valueChanged, this, &ColourMixer::mixerUpdate);
        m_sliders[i] = slider;

        auto *value = new QLabel(QStringLiteral("0"), this);
        value->setObjectName(QString::fromLatin1(kValueObjectNames[i]));
        value->setAlignment(Qt::AlignCenter);
        value->setAutoFillBackground(true);
        QPalette white = value->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        value->setPalette(white);
        value->setAccessibleName(QStringLiteral("Wert ") + QString::fromUtf8(kChannelNames[i]));
        m_values[i] = value;
    }

    QFont small = font();
    small.setPointSizeF(7.5);
    for (QLabel *value : m_values)
        value->setFont(small);
    m_caption->setFont(small);

    connect(m_number, &QLineEdit::textChanged, this, &ColourMixer::numberChanged);
    placeChildren();
}

void ColourMixer::placeChildren()
{
    const auto place = [this](QWidget *w, int x, int y, int width, int height) {
        platform::placeWidget(w, x - m_left, y - m_top, width, height);
    };
    place(m_caption, kCaptionX, kCaptionY, kCaptionW, kCaptionH);
    place(m_number, kNumberX, kNumberY, kNumberW, kNumberH);
    place(m_custom, kCustomX, kCustomY, kCustomW, kCustomH);
    for (std::size_t i = 0; i < 3; ++i) {
        place(m_sliders[i], kSliderX[i], kSliderY, kSliderW, kSliderH);
        place(m_values[i], kSliderX[i] + kSliderW / 2 - kValueW / 2, kValueY, kValueW, kValueH);
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
    m_values[0]->setText(QString::number(r));
    m_values[1]->setText(QString::number(g));
    m_values[2]->setText(QString::number(b));
    const textcore::Colour mixed = textcore::rgb(r, g, b);
    m_custom->setColour(mixed);
    m_number->setText(fromStd(textcore::ColourNumberText(mixed)));
}

void ColourMixer::numberChanged(const QString &text)
{
    const textcore::ColourNumberEntry entry = textcore::ReadColourNumber(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())));
    switch (entry.action) {
    case textcore::ColourNumberEntry::Action::Ignore:
        break;
    case textcore::ColourNumberEntry::Action::Clear:
        // Emptying the field runs this handler again, which makes the custom
        // colour black.
        m_number->setText(QString());
        break;
    case textcore::ColourNumberEntry::Action::Set:
        m_custom->setColour(entry.colour);
        break;
    }
}

} // namespace soundcolours
