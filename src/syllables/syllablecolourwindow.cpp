#include "syllables/syllablecolourwindow.h"

#include "platform/application.h"
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/colourpanel.h"
#include "platform/dialogs.h"
#include "platform/qtcolour.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "platform/twips.h"
#include "session/session.h"
#include "syllables/tablepanel.h"
#include "textcore/syllablelist.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace syllables {

using textcore::Colour;
using textcore::SoundClass;
using textcore::SyllableCounting;

namespace {

const QColor kWindowBackground(192, 192, 255);
const QColor kCaptionBlue(0, 0, 255);
const QString kFieldFont = QStringLiteral("Verdana");
constexpr double kFieldFontSize = 16;

void paintWindow(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintText(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

platform::ColourPanelLayout panelLayout()
{
    using textcore::rgb;
    constexpr std::array<Colour, platform::ColourPanelLayout::kPaletteSize> kPalette{
        rgb(0, 0, 0),     rgb(192, 192, 192), rgb(255, 0, 0),  rgb(255, 128, 128), rgb(0, 0, 192),   rgb(128, 128, 255),
        rgb(0, 192, 192), rgb(0, 255, 255),   rgb(0, 192, 0),  rgb(128, 255, 128), rgb(255, 0, 255), rgb(255, 128, 255),
        rgb(255, 255, 0), rgb(255, 128, 0),   rgb(128, 64, 0), rgb(128, 0, 0)};
    // No frame: the mixer's controls stand on the window itself.
    platform::ColourPanelLayout layout{
        .mixer
        = {.captionName = QStringLiteral("mixerCaption"),
           .captionSize = QSize(1335, 255),
           .numberName = QStringLiteral("numberField"),
           .customName = QStringLiteral("customColourField"),
           .sliderNames = {QStringLiteral("redSlider"), QStringLiteral("greenSlider"), QStringLiteral("blueSlider")},
           .valueNames = {QStringLiteral("redValue"), QStringLiteral("greenValue"), QStringLiteral("blueValue")},
           .valueHeight = 255,
           .dragStart = ColourField::DragStart::OnPress},
        .paletteDragStart = ColourField::DragStart::OnPress,
        .sizeListName = QStringLiteral("fontSizeList"),
        .sizeListPoints = 7,
        .fontListName = QStringLiteral("FontList"),
        .fontListWidth = 1935};
    for (std::size_t i = 0; i < kPalette.size(); ++i) {
        const QColor c = platform::toQColor(kPalette[i]);
        layout.palette[i] = {kPalette[i], QStringLiteral("paletteField%1").arg(i + 1),
                             QStringLiteral("Palettenfarbe %1 (Rot %2, Grün %3, Blau %4)")
                                 .arg(i + 1)
                                 .arg(c.red())
                                 .arg(c.green())
                                 .arg(c.blue()),
                             QString()};
    }
    return layout;
}

} // namespace

SyllableColourWindow::SyllableColourWindow(session::Session &session, platform::Dialogs &dialogs,
                                           platform::Printer &printer, platform::Clipboard &clipboard,
                                           platform::Timers &timers, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_state(session.syllables()), m_soundState(session.sound()),
      m_offeredFonts(session.fonts()), m_dialogs(dialogs), m_printer(printer), m_clipboard(clipboard), m_timers(timers),
      m_dragToken(ColourField::dragTokenFor(QStringLiteral("Form3"), this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("olorat:  Silben einstellen"));
    setWindowIcon(platform::windowIcon());
    paintWindow(this, kWindowBackground);

    buildMenus();
    buildControls();
    platform::centreWindow(this, 10900, 8900);
    refreshTargetFields();
    // Choosing the start size sets the field's size and colours the still
    // empty field, as every size choice does.
    m_panel->fillSizeList();
}

SyllableColourWindow::~SyllableColourWindow() = default;

void SyllableColourWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    connect(bar->addAction(QStringLiteral("Abbruch")), &QAction::triggered, this,
            &SyllableColourWindow::leaveWithQuestion);

    QMenu *print = bar->addMenu(QStringLiteral("Drucken"));
    print->setObjectName(QStringLiteral("printMenu"));
    connect(print->addAction(QStringLiteral("Silbentabelle")), &QAction::triggered, this,
            &SyllableColourWindow::printSyllableTable);
    connect(print->addAction(QStringLiteral("Textseite")), &QAction::triggered, this,
            &SyllableColourWindow::printTextPage);

    connect(bar->addAction(QStringLiteral("Kopieren")), &QAction::triggered, this, &SyllableColourWindow::copyText);
    connect(bar->addAction(QStringLiteral("Sichern")), &QAction::triggered, this,
            &SyllableColourWindow::saveColouredText);
    connect(bar->addAction(QStringLiteral("Schriften")), &QAction::triggered, this,
            &SyllableColourWindow::toggleFontList);
    connect(bar->addAction(QStringLiteral("Tabelle")), &QAction::triggered, this, &SyllableColourWindow::toggleTable);

    QMenu *counting = bar->addMenu(QStringLiteral("Wortsilben"));
    counting->setObjectName(QStringLiteral("countingMenu"));
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    m_alternatingAction = counting->addAction(QStringLiteral("Alle Silben abwechselnd"));
    m_multiSyllableAction = counting->addAction(QStringLiteral("Alle mehrsilbigen Wörter"));
    for (QAction *action : {m_alternatingAction, m_multiSyllableAction}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    (m_state.counting == SyllableCounting::MultiSyllableWords ? m_multiSyllableAction : m_alternatingAction)
        ->setChecked(true);
    connect(m_alternatingAction, &QAction::triggered, this,
            [this] { chooseCounting(SyllableCounting::AllSyllablesAlternating); });
    connect(m_multiSyllableAction, &QAction::triggered, this,
            [this] { chooseCounting(SyllableCounting::MultiSyllableWords); });

    connect(bar->addAction(QStringLiteral("?")), &QAction::triggered, this, &SyllableColourWindow::showHelp);
}

void SyllableColourWindow::buildControls()
{
    const auto place = platform::placeWidget;
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    paintWindow(area, kWindowBackground);
    // Captions are sized for a small font; the window's text field and
    // lists set their own.
    {
        QFont font = area->font();
        font.setPointSizeF(8);
        area->setFont(font);
    }
    setCentralWidget(area);

    m_panel = new platform::ColourPanel(panelLayout(), m_dragToken, area);
    buildTargets(area);

    m_textField = new platform::RichTextField(area);
    m_textField->setObjectName(QStringLiteral("RichTextBox1"));
    m_textField->setAccessibleName(QStringLiteral("Text in Silbenfarben"));
    m_textField->setUndoEnabled(false);
    // The colours go back into the WorkingText position by position, so the
    // field must keep exactly the editor's characters.
    m_textField->setReadOnly(true);
    m_textField->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_textField->setFieldFont(kFieldFont, kFieldFontSize);
    m_textField->setFieldFontBold(true);
    place(m_textField, 1680, 240, 8535, 7830);

    m_panel->buildLists();
    connect(m_panel, &platform::ColourPanel::fontSizeChosen, this, &SyllableColourWindow::onFontSizeChosen);
    connect(m_panel, &platform::ColourPanel::fontChosen, this, &SyllableColourWindow::onFontChosen);

    m_tablePanel = new TablePanel(area);
    place(m_tablePanel, 120, 120, 10575, 8055);
    m_tablePanel->hide();
    connect(m_tablePanel, &TablePanel::closeRequested, this, [this] {
        toggleTable();
        m_tablePanel->tableField()->setFocus();
    });
}

QLineEdit *SyllableColourWindow::numberField() const
{
    return m_panel->mixer().numberField();
}

QListWidget *SyllableColourWindow::fontList() const
{
    return m_panel->fontList();
}

QListWidget *SyllableColourWindow::fontSizeList() const
{
    return m_panel->sizeList();
}

void SyllableColourWindow::buildTargets(QWidget *area)
{
    const auto place = platform::placeWidget;
    const auto makeCaption = [&](const char *name, const QString &text, int top) {
        auto *caption = new ColourField(ColourField::Role::Caption, m_dragToken, area);
        caption->setText(text);
        caption->setAccessibleName(text);
        caption->setObjectName(QString::fromLatin1(name));
        place(caption, 120, top, 1455, 255);
        return caption;
    };
    const auto makeTarget = [&](const char *name, const QString &text, const QString &accessible) {
        auto *target = new ColourField(ColourField::Role::Target, m_dragToken, area);
        target->setObjectName(QString::fromLatin1(name));
        target->setText(text);
        target->setAlignment(Qt::AlignCenter);
        target->setAccessibleName(accessible);
        paintText(target, Qt::white);
        QFont font = target->font();
        font.setBold(true);
        target->setFont(font);
        connect(target, &ColourField::clicked, this, [this, target] { onTargetClicked(target); });
        connect(target, &ColourField::dropped, this, [this, target](const QString &token, const QString &fieldName) {
            onTargetDropped(target, token, fieldName);
        });
        return target;
    };

    ColourField *coloursCaption = makeCaption("syllableColoursCaption", QStringLiteral("Silbenfarben"), 3360);
    m_firstTarget = makeTarget("firstTarget", QStringLiteral("1"), QStringLiteral("Erste Silbenfarbe"));
    place(m_firstTarget, 120, 3600, 735, 375);
    m_secondTarget = makeTarget("secondTarget", QStringLiteral("2"), QStringLiteral("Zweite Silbenfarbe"));
    place(m_secondTarget, 840, 3600, 735, 375);

    ColourField *backgroundCaption = makeCaption("backgroundCaption", QStringLiteral("Hintergrund"), 4080);
    m_backgroundField = makeTarget("backgroundField", QString(), QStringLiteral("Hintergrundfarbe"));
    place(m_backgroundField, 120, 4320, 1455, 255);

    ColourField *listCaption = makeCaption("syllableListCaption", QStringLiteral("Silbenliste"), 4680);
    m_syllableList = new QListWidget(area);
    m_syllableList->setObjectName(QStringLiteral("SyllableList"));
    m_syllableList->setAccessibleName(QStringLiteral("Silbenliste"));
    m_syllableList->setUniformItemSizes(true);
    {
        QPalette palette = m_syllableList->palette();
        palette.setColor(QPalette::Base, Qt::white);
        m_syllableList->setPalette(palette);
    }
    place(m_syllableList, 120, 4920, 1455, 3150);

    const auto helpOn = [this](ColourField *caption, QString title, QString prompt) {
        connect(caption, &ColourField::clicked, this, [this, title, prompt] { m_dialogs.inform(prompt, title); });
    };
    helpOn(coloursCaption, QStringLiteral("Silbenfarben"),
           QStringLiteral("Im Menü  ''Wortsilben''  können\rSie die Silbenzählung einstellen.\r"));
    helpOn(backgroundCaption, QStringLiteral("Hintergrund"),
           QStringLiteral("Die Hintergrundfarbe lässt sich\rnur für den Monitor einstellen!\r"));
    helpOn(listCaption, QStringLiteral("Silbenliste"),
           QStringLiteral("Diese Silbenliste lässt sich als\rTabelle auch ausdrucken und\r"
                          "enthält alle Silben des Textes.\r"));
}

// --- holders -----------------------------------------------------------------

void SyllableColourWindow::setBackgroundColour(Colour colour)
{
    m_soundState.colours[SoundClass::Background] = colour & textcore::kMaxColour;
    refreshTargetFields();
}

void SyllableColourWindow::setTextFont(const QString &fontName)
{
    if (!fontName.isEmpty())
        m_textField->setFieldFontName(fontName);
}

void SyllableColourWindow::refreshTargetFields()
{
    // The holders may have been changed from outside (settings, the sound
    // window's background, colours read back from a file).
    m_firstTarget->setColour(m_state.colours.first);
    m_secondTarget->setColour(m_state.colours.second);
    m_backgroundField->setColour(m_soundState.colours[SoundClass::Background]);
}

std::vector<std::u16string> SyllableColourWindow::syllableList() const
{
    return m_tablePanel->syllables();
}

// --- opening and the pass ------------------------------------------------------

void SyllableColourWindow::openAt(const QPoint &editorTopLeft)
{
    move(editorTopLeft);
    show();
    raise();
    activateWindow();
}

void SyllableColourWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    refreshTargetFields();
    const int opening = ++m_opening;
    m_timers.singleShot(textDelayMs, this, [this, opening] { receiveText(opening); });
}

void SyllableColourWindow::receiveText(int opening)
{
    if (opening != m_opening || !isVisible())
        return;
    m_panel->refillFontList(m_offeredFonts.fontListEntries());
    const QString text = m_session.workingText().text();
    // An empty text never comes from the editor; if it does, the field
    // keeps what it had and is coloured again.
    if (!text.isEmpty())
        m_textField->setText(text);
    colourPass();
}

void SyllableColourWindow::colourPass()
{
    refreshTargetFields();
    const int caret = m_textField->selStart();
    m_textField->setBackColor(m_soundState.colours[SoundClass::Background]);
    const std::u16string text = m_textField->text().toStdU16String();
    m_textField->applyColours(
        textcore::ColourBySyllables(text, m_state.colours.first, m_state.colours.second, m_state.counting));
    m_textField->setSelStart(caret);

    textcore::SyllableListResult syllables = textcore::BuildSyllableList(text);
    m_sequence = std::move(syllables.sequence);
    QStringList entries;
    entries.reserve(qsizetype(syllables.list.size()));
    for (const std::u16string &entry : syllables.list)
        entries.append(QString::fromStdU16String(entry));
    m_syllableList->setUpdatesEnabled(false);
    m_syllableList->clear();
    m_syllableList->addItems(entries);
    m_syllableList->setUpdatesEnabled(true);
    m_tablePanel->setSyllables(std::move(syllables.list));
}

// --- targets -------------------------------------------------------------------

void SyllableColourWindow::takeColour(ColourField *target, Colour colour)
{
    if (target == m_firstTarget)
        m_state.colours.first = colour;
    else if (target == m_secondTarget)
        m_state.colours.second = colour;
    else
        m_soundState.colours[SoundClass::Background] = colour;
}

void SyllableColourWindow::onTargetClicked(ColourField *target)
{
    takeColour(target, m_panel->mixer().customColour());
    colourPass();
}

void SyllableColourWindow::onTargetDropped(ColourField *target, const QString &token, const QString &name)
{
    if (const ColourField *dragged = platform::draggedSource(*this, m_dragToken, token, name))
        takeColour(target, dragged->colour());
    colourPass();
}

void SyllableColourWindow::chooseCounting(SyllableCounting mode)
{
    m_state.counting = mode;
    m_alternatingAction->setChecked(mode == SyllableCounting::AllSyllablesAlternating);
    m_multiSyllableAction->setChecked(mode == SyllableCounting::MultiSyllableWords);
    colourPass();
}

// --- fonts ---------------------------------------------------------------------

void SyllableColourWindow::onFontSizeChosen(qreal points)
{
    m_textField->setFieldFontSize(points);
    colourPass();
}

void SyllableColourWindow::toggleFontList()
{
    if (m_panel->fontListShown()) {
        m_panel->setFontListShown(false);
        return;
    }
    hideTable();
    m_panel->setFontListShown(true);
}

void SyllableColourWindow::onFontChosen(const QString &name)
{
    m_textField->setFieldFontName(name);
    colourPass();
}

// --- table panel -------------------------------------------------------------------

void SyllableColourWindow::toggleTable()
{
    if (!m_tablePanel->isHidden())
        hideTable();
    else
        showTable();
}

void SyllableColourWindow::showTable()
{
    m_panel->setFontListShown(false);
    m_tablePanel->show();
    m_tablePanel->raise();
    m_tablePanel->rebuildTable();
}

void SyllableColourWindow::hideTable()
{
    if (m_tablePanel->isHidden())
        return;
    m_tablePanel->hide();
    m_tablePanel->clearTable();
}

} // namespace syllables
