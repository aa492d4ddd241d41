#include "trainer/trainerwindow.h"

#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/readaloud.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "platform/twips.h"
#include "session/session.h"
#include "textcore/readaloud.h"
#include "textcore/soundcolouring.h"
#include "textcore/trainercolouring.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

namespace trainer {

using textcore::ReadingStep;
using textcore::TrainerAction;

namespace {

const QString kReadingFont = QStringLiteral("Verdana");
constexpr double kReadingFontSize = 24;
const QString kExerciseTitle = QStringLiteral("Übungsliste");

// Positions of the two list boxes inside the client area, in twips.
constexpr int kFontListLeft = 8520, kFontListTop = 0, kFontListWidth = 2055, kFontListHeight = 2760;
constexpr int kExerciseLeft = 960, kExerciseTopSounds = 1320, kExerciseTopSyllables = 1200;
constexpr int kExerciseWidth = 8895, kExerciseHeight = 4830;
// The reading field leaves this much of the outer window size free for the
// frame, the title and the menu bar.
constexpr int kFieldWidthMargin = 100, kFieldHeightMargin = 700;

void paintList(QListWidget *list, const QColor &base, const QColor &text)
{
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    list->setPalette(palette);
}

int px(const QWidget *widget, int twips)
{
    return platform::twipsToPixels(twips, widget->logicalDpiX());
}

QRect screenArea(const QWidget *widget)
{
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

} // namespace

TrainerWindow::TrainerWindow(TrainerKind kind, session::Session &session, platform::Dialogs &dialogs,
                             platform::Timers &timers, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_kind(kind), m_session(session), m_soundColours(session.sound()),
      m_syllableState(session.syllables()), m_offeredFonts(session.fonts()), m_dialogs(dialogs), m_trainer(kind)
{
    Q_UNUSED(timers);
    const bool sounds = m_kind == TrainerKind::Sounds;
    setObjectName(sounds ? QStringLiteral("Form1") : QStringLiteral("Form4"));
    setWindowTitle(sounds ? QStringLiteral("olorat:  Laute lesen") : QStringLiteral("olorat:  Silben lesen"));
    setWindowIcon(platform::windowIcon());
    buildControls();
    buildMenu();
    // Where the window stands before its first activation puts it on the
    // full screen: the sound trainer at its design size, the syllable
    // trainer at its window-view size.
    if (sounds)
        platform::centreWindow(this, 10815, 8205);
    else
        platform::centreWindow(this, kSyllableWindowWidth, kSyllableWindowHeight);
    fitReadingField();
}

TrainerWindow::~TrainerWindow() = default;

void TrainerWindow::buildControls()
{
    const bool sounds = m_kind == TrainerKind::Sounds;
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Created first, so the reading field covers it: the learner never sees
    // it, but it holds the focus and passes every key to the window.
    m_keyField = new QLineEdit(client);
    m_keyField->setObjectName(QStringLiteral("Text1"));
    m_keyField->setAccessibleName(QStringLiteral("Tastenfeld"));
    m_keyField->setReadOnly(true);
    m_keyField->setGeometry(0, 0, 1, 1);

    m_readingField = new platform::RichTextField(client);
    m_readingField->setObjectName(QStringLiteral("RichTextBox1"));
    m_readingField->setAccessibleName(QStringLiteral("Lesefeld"));
    m_readingField->setUndoEnabled(false);
    // The trainer only shows text; what is added to the exercise list is
    // exactly what a step put on display.
    m_readingField->setReadOnly(true);
    m_readingField->setFieldFont(kReadingFont, kReadingFontSize);
    m_readingField->setFieldFontBold(true);
    m_readingField->move(0, 0);

    m_fontList = new QListWidget(client);
    m_fontList->setObjectName(sounds ? QStringLiteral("List1") : QStringLiteral("List4"));
    m_fontList->setAccessibleName(QStringLiteral("Schriftenliste"));
    paintList(m_fontList, QColor(224, 224, 224), QColor(0, 0, 192));
    platform::placeWidget(m_fontList, kFontListLeft, kFontListTop, kFontListWidth, kFontListHeight);
    m_fontList->hide();
    connect(m_fontList, &QListWidget::itemClicked, this, &TrainerWindow::chooseFont);

    m_exerciseList = new QListWidget(client);
    m_exerciseList->setObjectName(sounds ? QStringLiteral("List2") : QStringLiteral("List5"));
    m_exerciseList->setAccessibleName(kExerciseTitle);
    paintList(m_exerciseList, QColor(192, 255, 192), QColor(0, 0, 0));
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPointSizeF(9.75);
    listFont.setBold(true);
    m_exerciseList->setFont(listFont);
    platform::placeWidget(m_exerciseList, kExerciseLeft, sounds ? kExerciseTopSounds : kExerciseTopSyllables,
                          kExerciseWidth, kExerciseHeight);
    m_exerciseList->hide();

    // Every key reaches the window first, whichever control has the focus.
    for (QWidget *child : {static_cast<QWidget *>(m_keyField), static_cast<QWidget *>(m_readingField),
                           static_cast<QWidget *>(m_fontList), static_cast<QWidget *>(m_exerciseList)})
        child->installEventFilter(this);
}

QAction *TrainerWindow::addMenuAction(QWidget *menu, const QString &caption, const QString &name,
                                      std::function<void()> handler)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

void TrainerWindow::buildMenu()
{
    QMenuBar *bar = menuBar();
    // Narrower entries, so that all twelve fit the window view's width too.
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; background: transparent; }"
        "QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    const auto runs = [this](TrainerAction action) { return [this, action] { run(action); }; };
    addMenuAction(bar, QStringLiteral("Abbruch"), QStringLiteral("menu1"), runs(TrainerAction::Leave));
    QMenu *view = bar->addMenu(QStringLiteral("Ansicht"));
    view->setObjectName(QStringLiteral("menu2"));
    addMenuAction(view, QStringLiteral("Fenster"), QStringLiteral("menu2a"), [this] {
        applyWindowView();
        returnFocus();
    });
    addMenuAction(view, QStringLiteral("Monitor"), QStringLiteral("menu2b"), [this] {
        applyFullScreenView();
        returnFocus();
    });
    addMenuAction(bar, QStringLiteral("Kopieren"), QStringLiteral("menu3"), runs(TrainerAction::AddToExerciseList));
    addMenuAction(bar, QStringLiteral("Letterweise"), QStringLiteral("menu4"), runs(TrainerAction::LetterStep));
    addMenuAction(bar, QStringLiteral("Silbenweise"), QStringLiteral("menu11"), runs(TrainerAction::SyllableStep));
    addMenuAction(bar, QStringLiteral("Wortweise"), QStringLiteral("menu5"), runs(TrainerAction::WordStep));
    addMenuAction(bar, QStringLiteral("Satzweise"), QStringLiteral("menu6"), runs(TrainerAction::SentenceStep));
    addMenuAction(bar, QStringLiteral("Textweise"), QStringLiteral("menu12"), runs(TrainerAction::TextStep));
    addMenuAction(bar, QStringLiteral("kleiner"), QStringLiteral("menu8"), runs(TrainerAction::FontSmaller));
    addMenuAction(bar, QStringLiteral("größer"), QStringLiteral("menu9"), runs(TrainerAction::FontLarger));
    addMenuAction(bar, QStringLiteral("Schriften"), QStringLiteral("menu10"), runs(TrainerAction::ToggleFontList));
    addMenuAction(bar, QStringLiteral("?"), QStringLiteral("menu7"), runs(TrainerAction::KeyHelp));
}

void TrainerWindow::setSpeech(platform::SpeechEngine *engine)
{
    // Without a voice the two entries are not offered at all.
    delete m_readAloud;
    m_readAloud = nullptr;
    delete m_readAloudEntry;
    m_readAloudEntry = nullptr;
    delete m_rateMenu;
    m_rateMenu = nullptr;
    if (!engine)
        return;
    m_readAloud = new platform::ReadAloud(*engine, m_dialogs, *m_readingField, this);
    m_readAloudEntry = addMenuAction(menuBar(), QStringLiteral("Vorlesen"), QStringLiteral("menu13"),
                                     [this] { run(TrainerAction::ReadAloud); });
    m_rateMenu = platform::ReadAloud::rateMenu(*engine, this);
    m_rateMenu->setObjectName(QStringLiteral("menu14"));
    menuBar()->addMenu(m_rateMenu);
}

const QString &TrainerWindow::keyHelpText()
{
    static const QString text = QStringList{
        QStringLiteral("Der Abbruch kann mit der ESC-Taste erfolgen."),
        QStringLiteral("Mit der STRG-Taste wird die Ansicht geändert."),
        QStringLiteral("Die INS-Taste kopiert Texte in die Übungsliste."),
        QStringLiteral("Diese Hilfetexte erhalten Sie mit der F1-Taste."),
        QStringLiteral("Den Text bekommt man mit der ENTER-Taste."),
        QStringLiteral("Mit der POS1-Taste wird satzweise geblättert,"),
        QStringLiteral("mit der ENDE-Taste wird wortweise geblättert."),
        QStringLiteral("Der HOCH-Pfeil erlaubt silbenweises Blättern,"),
        QStringLiteral("buchstabenweises Blättern mit dem TIEF-Pfeil."),
        QStringLiteral("Schrifthöhe mit LINKS-RECHTS-Pfeilen ändern."),
        QStringLiteral("Die Schriftart stellen Sie mit der Entf-Taste ein."),
        QStringLiteral("Mit der LEER-Taste wird vorgelesen und angehalten."),
    }.join(QLatin1Char('\r')) + QStringLiteral("\r\r");
    return text;
}

void TrainerWindow::open()
{
    m_readingField->setBackColor(m_soundColours.colours[textcore::SoundClass::Background]);
    applyFullScreenView();
    m_trainer.Activate(m_session.workingText().text().toStdU16String(), m_session.workingText().sentenceList());
    display(m_trainer.DisplayText());
    fillFontList();
    QMainWindow::show();
    raise();
    activateWindow();
    // Shown in the full-screen state; asked again now that the window
    // exists on the screen.
    applyFullScreenView();
    returnFocus();
}

void TrainerWindow::setReadingFont(const QString &fontName)
{
    m_readingField->setFieldFontName(fontName);
    colourDisplay();
}

bool TrainerWindow::pressKey(int virtualKey)
{
    const std::optional<TrainerAction> action = textcore::TrainerActionForKey(virtualKey);
    if (!action)
        return false;
    run(*action);
    return true;
}

void TrainerWindow::run(TrainerAction action)
{
    switch (action) {
    case TrainerAction::Leave: leave(); return;
    case TrainerAction::ToggleView:
        if (m_fullScreenView)
            applyWindowView();
        else
            applyFullScreenView();
        returnFocus();
        return;
    case TrainerAction::AddToExerciseList: addToExerciseList(); return;
    case TrainerAction::FontSmaller: changeFontSize(false); return;
    case TrainerAction::FontLarger: changeFontSize(true); return;
    case TrainerAction::SyllableStep: step(ReadingStep::Syllable); return;
    case TrainerAction::LetterStep: step(ReadingStep::Letter); return;
    case TrainerAction::WordStep: step(ReadingStep::Word); return;
    case TrainerAction::SentenceStep: step(ReadingStep::Sentence); return;
    case TrainerAction::TextStep: step(ReadingStep::Text); return;
    case TrainerAction::KeyHelp: showKeyHelp(); return;
    case TrainerAction::ToggleFontList: toggleFontList(); return;
    case TrainerAction::ReadAloud: readAloud(); return;
    }
}

void TrainerWindow::step(ReadingStep readingStep)
{
    display(m_trainer.RunStep(readingStep));
    returnFocus();
}

void TrainerWindow::display(const std::u16string &displayText)
{
    // The mark would stand on characters that are gone.
    stopReading();
    m_readingField->setText(QString::fromStdU16String(displayText));
    colourDisplay();
}

void TrainerWindow::colourDisplay()
{
    // The field's own text, so every colour lands on the character it was
    // computed for, line breaks included.
    const std::u16string text = m_readingField->text().toStdU16String();
    const textcore::TrainerColouring colouring = textcore::ColourReadingText(
        m_kind, text, m_soundColours.colours, textcore::ParseSpecialGroups(m_soundColours.specialGroupsText),
        m_syllableState.colours, m_syllableState.counting);
    // applyColours keeps the selection, so the caret stays where it was.
    if (colouring.background)
        m_readingField->setBackColor(*colouring.background);
    m_readingField->applyColours(colouring.colours);
}

void TrainerWindow::applyWindowView()
{
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    const bool sounds = m_kind == TrainerKind::Sounds;
    const QSize outer(px(this, sounds ? kSoundWindowWidth : kSyllableWindowWidth),
                      px(this, sounds ? kSoundWindowHeight : kSyllableWindowHeight));
    const QRect area = screenArea(this);
    setOuterGeometry(QRect(
        QPoint(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2), outer));
    m_fullScreenView = false;
}

void TrainerWindow::applyFullScreenView()
{
    // The whole screen, the desktop's panels included: nothing else stays in
    // sight of the learner. A hidden window takes the state when it is shown.
    if (isVisible())
        showFullScreen();
    else
        setWindowState(windowState() | Qt::WindowFullScreen);
    // The geometry as well, for a display whose window manager does not
    // handle the full-screen state (or that has none).
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && geometry() != screen->geometry())
        setGeometry(screen->geometry());
    m_fullScreenView = true;
    fitReadingField();
}

void TrainerWindow::setOuterGeometry(const QRect &outer)
{
    const QRect inner = geometry();
    const QRect frame = frameGeometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    setGeometry(outer.marginsRemoved(margins));
    fitReadingField();
}

void TrainerWindow::fitReadingField()
{
    // A full-screen window has no frame, whatever frame the window system
    // reported before.
    const QSize outer = isFullScreen() ? size() : frameGeometry().size();
    m_readingField->resize(std::max(0, outer.width() - px(this, kFieldWidthMargin)),
                           std::max(0, outer.height() - px(this, kFieldHeightMargin)));
}

void TrainerWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitReadingField();
}

