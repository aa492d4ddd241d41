#include "syllables/syllablecolourwindow.h"

#include "platform/application.h"
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>

namespace syllables {

using textcore::Colour;
using textcore::SoundClass;
using textcore::SyllableCounting;

namespace {

const QColor kWindowBackground(192, 192, 255);
const QColor kCaptionBlue(0, 0, 255);
const QString kFieldFont = QStringLiteral("Verdana");
constexpr double kFieldFontSize = 16;

// Font size list: 12, 16, ..., 48; the entry for 16 is chosen at creation.
constexpr int kSizeCount = 10;
constexpr int kStartSizeRow = 1;
double fontSizeOfRow(int row)
{
    return 12 + 4 * row;
}

void paintWindow(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The two font lists look like those of the sound colour window.
void paintList(QWidget *list)
{
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColor(224, 224, 224));
    palette.setColor(QPalette::Text, QColor(0, 0, 192));
    list->setPalette(palette);
}

void paintText(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

SyllableColourWindow::SyllableColourWindow(session::Session &session, platform::Dialogs &dialogs,
                                           platform::Printer &printer, platform::Clipboard &clipboard,
                                           platform::Timers &timers, QWidget *parent)
    : QMainWindow(parent), session_(session), state_(session.syllables()), soundState_(session.sound()),
      offeredFonts_(session.fonts()), dialogs_(dialogs), printer_(printer), clipboard_(clipboard), timers_(timers),
      dragToken_(ColourField::dragTokenFor(QStringLiteral("Form3"), this))
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
    sizeList_->setCurrentRow(kStartSizeRow);
}

SyllableColourWindow::~SyllableColourWindow() = default;

std::array<Colour, SyllableColourWindow::paletteSize> SyllableColourWindow::paletteColours()
{
    using textcore::rgb;
    return {rgb(0, 0, 0),     rgb(192, 192, 192), rgb(255, 0, 0),   rgb(255, 128, 128),
            rgb(0, 0, 192),   rgb(128, 128, 255), rgb(0, 192, 192), rgb(0, 255, 255),
            rgb(0, 192, 0),   rgb(128, 255, 128), rgb(255, 0, 255), rgb(255, 128, 255),
            rgb(255, 255, 0), rgb(255, 128, 0),   rgb(128, 64, 0),  rgb(128, 0, 0)};
}

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
    alternatingAction_ = counting->addAction(QStringLiteral("Alle Silben abwechselnd"));
    multiSyllableAction_ = counting->addAction(QStringLiteral("Alle mehrsilbigen Wörter"));
    for (QAction *action : {alternatingAction_, multiSyllableAction_}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    (state_.counting == SyllableCounting::MultiSyllableWords ? multiSyllableAction_ : alternatingAction_)
        ->setChecked(true);
    connect(alternatingAction_, &QAction::triggered, this,
            [this] { chooseCounting(SyllableCounting::AllSyllablesAlternating); });
    connect(multiSyllableAction_, &QAction::triggered, this,
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

    buildMixer(area);
    buildTargets(area);

    textField_ = new platform::RichTextField(area);
    textField_->setObjectName(QStringLiteral("RichTextBox1"));
    textField_->setAccessibleName(QStringLiteral("Text in Silbenfarben"));
    textField_->setUndoEnabled(false);
    // The colours go back into the WorkingText position by position, so the
    // field must keep exactly the editor's characters.
    textField_->setReadOnly(true);
    textField_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textField_->setFieldFont(kFieldFont, kFieldFontSize);
    textField_->setFieldFontBold(true);
    place(textField_, 1680, 240, 8535, 7830);

    const std::array<Colour, paletteSize> colours = paletteColours();
    for (int i = 0; i < paletteSize; ++i) {
        auto *field = new ColourField(ColourField::Role::Source, dragToken_, area);
        field->setObjectName(QStringLiteral("paletteField%1").arg(i + 1));
        field->setColour(colours[std::size_t(i)]);
        field->setDragStart(ColourField::DragStart::OnPress);
        const QColor c = platform::toQColor(colours[std::size_t(i)]);
        field->setAccessibleName(QStringLiteral("Palettenfarbe %1 (Rot %2, Grün %3, Blau %4)")
                                     .arg(i + 1)
                                     .arg(c.red())
                                     .arg(c.green())
                                     .arg(c.blue()));
        place(field, 10320, 240 + 360 * i, 375, 375);
        palette_[std::size_t(i)] = field;
    }

    sizeList_ = new QListWidget(area);
    sizeList_->setObjectName(QStringLiteral("fontSizeList"));
    sizeList_->setAccessibleName(QStringLiteral("Schriftgröße"));
    // Ten entries in a field one palette square wide: a scroll bar would
    // cover them, so the font is small enough for all ten to show.
    sizeList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sizeList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QFont font = sizeList_->font();
        font.setPointSizeF(7);
        sizeList_->setFont(font);
    }
    paintList(sizeList_);
    for (int row = 0; row < kSizeCount; ++row)
        sizeList_->addItem(QString::number(fontSizeOfRow(row)));
    place(sizeList_, 10320, 6075, 375, 1980);
    connect(sizeList_, &QListWidget::currentRowChanged, this, &SyllableColourWindow::onFontSizeChosen);

    fontList_ = new QListWidget(area);
    fontList_->setObjectName(QStringLiteral("FontList"));
    fontList_->setAccessibleName(QStringLiteral("Schriftart"));
    paintList(fontList_);
    place(fontList_, 3120, 0, 1935, 2565);
    fontList_->hide();
    connect(fontList_, &QListWidget::itemSelectionChanged, this, &SyllableColourWindow::onFontChosen);

    tablePanel_ = new TablePanel(area);
    place(tablePanel_, 120, 120, 10575, 8055);
    tablePanel_->hide();
    connect(tablePanel_, &TablePanel::closeRequested, this, [this] {
        toggleTable();
        tablePanel_->tableField()->setFocus();
    });
}

void SyllableColourWindow::buildMixer(QWidget *area)
{
    // No frame: the controls stand on the window itself.
    const platform::MixerLayout layout{
        .captionName = QStringLiteral("mixerCaption"),
        .captionSize = QSize(1335, 255),
        .numberName = QStringLiteral("numberField"),
        .customName = QStringLiteral("customColourField"),
        .sliderNames = {QStringLiteral("redSlider"), QStringLiteral("greenSlider"), QStringLiteral("blueSlider")},
        .valueNames = {QStringLiteral("redValue"), QStringLiteral("greenValue"), QStringLiteral("blueValue")},
        .valueHeight = 255,
        .dragStart = ColourField::DragStart::OnPress};
    mixer_ = new platform::ColourMixer(layout, dragToken_, area);
}

ColourField *SyllableColourWindow::customColourField() const
{
    return mixer_->customColourField();
}

QLineEdit *SyllableColourWindow::numberField() const
{
    return mixer_->numberField();
}

QSlider *SyllableColourWindow::slider(int channel) const
{
    return mixer_->slider(channel);
}

QLabel *SyllableColourWindow::valueLabel(int channel) const
{
    return mixer_->valueField(channel);
}

void SyllableColourWindow::buildTargets(QWidget *area)
{
    const auto place = platform::placeWidget;
    const auto makeCaption = [&](const char *name, const QString &text, int top) {
        auto *caption = new ColourField(ColourField::Role::Caption, dragToken_, area);
        caption->setText(text);
        caption->setAccessibleName(text);
        caption->setObjectName(QString::fromLatin1(name));
        place(caption, 120, top, 1455, 255);
        return caption;
    };
    const auto makeTarget = [&](const char *name, const QString &text, const QString &accessible) {
        auto *target = new ColourField(ColourField::Role::Target, dragToken_, area);
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
    firstTarget_ = makeTarget("firstTarget", QStringLiteral("1"), QStringLiteral("Erste Silbenfarbe"));
    place(firstTarget_, 120, 3600, 735, 375);
    secondTarget_ = makeTarget("secondTarget", QStringLiteral("2"), QStringLiteral("Zweite Silbenfarbe"));
    place(secondTarget_, 840, 3600, 735, 375);

    ColourField *backgroundCaption = makeCaption("backgroundCaption", QStringLiteral("Hintergrund"), 4080);
    backgroundField_ = makeTarget("backgroundField", QString(), QStringLiteral("Hintergrundfarbe"));
    place(backgroundField_, 120, 4320, 1455, 255);

    ColourField *listCaption = makeCaption("syllableListCaption", QStringLiteral("Silbenliste"), 4680);
    syllableList_ = new QListWidget(area);
    syllableList_->setObjectName(QStringLiteral("SyllableList"));
    syllableList_->setAccessibleName(QStringLiteral("Silbenliste"));
    syllableList_->setUniformItemSizes(true);
    {
        QPalette palette = syllableList_->palette();
        palette.setColor(QPalette::Base, Qt::white);
        syllableList_->setPalette(palette);
    }
    place(syllableList_, 120, 4920, 1455, 3150);

    const auto helpOn = [this](ColourField *caption, QString title, QString prompt) {
        connect(caption, &ColourField::clicked, this, [this, title, prompt] { dialogs_.inform(prompt, title); });
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

void SyllableColourWindow::setFirstColour(Colour colour)
{
    state_.colours.first = colour & textcore::kMaxColour;
    refreshTargetFields();
}

void SyllableColourWindow::setSecondColour(Colour colour)
{
    state_.colours.second = colour & textcore::kMaxColour;
    refreshTargetFields();
}

void SyllableColourWindow::setBackgroundColour(Colour colour)
{
    soundState_.colours[SoundClass::Background] = colour & textcore::kMaxColour;
    refreshTargetFields();
}

Colour SyllableColourWindow::firstColour() const
{
    return state_.colours.first;
}

Colour SyllableColourWindow::secondColour() const
{
    return state_.colours.second;
}

Colour SyllableColourWindow::backgroundColour() const
{
    return soundState_.colours[SoundClass::Background];
}

SyllableCounting SyllableColourWindow::counting() const
{
    return state_.counting;
}

void SyllableColourWindow::setTextFont(const QString &fontName)
{
    if (!fontName.isEmpty())
        textField_->setFieldFontName(fontName);
}

void SyllableColourWindow::refreshTargetFields()
{
    // The holders may have been changed from outside (settings, the sound
    // window's background, colours read back from a file).
    firstTarget_->setColour(state_.colours.first);
    secondTarget_->setColour(state_.colours.second);
    backgroundField_->setColour(soundState_.colours[SoundClass::Background]);
}

std::vector<std::u16string> SyllableColourWindow::syllableList() const
{
    return tablePanel_->syllables();
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
    const int opening = ++opening_;
    timers_.singleShot(textDelayMs, this, [this, opening] { receiveText(opening); });
}

void SyllableColourWindow::receiveText(int opening)
{
    if (opening != opening_ || !isVisible())
        return;
    refillFontList();
    const QString text = session_.workingText().text();
    // An empty text never comes from the editor; if it does, the field
    // keeps what it had and is coloured again.
    if (!text.isEmpty())
        textField_->setText(text);
    colourPass();
}

void SyllableColourWindow::refillFontList()
{
    const QSignalBlocker blocker(fontList_);
    fontList_->clear();
    fontList_->addItems(offeredFonts_.fontListEntries());
}

void SyllableColourWindow::colourPass()
{
    refreshTargetFields();
    const int caret = textField_->selStart();
    textField_->setBackColor(soundState_.colours[SoundClass::Background]);
    const std::u16string text = textField_->text().toStdU16String();
    textField_->applyColours(
        textcore::ColourBySyllables(text, state_.colours.first, state_.colours.second, state_.counting));
    textField_->setSelStart(caret);

    textcore::SyllableListResult syllables = textcore::BuildSyllableList(text);
    sequence_ = std::move(syllables.sequence);
    QStringList entries;
    entries.reserve(qsizetype(syllables.list.size()));
    for (const std::u16string &entry : syllables.list)
        entries.append(QString::fromStdU16String(entry));
    syllableList_->setUpdatesEnabled(false);
    syllableList_->clear();
    syllableList_->addItems(entries);
    syllableList_->setUpdatesEnabled(true);
    tablePanel_->setSyllables(std::move(syllables.list));
}

// --- targets -------------------------------------------------------------------

void SyllableColourWindow::takeColour(ColourField *target, Colour colour)
{
    if (target == firstTarget_)
        state_.colours.first = colour;
    else if (target == secondTarget_)
        state_.colours.second = colour;
    else
        soundState_.colours[SoundClass::Background] = colour;
}

void SyllableColourWindow::onTargetClicked(ColourField *target)
{
    takeColour(target, mixer_->customColour());
    colourPass();
}

void SyllableColourWindow::onTargetDropped(ColourField *target, const QString &token, const QString &name)
{
    if (const ColourField *dragged = platform::draggedSource(*this, dragToken_, token, name))
        takeColour(target, dragged->colour());
    colourPass();
}

void SyllableColourWindow::chooseCounting(SyllableCounting mode)
{
    state_.counting = mode;
    alternatingAction_->setChecked(mode == SyllableCounting::AllSyllablesAlternating);
    multiSyllableAction_->setChecked(mode == SyllableCounting::MultiSyllableWords);
    colourPass();
}

// --- fonts ---------------------------------------------------------------------

void SyllableColourWindow::onFontSizeChosen(int row)
{
    if (row < 0)
        return;
    textField_->setFieldFontSize(fontSizeOfRow(row));
    colourPass();
}

void SyllableColourWindow::toggleFontList()
{
    if (!fontList_->isHidden()) {
        fontList_->hide();
        return;
    }
    hideTable();
    fontList_->show();
    fontList_->raise();
}

void SyllableColourWindow::onFontChosen()
{
    const QList<QListWidgetItem *> chosen = fontList_->selectedItems();
    if (chosen.isEmpty())
        return;
    const QString name = chosen.first()->text();
    {
        // Choosing the same font again later must count as a choice too.
        const QSignalBlocker blocker(fontList_);
        fontList_->clearSelection();
        fontList_->setCurrentRow(-1);
    }
    fontList_->hide();
    textField_->setFieldFontName(name);
    colourPass();
}

// --- table panel -------------------------------------------------------------------

void SyllableColourWindow::toggleTable()
{
    if (!tablePanel_->isHidden())
        hideTable();
    else
        showTable();
}

void SyllableColourWindow::showTable()
{
    fontList_->hide();
    tablePanel_->show();
    tablePanel_->raise();
    tablePanel_->rebuildTable();
}

void SyllableColourWindow::hideTable()
{
    if (tablePanel_->isHidden())
        return;
    tablePanel_->hide();
    tablePanel_->clearTable();
}

} // namespace syllables
