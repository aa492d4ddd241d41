#include "soundcolours/soundcolourwindow.h"

#include "platform/application.h"
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/colourpanel.h"
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "platform/twips.h"
#include "session/session.h"
#include "soundcolours/soundcommands.h"
#include "textcore/soundcolouring.h"
#include "textcore/soundwindowrules.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>

namespace soundcolours {

using textcore::SoundClass;

namespace {

constexpr int kWindowWidth = 10900;
constexpr int kWindowHeight = 8900;

constexpr int kCategoryX = 120, kCategoryW = 1455, kCategoryH = 255, kCaptionAbove = 240;
constexpr int kMixerX = 120, kMixerY = 240, kMixerW = 1455, kMixerH = 3015;
constexpr int kPreviewX = 1680, kPreviewY = 240, kPreviewW = 8535, kPreviewH = 7830;
constexpr int kFontListW = 2175, kFontListHiddenX = 11640;

struct CategoryPlace {
    int fieldY;
    SoundClass soundClass;
    int number; // Bild<number>, Label<number>
};

// Top to bottom as the window shows them.
constexpr std::array<CategoryPlace, textcore::kSoundClassCount> kCategories{{
    {3600, SoundClass::Consonants, 3},
    {4200, SoundClass::DoubleConsonants, 8},
    {4800, SoundClass::Vowels, 4},
    {5400, SoundClass::Umlauts, 5},
    {6000, SoundClass::Capitals, 6},
    {6600, SoundClass::Punctuation, 7},
    {7200, SoundClass::SpecialGroups, 1},
    {7800, SoundClass::Background, 2},
}};

struct PaletteColour {
    unsigned r, g, b;
    const char *name;
};

constexpr std::array<PaletteColour, platform::ColourPanelLayout::kPaletteSize> kPaletteColours{{
    {0, 0, 0, "Schwarz"},
    {192, 192, 192, "Grau"},
    {255, 0, 0, "Rot"},
    {255, 128, 128, "Hellrot"},
    {0, 0, 192, "Blau"},
    {128, 128, 255, "Hellblau"},
    {0, 192, 192, "Türkis"},
    {0, 255, 255, "Helltürkis"},
    {0, 192, 0, "Grün"},
    {128, 255, 128, "Hellgrün"},
    {255, 0, 255, "Violett"},
    {255, 128, 255, "Rosa"},
    {255, 255, 0, "Gelb"},
    {255, 128, 0, "Orange"},
    {128, 64, 64, "Braun"},
    {128, 0, 0, "Dunkelrot"},
}};

const QString kNoGroupsHover = QStringLiteral("Keine Zeichen gewählt.");

QString fromStd(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

std::size_t index(SoundClass c)
{
    return static_cast<std::size_t>(c);
}

platform::ColourPanelLayout panelLayout()
{
    platform::ColourPanelLayout layout{
        .mixer = {.framed = true,
                  .frame = QRect(kMixerX, kMixerY, kMixerW, kMixerH),
                  .frameName = QStringLiteral("Frame1"),
                  .captionName = QStringLiteral("Label9"),
                  .captionSize = QSize(1395, 210),
                  .numberName = QStringLiteral("Text1"),
                  .customName = QStringLiteral("Bezeichnung1"),
                  .sliderNames = {QStringLiteral("VScroll1"), QStringLiteral("VScroll2"), QStringLiteral("VScroll3")},
                  .valueNames = {QStringLiteral("Label10"), QStringLiteral("Label11"), QStringLiteral("Label12")},
                  .valueHeight = 210},
        .sizeListName = QStringLiteral("List1"),
        .sizeListPoints = 8,
        .fontListName = QStringLiteral("List3"),
        .fontListWidth = kFontListW,
        .fontListParkedX = kFontListHiddenX};
    for (std::size_t i = 0; i < kPaletteColours.size(); ++i) {
        const PaletteColour &c = kPaletteColours[i];
        const QString name = QString::fromUtf8(c.name);
        layout.palette[i] = {textcore::rgb(c.r, c.g, c.b), QStringLiteral("Farbe%1").arg(i + 1),
                             QStringLiteral("Farbvorlage ") + name,
                             name + QStringLiteral(" (%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b)};
    }
    return layout;
}

} // namespace

SoundColourWindow::SoundColourWindow(session::Session &session, platform::Dialogs &dialogs, platform::Printer &printer,
                                     platform::Clipboard &clipboard, platform::Timers &timers, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_state(session.sound()), m_offeredFonts(session.fonts()),
      m_dialogs(dialogs), m_timers(timers), m_dragToken(ColourField::dragTokenFor(QStringLiteral("Form2"), this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("olorat:  Laute einstellen"));
    setWindowIcon(platform::windowIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAutoFillBackground(true);
    QPalette back = client->palette();
    back.setColor(QPalette::Window, QColor(192, 192, 255));
    back.setColor(QPalette::WindowText, Qt::black);
    client->setPalette(back);
    setCentralWidget(client);

    buildFields(client);
    m_commands = std::make_unique<SoundCommands>(session, *m_preview, dialogs, printer, clipboard);
    createMenus();
    showState();

    // Loading: size and centre, preview font, mixer, size 16 selected.
    platform::centreWindow(this, kWindowWidth, kWindowHeight);
    rtfini();
    m_panel->mixer().mixerUpdate();
}

SoundColourWindow::~SoundColourWindow() = default;

void SoundColourWindow::buildFields(QWidget *client)
{
    QFont captionFont = font();
    captionFont.setPointSizeF(8);
    for (const CategoryPlace &place : kCategories) {
        const QString caption = fromStd(textcore::CategoryCaption(place.soundClass));

        auto *label = new ColourField(ColourField::Role::Caption, m_dragToken, client);
        label->setObjectName(QStringLiteral("Label%1").arg(place.number));
        label->setText(caption);
        label->setFont(captionFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(label, &ColourField::clicked, this, [this, c = place.soundClass] { clickCaption(c); });
        platform::placeWidget(label, kCategoryX, place.fieldY - kCaptionAbove, kCategoryW, kCategoryH);
        m_captions[index(place.soundClass)] = label;

        auto *field = new ColourField(ColourField::Role::Target, m_dragToken, client);
        field->setObjectName(QStringLiteral("Bild%1").arg(place.number));
        field->setAccessibleName(QStringLiteral("Farbfeld ") + caption);
        connect(field, &ColourField::clicked, this, [this, c = place.soundClass] { clickCategory(c); });
        connect(field, &ColourField::dropped, this,
                [this, c = place.soundClass](const QString &token, const QString &name) {
                    dropOnCategory(c, token == m_dragToken ? name : QString());
                });
        platform::placeWidget(field, kCategoryX, place.fieldY, kCategoryW, kCategoryH);
        m_categories[index(place.soundClass)] = field;
    }
    m_captions[index(SoundClass::SpecialGroups)]->setToolTip(QStringLiteral("Zeichen über 'Eingabe'"));
    m_categories[index(SoundClass::Background)]->setToolTip(QStringLiteral("Hintergrund wird nicht gedruckt."));

    m_panel = new ColourPanel(panelLayout(), m_dragToken, client);
    m_panel->mixer().setAccessibleName(QStringLiteral("Farbmischer"));

    m_preview = new platform::RichTextField(client);
    m_preview->setObjectName(QStringLiteral("RichTextBox1"));
    m_preview->setAccessibleName(QStringLiteral("Vorschau des gefärbten Textes"));
    m_preview->setUndoEnabled(false);
    // The colours go back into the WorkingText position by position, so the
    // preview must keep exactly the editor's characters.
    m_preview->setReadOnly(true);
    m_preview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    platform::placeWidget(m_preview, kPreviewX, kPreviewY, kPreviewW, kPreviewH);

    m_panel->buildLists();
    connect(m_panel, &ColourPanel::fontSizeChosen, this, [this](qreal points) {
        m_preview->setFieldFontSize(points);
        rtfarben();
    });
    connect(m_panel, &ColourPanel::fontChosen, this, [this](const QString &name) {
        m_preview->setFieldFontName(name);
        rtfarben();
    });

    m_groupsText = new QLineEdit(client);
    m_groupsText->setObjectName(QStringLiteral("Text2"));
    m_groupsText->setAccessibleName(QStringLiteral("Sonderzeichen"));
    m_groupsText->hide();

    m_groupList = new QListWidget(client);
    m_groupList->setObjectName(QStringLiteral("List2"));
    m_groupList->setAccessibleName(QStringLiteral("Sonderzeichengruppen"));
    m_groupList->hide();
}

void SoundColourWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    const auto entry = [this](QWidget *owner, const QString &name, const QString &text, auto slot) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
        return action;
    };
    entry(bar, QStringLiteral("menuAbbruch"), QStringLiteral("Abbruch"), [this] { cancel(); });
    QMenu *print = bar->addMenu(QStringLiteral("Drucken"));
    print->setObjectName(QStringLiteral("menuDrucken"));
    entry(print, QStringLiteral("menuFarbwerte"), QStringLiteral("Farbwerte"),
          [this] { m_commands->printColourSheet(); });
    entry(print, QStringLiteral("menuTextseite"), QStringLiteral("Textseite"), [this] { m_commands->printTextPage(); });
    entry(bar, QStringLiteral("menuKopieren"), QStringLiteral("Kopieren"), [this] { m_commands->copyText(); });
    entry(bar, QStringLiteral("menuSichern"), QStringLiteral("Sichern"), [this] { m_commands->saveText(); });
    entry(bar, QStringLiteral("menuSchriften"), QStringLiteral("Schriften"), [this] { toggleFontList(); });
    entry(bar, QStringLiteral("menuZeichen"), QStringLiteral("Zeichen"), [this] { enterSpecialGroups(); });
    entry(bar, QStringLiteral("menuHilfe"), QStringLiteral("?"), [this] { showHelp(); });
}

void SoundColourWindow::showState()
{
    for (std::size_t i = 0; i < m_categories.size(); ++i)
        m_categories[i]->setColour(m_state.colours.colours[i]);
    const QString groups = QString::fromStdU16String(m_state.specialGroupsText);
    if (m_groupsText->text() != groups)
        m_groupsText->setText(groups);
    updateSpecialGroupsHover();
}

void SoundColourWindow::updateSpecialGroupsHover()
{
    const QString groups = QString::fromStdU16String(m_state.specialGroupsText);
    m_categories[index(SoundClass::SpecialGroups)]->setToolTip(groups.isEmpty() ? kNoGroupsHover : groups);
}

void SoundColourWindow::openAt(const QPoint &editorTopLeft)
{
    move(editorTopLeft);
    showState();
    show();
    raise();
    activateWindow();
    const int opening = ++m_openings;
    m_timers.singleShot(kActivationDelayMs, this, [this, opening] {
        // A window left before the delay ran out keeps its empty preview.
        if (opening == m_openings && isVisible())
            activationStep();
    });
}

void SoundColourWindow::activationStep()
{
    m_panel->refillFontList(m_offeredFonts.fontListEntries());
    m_preview->setText(m_session.workingText().text());
    rtfarben();
}

void SoundColourWindow::rtfarben()
{
    showState();
    const std::vector<std::u16string> groups = textcore::ParseSpecialGroups(m_state.specialGroupsText);
    m_groupList->clear();
    for (const std::u16string &group : groups)
        m_groupList->addItem(QString::fromStdU16String(group));

    const QString text = m_preview->text();
    const textcore::SoundColouring colouring = textcore::ColourBySounds(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())),
        m_state.colours, groups, textcore::SoundVariant::ColourWindow);
    m_preview->setBackColor(colouring.background);
    m_preview->applyColours(colouring.colours);
}

void SoundColourWindow::rtfini()
{
    m_preview->setFieldFont(QStringLiteral("Verdana"), 16);
    m_panel->fillSizeList();
}

void SoundColourWindow::setPreviewFontName(const QString &name)
{
    m_preview->setFieldFontName(name);
}

void SoundColourWindow::toggleFontList()
{
    m_panel->setFontListShown(!m_panel->fontListShown());
}

ColourMixer &SoundColourWindow::mixer() const
{
    return m_panel->mixer();
}

QListWidget *SoundColourWindow::fontSizeList() const
{
    return m_panel->sizeList();
}

QListWidget *SoundColourWindow::fontList() const
{
    return m_panel->fontList();
}

ColourField *SoundColourWindow::categoryField(SoundClass category) const
{
    return m_categories[index(category)];
}

ColourField *SoundColourWindow::captionField(SoundClass category) const
{
    return m_captions[index(category)];
}

void SoundColourWindow::dropOnCategory(SoundClass category, const QString &draggedName)
{
    if (const ColourField *dragged = platform::draggedSource(*this, m_dragToken, m_dragToken, draggedName)) {
        m_state.colours[category] = dragged->colour();
        if (category == SoundClass::Background)
            emit backgroundChanged(dragged->colour());
    }
    rtfarben();
}

void SoundColourWindow::clickCategory(SoundClass category)
{
    m_state.colours[category] = m_panel->mixer().customColour();
    rtfarben();
}

void SoundColourWindow::clickCaption(SoundClass category)
{
    const QString text = fromStd(textcore::CategoryInfoText(category, m_state.specialGroupsText));
    m_dialogs.inform(text, fromStd(textcore::CategoryCaption(category)));
}

void SoundColourWindow::showHelp()
{
    m_dialogs.inform(fromStd(textcore::ColourWindowHelpText()), QStringLiteral("Laute einstellen"));
}

void SoundColourWindow::enterSpecialGroups()
{
    if (m_commands->enterSpecialGroups())
        rtfarben();
    updateSpecialGroupsHover();
}

void SoundColourWindow::cancel()
{
    if (m_dialogs.ask(QStringLiteral("Die Farben so übernehmen?\r\r"), QStringLiteral("Lautefarben"))) {
        // One bulk edit: the WorkingText takes the colour of every position.
        m_session.workingText().applyColours(m_preview->coloursOfAllPositions());
    }
    ++m_openings;
    m_preview->setText(QString());
    const QPoint topLeft = pos();
    hide();
    m_session.requests().showEditor(topLeft);
}

void SoundColourWindow::closeEvent(QCloseEvent *event)
{
    // Closing only hides: the colours stay for the settings file and the
    // other windows. A window that is already hidden (the program ends)
    // leaves the editor alone.
    const bool wasShown = isVisible();
    event->accept();
    ++m_openings;
    if (wasShown) {
        hide();
        m_session.requests().showEditor(std::nullopt);
    }
}

} // namespace soundcolours