void TrainerWindow::changeFontSize(bool larger)
{
    const double size = m_readingField->fieldFontSize();
    m_readingField->setFieldFontSize(larger ? textcore::TrainerFontLarger(size) : textcore::TrainerFontSmaller(size));
    colourDisplay();
    returnFocus();
}

void TrainerWindow::toggleFontList()
{
    m_fontList->setHidden(!m_fontList->isHidden());
    if (!m_fontList->isHidden())
        m_fontList->raise();
    returnFocus();
}

void TrainerWindow::fillFontList()
{
    QStringList names{QStringLiteral("Arial"), kReadingFont};
    names += m_offeredFonts.names;
    if (m_kind == TrainerKind::Syllables)
        std::stable_sort(names.begin(), names.end(), session::OfferedFonts::sortsBefore);
    m_fontList->clear();
    m_fontList->addItems(names);
}

void TrainerWindow::chooseFont(QListWidgetItem *item)
{
    m_fontList->hide();
    if (item)
        setReadingFont(item->text());
    returnFocus();
}

void TrainerWindow::addToExerciseList()
{
    if (m_trainer.AddToExerciseList(m_readingField->text().toStdU16String())) {
        m_exerciseList->clear();
        for (const std::u16string &entry : m_trainer.ExerciseList())
            m_exerciseList->addItem(QString::fromStdU16String(entry));
        m_exerciseList->show();
        m_exerciseList->raise();
        m_dialogs.inform(QStringLiteral("Der Text wurde in die Übungsliste aufgenommen.\r\r"), kExerciseTitle);
        m_exerciseList->hide();
    }
    returnFocus();
}

