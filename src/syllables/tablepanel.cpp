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

    tableField_ = new QPlainTextEdit(this);
    tableField_->setObjectName(QStringLiteral("tableField"));
    tableField_->setAccessibleName(QStringLiteral("Silbentabelle"));
    tableField_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tableField_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tableField_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    {
        QFont font(kTableFont);
        font.setStyleHint(QFont::Monospace);
        font.setBold(true);
        font.setPointSizeF(2 * defaultSizeStep);
        tableField_->setFont(font);
        QPalette palette = tableField_->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, kTableText);
        tableField_->setPalette(palette);
    }
    place(tableField_, 0, 0, 10575, kFieldHeight);

    countCaption_ = new QLabel(QStringLiteral("Silben:"), this);
    countCaption_->setObjectName(QStringLiteral("countCaption"));
    place(countCaption_, 120, kStripTop, 735, kLabelHeight);
    countLabel_ = new QLabel(QStringLiteral("0"), this);
    countLabel_->setObjectName(QStringLiteral("countLabel"));
    // Labels that show a value are read by their text; what the value
    // means goes into the description.
    countLabel_->setAccessibleDescription(QStringLiteral("Anzahl der Silben"));
    place(countLabel_, 855, kStripTop, 615, kLabelHeight);

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
    columnsSlider_ = makeSlider("columns", QStringLiteral("Spalten:"), QStringLiteral("Spalten"), 1560, 855, 1, 20,
                                defaultColumns, columnsLabel_);
    widthSlider_ = makeSlider("width", QStringLiteral("Breite:"), QStringLiteral("Breite"), 4440, 735, 1, 50,
                              defaultWidth, widthLabel_);
    sizeSlider_ = makeSlider("size", QStringLiteral("Größe:"), QStringLiteral("Schriftgröße der Tabelle"), 7200, 690, 5,
                             12, defaultSizeStep, sizeLabel_);
    columnsLabel_->setNum(defaultColumns);
    widthLabel_->setNum(defaultWidth);
    sizeLabel_->setNum(2 * defaultSizeStep);

    // valueChanged comes on every change, also while the thumb is dragged.
    connect(columnsSlider_, &QSlider::valueChanged, this, [this](int value) {
        columnsLabel_->setNum(value);
        rebuildTable();
    });
    connect(widthSlider_, &QSlider::valueChanged, this, [this](int value) {
        widthLabel_->setNum(value);
        rebuildTable();
    });
    connect(sizeSlider_, &QSlider::valueChanged, this, &TablePanel::onSizeChanged);

    closeButton_ = new QPushButton(QStringLiteral("X"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setAccessibleName(QStringLiteral("Tabelle schließen"));
    place(closeButton_, 9960, 7440, 495, 375);
    connect(closeButton_, &QPushButton::clicked, this, &TablePanel::closeRequested);
}

void TablePanel::setSyllables(std::vector<std::u16string> list)
{
    list_ = std::move(list);
    countLabel_->setNum(int(list_.size()));
}

void TablePanel::rebuildTable()
{
    const std::u16string table
        = textcore::BuildSyllableTable(list_, labelValue(widthLabel_), labelValue(columnsLabel_));
    // The field keeps one line break per row; tableText() gives CR LF back.
    QString text = QString::fromStdU16String(table);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tableField_->setPlainText(text);
}

void TablePanel::clearTable()
{
    tableField_->clear();
}

QString TablePanel::tableText() const
{
    QString text = tableField_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString TablePanel::tableFontName() const
{
    return tableField_->font().family();
}

double TablePanel::tableFontSize() const
{
    return tableField_->font().pointSizeF();
}

void TablePanel::onSizeChanged(int value)
{
    const int size = 2 * value;
    QFont font = tableField_->font();
    font.setPointSizeF(size);
    tableField_->setFont(font);
    sizeLabel_->setNum(size);
}

} // namespace syllables
