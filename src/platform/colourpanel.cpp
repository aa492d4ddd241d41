#include "platform/colourpanel.h"

#include "platform/twips.h"

#include <QListWidget>

namespace platform {

namespace {

constexpr int kPaletteX = 10320, kPaletteTop = 240, kPaletteStep = 360, kPaletteSide = 375;
constexpr int kSizeListX = 10320, kSizeListY = 6075, kSizeListW = 375, kSizeListH = 1980;
constexpr int kFontListShownX = 3120, kFontListH = 2565;

void paintList(QListWidget *list)
{
    QPalette p = list->palette();
    p.setColor(QPalette::Base, QColor(224, 224, 224));
    p.setColor(QPalette::Text, QColor(0, 0, 192));
    list->setPalette(p);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
}

} // namespace

ColourPanel::ColourPanel(const ColourPanelLayout &layout, const QString &dragToken, QWidget *client)
    : QObject(client), m_layout(layout), m_client(client)
{
    m_mixer = new ColourMixer(layout.mixer, dragToken, client);
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        const PaletteEntry &entry = layout.palette[i];
        auto *field = new ColourField(ColourField::Role::Source, dragToken, client);
        field->setObjectName(entry.objectName);
        field->setColour(entry.colour);
        field->setAccessibleName(entry.accessibleName);
        field->setToolTip(entry.toolTip);
        field->setDragStart(layout.paletteDragStart);
        placeWidget(field, kPaletteX, kPaletteTop + int(i) * kPaletteStep, kPaletteSide, kPaletteSide);
        m_palette[i] = field;
    }
}

void ColourPanel::buildLists()
{
    m_sizeList = new QListWidget(m_client);
    m_sizeList->setObjectName(m_layout.sizeListName);
    m_sizeList->setAccessibleName(QStringLiteral("Schriftgröße"));
    // Ten entries in a field one palette square wide: a scroll bar would
    // cover them, so the font is small enough for all ten to show.
    QFont small = m_sizeList->font();
    small.setPointSizeF(m_layout.sizeListPoints);
    m_sizeList->setFont(small);
    m_sizeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sizeList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sizeList->setUniformItemSizes(true);
    paintList(m_sizeList);
    placeWidget(m_sizeList, kSizeListX, kSizeListY, kSizeListW, kSizeListH);
    connect(m_sizeList, &QListWidget::currentRowChanged, this, [this](int row) {
        // Clearing the list empties the selection, which is no choice.
        if (row >= 0)
            emit fontSizeChosen(kSmallestFontSize + kFontSizeStep * row);
    });

    m_fontList = new QListWidget(m_client);
    m_fontList->setObjectName(m_layout.fontListName);
    m_fontList->setAccessibleName(QStringLiteral("Schriftart"));
    paintList(m_fontList);
    // A click or Enter chooses, so that the arrow keys can walk the list
    // without closing it, and the entry already current can be chosen again.
    connect(m_fontList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { chooseFont(m_fontList->row(item)); });
    connect(m_fontList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { chooseFont(m_fontList->row(item)); });
    setFontListShown(false);
}

void ColourPanel::fillSizeList()
{
    m_sizeList->clear();
    for (int row = 0; row < kFontSizeCount; ++row)
        m_sizeList->addItem(QString::number(kSmallestFontSize + kFontSizeStep * row));
    m_sizeList->setCurrentRow(kStartSizeRow);
}

void ColourPanel::refillFontList(const QStringList &entries)
{
    m_fontList->clear();
    m_fontList->addItems(entries);
}

void ColourPanel::setFontListShown(bool shown)
{
    m_fontListShown = shown;
    placeWidget(m_fontList, shown ? kFontListShownX : m_layout.fontListParkedX, 0, m_layout.fontListWidth, kFontListH);
    m_fontList->setVisible(shown);
    if (shown)
        m_fontList->raise();
}

void ColourPanel::chooseFont(int row)
{
    if (row < 0 || row >= m_fontList->count())
        return;
    setFontListShown(false);
    emit fontChosen(m_fontList->item(row)->text());
}

} // namespace platform
