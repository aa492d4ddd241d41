#pragma once
// What both colour windows offer beside their own target fields: sixteen
// palette fields down the right edge, the colour mixer at the top left, the
// font size list under the palette and the font list that opens over the
// text. The controls stand directly on the window's client area, so each
// window keeps its own object names and accessible names; the panel only
// builds, places and wires them, and reports the user's choices.
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "textcore/colour.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QListWidget;

namespace platform {

struct PaletteEntry {
    textcore::Colour colour = 0;
    QString objectName;
    QString accessibleName;
    QString toolTip;
};

struct ColourPanelLayout {
    static constexpr int kPaletteSize = 16;

    MixerLayout mixer;
    // Top to bottom.
    std::array<PaletteEntry, kPaletteSize> palette{};
    ColourField::DragStart paletteDragStart = ColourField::DragStart::OnMove;
    QString sizeListName;
    qreal sizeListPoints = 8;
    QString fontListName;
    int fontListWidth = 0;
    // Where the hidden font list waits; it opens at (3120, 0).
    int fontListParkedX = 3120;
};

class ColourPanel : public QObject {
    Q_OBJECT
public:
    // The font size list offers 12, 16, ..., 48.
    static constexpr int kSmallestFontSize = 12;
    static constexpr int kFontSizeStep = 4;
    static constexpr int kFontSizeCount = 10;
    static constexpr int kStartSizeRow = 1; // 16 points

    // Builds the mixer and the palette on `client`; `dragToken` names the
    // window.
    ColourPanel(const ColourPanelLayout &layout, const QString &dragToken, QWidget *client);
    // Builds the two lists. A window calls this after its text field, so
    // that the keyboard reaches the lists after the text.
    void buildLists();

    ColourMixer &mixer() const { return *m_mixer; }
    ColourField *paletteField(int index) const { return m_palette.at(std::size_t(index)); }
    QListWidget *sizeList() const { return m_sizeList; }
    QListWidget *fontList() const { return m_fontList; }

    // Empties the size list and fills it again with 16 chosen, which
    // reports that size.
    void fillSizeList();
    // "Arial", "Verdana", then the offered fonts.
    void refillFontList(const QStringList &entries);

    bool fontListShown() const { return m_fontListShown; }
    void setFontListShown(bool shown);

signals:
    void fontSizeChosen(qreal points);
    // The user picked an entry; the list has already closed.
    void fontChosen(const QString &name);

private:
    void chooseFont(int row);

    ColourPanelLayout m_layout;
    QWidget *m_client;
    ColourMixer *m_mixer = nullptr;
    std::array<ColourField *, ColourPanelLayout::kPaletteSize> m_palette{};
    QListWidget *m_sizeList = nullptr;
    QListWidget *m_fontList = nullptr;
    bool m_fontListShown = false;
};

} // namespace platform
