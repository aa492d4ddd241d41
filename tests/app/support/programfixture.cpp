#include "app/support/programfixture.h"

#include "editor/editorwindow.h"
#include "platform/richtextfield.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"
#include "support/widgetlookup.h"

#include <QAction>
#include <QFile>

namespace {

// Every window gets its own boxes in the program; here they all answer
// from the one script, in the order the user would meet them.
class ScriptForwarder : public platform::Dialogs {
public:
    explicit ScriptForwarder(testsupport::ScriptedDialogs &script) : m_script(script) {}
    platform::Answer message(const platform::MessageRequest &request) override { return m_script.message(request); }
    QString input(const QString &prompt, const QString &title, const QString &proposed) override
    {
        return m_script.input(prompt, title, proposed);
    }

private:
    testsupport::ScriptedDialogs &m_script;
};

} // namespace

QStringList ProgramFixture::installedFonts()
{
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Andika"), QStringLiteral("Arial"),
            QStringLiteral("Comic Sans MS")};
}

ProgramFixture::ProgramFixture() = default;

ProgramFixture::~ProgramFixture()
{
    // The windows before the program whose editor and holders they use.
    m_windows.reset();
    m_program.reset();
}

void ProgramFixture::copyData(const QString &dataPath, const QString &name)
{
    QFile::copy(QStringLiteral(KOLORAT_TEST_DATA "/") + dataPath, m_dir.filePath(name));
}

QString ProgramFixture::path(const QString &name) const
{
    return m_dir.filePath(name);
}

QByteArray ProgramFixture::readFile(const QString &name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramFixture::start(bool expectSettingsError)
{
    m_program = std::make_unique<app::Program>(dialogs, m_dir.path());
    auto recording = std::make_unique<testsupport::RecordingPrinter>();
    printer = recording.get();
    m_program->setPrinter(std::move(recording));
    editor().setEndProgram([this] { ++programEnds; });

    app::WindowServices services;
    services.makeDialogs = [this] { return std::make_unique<ScriptForwarder>(dialogs); };
    services.clipboard = &clipboard;
    services.timers = &timers;
    services.installedFonts = &ProgramFixture::installedFonts;
    m_windows = std::make_unique<app::ProgramWindows>(*m_program, services);

    if (expectSettingsError)
        dialogs.queueAnswer(platform::Answer::Ok);
    editor().startUpTimer().stop();
    editor().startUpStep();
    editor().show();
}

platform::RichTextField &ProgramFixture::workingText()
{
    return *testsupport::child<platform::RichTextField>(editor(), "RichTextBox1");
}

bool ProgramFixture::trigger(QWidget &window, const QString &entryName)
{
    QAction *entry = window.findChild<QAction *>(entryName);
    // Some windows name their entries only by their text.
    if (!entry)
        for (QAction *action : window.findChildren<QAction *>())
            if (action->text() == entryName)
                entry = action;
    if (!entry || !entry->isEnabled())
        return false;
    entry->trigger();
    return true;
}

platform::RichTextField *readingField(QWidget &window)
{
    return window.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
}
