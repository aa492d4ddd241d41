#include "app/programwindows.h"

#include "about/aboutwindow.h"
#include "app/program.h"
#include "editor/editorwindow.h"
#include "fonts/fontselectionwindow.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/espeakengine.h"
#include "platform/readaloud.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "soundcolours/soundcolourwindow.h"
#include "syllables/syllablecolourwindow.h"
#include "trainer/trainerwindow.h"

#include <QSettings>
#include <QWidget>

namespace app {

namespace {

// Every text field of a window shows the text the way the reader chose.
void showReadingView(QWidget *window, const platform::ReadingView &view)
{
    if (window)
        for (platform::RichTextField *field : window->findChildren<platform::RichTextField *>())
            field->setReadingView(view);
}

} // namespace

// Keeps a trainer's message boxes alive exactly as long as the trainer:
// a discarded trainer is deleted by Qt's event loop, not by us.
struct ProgramWindows::OwnedDialogs : QObject {
    explicit OwnedDialogs(std::unique_ptr<platform::Dialogs> owned, QObject *parent)
        : QObject(parent), dialogs(std::move(owned))
    {}
    std::unique_ptr<platform::Dialogs> dialogs;
};

ProgramWindows::ProgramWindows(Program &program, WindowServices services)
    : m_program(program), m_services(std::move(services))
{
    if (!m_services.clipboard) {
        m_ownClipboard = std::make_unique<platform::QtClipboard>();
        m_services.clipboard = m_ownClipboard.get();
    }
    if (!m_services.timers) {
        m_ownTimers = std::make_unique<platform::QtTimers>();
        m_services.timers = m_ownTimers.get();
    }

    if (!m_services.speech) {
        m_ownSpeech = std::make_unique<platform::EspeakEngine>();
        platform::rememberSpeechRate(*m_ownSpeech,
                                     new QSettings(QSettings::IniFormat, QSettings::UserScope,
                                                   QStringLiteral("kolorat"), QStringLiteral("kolorat")));
        m_services.speech = m_ownSpeech.get();
    }
    m_program.editor().setSpeech(m_services.speech);

    editor::WindowHooks hooks;
    hooks.openSoundColours = [this](const QPoint &at) { soundColours().openAt(at); };
    hooks.openSyllableColours = [this](const QPoint &at) { syllableColours().openAt(at); };
    hooks.openSoundTrainer = [this](const QPoint &) { trainerWindow(textcore::TrainerKind::Sounds).open(); };
    hooks.openSyllableTrainer = [this](const QPoint &) { trainerWindow(textcore::TrainerKind::Syllables).open(); };
    // The font window keeps the centred place it took when it was built.
    hooks.openFontSelection = [this](const QPoint &) { fontSelection().open(); };
    hooks.openAbout = [this](const QPoint &at) { about().openAt(at); };
    m_program.setWindowHooks(hooks);
    m_program.session().setRequests(this);
    connect(&m_program.editor(), &editor::EditorWindow::readingViewChanged, this,
            [this](const platform::ReadingView &view) {
                for (QWidget *window :
                     {static_cast<QWidget *>(m_sound.get()), static_cast<QWidget *>(m_syllables.get()),
                      static_cast<QWidget *>(m_trainers[0]), static_cast<QWidget *>(m_trainers[1])})
                    showReadingView(window, view);
            });
}

ProgramWindows::~ProgramWindows()
{
    // The editor outlives us; it must not call into windows that are gone.
    m_program.setWindowHooks({});
    m_program.session().setRequests(nullptr);
    m_program.editor().setSpeech(nullptr);
    for (trainer::TrainerWindow *&window : m_trainers) {
        delete window;
        window = nullptr;
    }
}

std::unique_ptr<platform::Dialogs> ProgramWindows::makeDialogs()
{
    if (m_services.makeDialogs)
        return m_services.makeDialogs();
    return std::make_unique<platform::QtDialogs>();
}

void ProgramWindows::parentDialogs(platform::Dialogs &dialogs, QWidget *window)
{
    if (auto *real = dynamic_cast<platform::QtDialogs *>(&dialogs))
        real->setParent(window);
}

soundcolours::SoundColourWindow &ProgramWindows::soundColours()
{
    if (!m_sound) {
        m_soundDialogs = makeDialogs();
        m_sound = std::make_unique<soundcolours::SoundColourWindow>(
            m_program.session(), *m_soundDialogs, m_program.printer(), *m_services.clipboard, *m_services.timers);
        parentDialogs(*m_soundDialogs, m_sound.get());
        // One background for both colour windows.
        connect(m_sound.get(), &soundcolours::SoundColourWindow::backgroundChanged, this,
                [this](textcore::Colour colour) {
                    if (m_syllables)
                        m_syllables->setBackgroundColour(colour);
                });
        showReadingView(m_sound.get(), m_program.editor().readingView());
        if (m_soundFont) {
            m_sound->setPreviewFontName(*m_soundFont);
            m_soundFont.reset();
        }
    }
    return *m_sound;
}

syllables::SyllableColourWindow &ProgramWindows::syllableColours()
{
    if (!m_syllables) {
        m_syllableDialogs = makeDialogs();
        m_syllables = std::make_unique<syllables::SyllableColourWindow>(
            m_program.session(), *m_syllableDialogs, m_program.printer(), *m_services.clipboard, *m_services.timers);
        parentDialogs(*m_syllableDialogs, m_syllables.get());
        showReadingView(m_syllables.get(), m_program.editor().readingView());
        if (m_syllableFont) {
            m_syllables->setTextFont(*m_syllableFont);
            m_syllableFont.reset();
        }
    }
    return *m_syllables;
}

std::size_t ProgramWindows::slot(textcore::TrainerKind kind)
{
    return kind == textcore::TrainerKind::Sounds ? 0 : 1;
}

trainer::TrainerWindow *ProgramWindows::trainerIfBuilt(textcore::TrainerKind kind) const
{
    return m_trainers[slot(kind)];
}

trainer::TrainerWindow &ProgramWindows::trainerWindow(textcore::TrainerKind kind)
{
    trainer::TrainerWindow *&window = m_trainers[slot(kind)];
    if (!window) {
        std::unique_ptr<platform::Dialogs> dialogs = makeDialogs();
        platform::Dialogs &boxes = *dialogs;
        window = new trainer::TrainerWindow(kind, m_program.session(), boxes, *m_services.timers);
        new OwnedDialogs(std::move(dialogs), window);
        parentDialogs(boxes, window);
        connect(window, &trainer::TrainerWindow::discarded, this, [this, kind] { discardTrainer(kind); });
        window->setSpeech(m_services.speech);
        showReadingView(window, m_program.editor().readingView());
        std::optional<QString> &font = m_trainerFonts[slot(kind)];
        if (font) {
            window->setReadingFont(*font);
            font.reset();
        }
    }
    return *window;
}

void ProgramWindows::discardTrainer(textcore::TrainerKind kind)
{
    trainer::TrainerWindow *&window = m_trainers[slot(kind)];
    if (!window)
        return;
    // We are inside the window's close event: Qt deletes it once that
    // event is over. The next opening builds a fresh one.
    window->deleteLater();
    window = nullptr;
}

fonts::FontSelectionWindow &ProgramWindows::fontSelection()
{
    if (!m_fonts) {
        m_fontDialogs = makeDialogs();
        m_fonts = std::make_unique<fonts::FontSelectionWindow>(m_program.session(), *m_fontDialogs, *m_services.timers,
                                                               m_services.installedFonts);
        parentDialogs(*m_fontDialogs, m_fonts.get());
    }
    return *m_fonts;
}

about::AboutWindow &ProgramWindows::about()
{
    if (!m_about)
        m_about = std::make_unique<about::AboutWindow>(m_program.session());
    return *m_about;
}

void ProgramWindows::showEditor(std::optional<QPoint> topLeft)
{
    m_program.editor().showEditor(topLeft);
}

QStringList ProgramWindows::listedFileNames() const
{
    return m_program.editor().listedFileNames();
}

void ProgramWindows::refreshFileList()
{
    m_program.editor().refreshFileList();
}

bool ProgramWindows::loadRtfIntoWorkingText(const QString &path)
{
    return m_program.editor().loadRtfIntoWorkingText(path);
}

void ProgramWindows::setReadingFieldsFont(const QString &fontName)
{
    // The order in which the font window names the fields.
    if (trainer::TrainerWindow *sounds = m_trainers[slot(textcore::TrainerKind::Sounds)])
        sounds->setReadingFont(fontName);
    else
        m_trainerFonts[slot(textcore::TrainerKind::Sounds)] = fontName;
    if (m_sound)
        m_sound->setPreviewFontName(fontName);
    else
        m_soundFont = fontName;
    if (m_syllables)
        m_syllables->setTextFont(fontName);
    else
        m_syllableFont = fontName;
    if (trainer::TrainerWindow *syllables = m_trainers[slot(textcore::TrainerKind::Syllables)])
        syllables->setReadingFont(fontName);
    else
        m_trainerFonts[slot(textcore::TrainerKind::Syllables)] = fontName;
}

QList<QWidget *> ProgramWindows::visibleWindows() const
{
    const QList<QWidget *> all{&m_program.editor(), m_sound.get(), m_syllables.get(), m_trainers[0],
                               m_trainers[1],       m_fonts.get(), m_about.get()};
    QList<QWidget *> visible;
    for (QWidget *window : all)
        if (window && window->isVisible())
            visible.append(window);
    return visible;
}

} // namespace app
