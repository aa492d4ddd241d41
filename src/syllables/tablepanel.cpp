#include "syllables/tablepanel.h"

#include "platform/twips.h"
#include "textcore/syllablelist.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

namespace syllables {

namespace {

const QString kTableFont = QStringLiteral("Courier New");
const QColor kTableText(0, 0, 192);
const QColor kPanelBackground(192, 192, 255);

// The strip under the table field, in twips from the panel's top left.
constexpr int kFieldHeight = 7335;
constexpr int kStripTop = 7500;
constexpr int kLabelHeight = 255;
constexpr int kSliderTop = 7470;
constexpr int kSliderHeight = 285;

int labelValue(const QLabel *label)
{
    return label->text().toInt();
}

} // namespace

TablePanel::TablePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TablePanel"));
    setAccessibleName(QStringLiteral("Silbentabelle"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPanelBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    buildControls();
}

TablePanel::~TablePanel() = default;

void TablePanel::buildControls()
{
    const auto place = platform::placeWidget;

    m_tableField = new QPlainTextEdit(this);
    m_tableField->setObjectName(QStringLiteral("tableField"));
    m_tableField->setAccessibleName(QStringLiteral("Silbentabelle"));
    m_tableField->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tableField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tableField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    {
        QFont font(kTableFont);
        font.setStyleHint(QFont::Monospace);
        font.setBold(true);
        font.setPointSizeF(2 * defaultSizeStep);
        m_tableField->setFont(font);
        QPalette palette = m_tableField->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, kTableText);
        m_tableField->setPalette(palette);
    }
    place(m_tableField, 0, 0, 10575, kFieldHeight);

    m_countCaption = new QLabel(QStringLiteral("Silben:"), this);
    m_countCaption->setObjectName(QStringLiteral("countCaption"));
    place(m_countCaption, 120, kStripTop, 735, kLabelHeight);
    m_countLabel = new QLabel(QStringLiteral("0"), this);
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    // Labels that show a value are read by their text; what the value
    // means goes into the description.
    m_countLabel->setAccessibleDescription(QStringLiteral("Anzahl der Silben"));
    place(m_countLabel, 855, kStripTop, 615, kLabelHeight);

    const auto makeSlider = [&](const char *name, const QString &caption, const QString &accessible, int left,
                                int captionWidth, int minimum, int maximum, int value, QLabel *&valueLabel) {
        auto *captionLabel = new QLabel(caption, this);
        captionLabel->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
        place(captionLabel, left, kStripTop, captionWidth, kLabelHeight);
        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QString::fromLatin1(name) + QStringLiteral("Slider"));
        slider->setAccessibleName(accessible);
        slider->setRange(minimum, maximum);
        slider->setValue(value);
        slider->setTracking(true);
        place(slider, left + captionWidth, kSliderTop, 1440, kSliderHeight);
        valueLabel = new QLabel(this);
        valueLabel->setObjectName(QString::fromLatin1(name) + QStringLiteral("Value"));
        valueLabel->setAccessibleDescription(accessible + QStringLiteral(" Wert"));
        place(valueLabel, left + captionWidth + 1500, kStripTop, 420, kLabelHeight);
        return slider;
    };
    m_columnsSlider = makeSlider("columns", QStringLiteral("Spalten:"), QStringLiteral("Spalten"), 1560, 855, 1, 20,
                                 defaultColumns, m_columnsLabel);
    m_widthSlider = makeSlider("width", QStringLiteral("Breite:"), QStringLiteral("Breite"), 4440, 735, 1, 50,
                               defaultWidth, m_widthLabel);
    m_sizeSlider = makeSlider("size", QStringLiteral("Größe:"), QStringLiteral("Schriftgröße der Tabelle"), 7200, 690,
                              5, 12, defaultSizeStep, m_sizeLabel);
    m_columnsLabel->setNum(defaultColumns);
    m_widthLabel->setNum(defaultWidth);
    m_sizeLabel->setNum(2 * defaultSizeStep);

    // valueChanged comes on every change, also while the thumb is dragged.
    connect(m_columnsSlider, &QSlider::valueChanged, this, [this](int value) {
        m_columnsLabel->setNum(value);
        rebuildTable();
    });
    connect(m_widthSlider, &QSlider::valueChanged, this, [this](int value) {
        m_widthLabel->setNum(value);
        rebuildTable();
    });
    connect(m_sizeSlider, &QSlider::valueChanged, this, &TablePanel::onSizeChanged);

    m_closeButton = new QPushButton(QStringLiteral("X"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAccessibleName(QStringLiteral("Tabelle schließen"));
    place(m_closeButton, 9960, 7440, 495, 375);
    connect(m_closeButton, &QPushButton::clicked, this, &TablePanel::closeRequested);
}

void TablePanel::setSyllables(std::vector<std::u16string> list)
{
    m_list = std::move(list);
    m_countLabel->setNum(int(m_list.size()));
}

void TablePanel::rebuildTable()
{
    const std::u16string table
        = textcore::BuildSyllableTable(m_list, labelValue(m_widthLabel), labelValue(m_columnsLabel));
    // The field keeps one line break per row; tableText() gives CR LF back.
    QString text = QString::fromStdU16String(table);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_tableField->setPlainText(text);
}

void TablePanel::clearTable()
{
    m_tableField->clear();
}

QString TablePanel::tableText() const
{
    QString text = m_tableField->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString TablePanel::tableFontName() const
{
    return m_tableField->font().family();
}

double TablePanel::tableFontSize() const
{
    return m_tableField->font().pointSizeF();
}

void TablePanel::onSizeChanged(int value)
{
    const int size = 2 * value;
    QFont font = m_tableField->font();
    font.setPointSizeF(size);
    m_tableField->setFont(font);
    m_sizeLabel->setNum(size);
}

} // namespace syllables