void TrainerWindow::readAloud()
{
    if (m_readAloud)
        m_readAloud->toggle(
            textcore::TrainerSpeechPiece(m_trainer.CurrentStep(), m_readingField->text().toStdU16String()));
    returnFocus();
}

void TrainerWindow::stopReading()
{
    if (m_readAloud)
        m_readAloud->stop();
}

void TrainerWindow::showKeyHelp()
{
    m_dialogs.inform(keyHelpText(), QStringLiteral("Tastenbelegung"));
    returnFocus();
}

void TrainerWindow::leave()
{
    if (!m_trainer.ExerciseList().empty()
        && m_dialogs.ask(QStringLiteral("Die Übungsliste enthält noch Text!\rWollen Sie diesen Text noch üben?\r\r"),
                         kExerciseTitle, platform::Answer::Yes)) {
        display(m_trainer.AdoptExerciseList());
        m_exerciseList->clear();
        returnFocus();
        return;
    }
    stopReading();
    m_readingField->setText(QString());
    m_trainer.Leave();
    m_fontList->clear();
    m_fontList->hide();
    m_exerciseList->clear();
    hide();
    m_session.requests().showEditor(std::nullopt);
}

void TrainerWindow::returnFocus()
{
    m_keyField->setFocus(Qt::OtherFocusReason);
}

bool TrainerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Keys without an action do nothing, in whichever control they land.
        pressKey(platform::virtualKey(*static_cast<QKeyEvent *>(event)));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TrainerWindow::keyPressEvent(QKeyEvent *event)
{
    pressKey(platform::virtualKey(*event));
    event->accept();
}

void TrainerWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!isVisible())
        return;
    // Should the owner keep this window after all, it still starts afresh.
    stopReading();
    m_trainer.Leave();
    m_readingField->setText(QString());
    m_readingField->setFieldFont(kReadingFont, kReadingFontSize);
    m_readingField->setFieldFontBold(true);
    m_fontList->clear();
    m_fontList->hide();
    m_exerciseList->clear();
    hide();
    m_session.requests().showEditor(std::nullopt);
    emit discarded();
}

} // namespace trainer
