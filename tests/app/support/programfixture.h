#pragma once
// The whole program headless: a temporary current folder, one script of
// dialog answers for every window's boxes, delays fired by the test, the
// clipboard and printer recorded, and the program's end counted instead of
// quitting the test.
#include "app/program.h"
#include "app/programwindows.h"
#include "editor/editorwindow.h"
#include "platform/richtextfield.h"
#include "support/doubles.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

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

class ProgramFixture {
public:
    ~ProgramFixture() { m_windows.reset(); } // before the program whose editor and holders they use

    void copyData(const QString &dataPath, const QString &name)
    {
        QFile::copy(QStringLiteral(KOLORAT_TEST_DATA "/") + dataPath, path(name));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Creates the program and its windows and runs the start-up step.
    void start(bool expectSettingsError = false)
    {
        m_program = std::make_unique<app::Program>(dialogs, m_dir.path());
        m_program->setPrinter(std::make_unique<testsupport::RecordingPrinter>());
        editor().setEndProgram([this] { ++programEnds; });
        app::WindowServices services;
        services.makeDialogs = [this] { return std::make_unique<ScriptForwarder>(dialogs); };
        services.clipboard = &clipboard;
        services.timers = &timers;
        services.installedFonts = [] { return QStringList{"DejaVu Sans", "Andika", "Arial"}; };
        m_windows = std::make_unique<app::ProgramWindows>(*m_program, services);
        if (expectSettingsError)
            dialogs.queueAnswer(platform::Answer::Ok);
        editor().startUpTimer().stop();
        editor().startUpStep();
        editor().show();
    }

    app::Program &program() { return *m_program; }
    editor::EditorWindow &editor() { return m_program->editor(); }
    app::ProgramWindows &windows() { return *m_windows; }
    platform::RichTextField &workingText() { return *field(editor()); }
    static platform::RichTextField *field(QWidget &window)
    {
        return window.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
    }
    // The menu entry with this object name or, where a window names its
    // entries only by their text, with this text.
    static void trigger(QWidget &window, const QString &entry)
    {
        for (QAction *action : window.findChildren<QAction *>())
            if ((action->objectName() == entry || action->text() == entry) && action->isEnabled())
                return action->trigger();
        qFatal("no enabled entry %s", qPrintable(entry));
    }

    testsupport::ScriptedDialogs dialogs;
    testsupport::ManualTimers timers;
    testsupport::RecordingClipboard clipboard;
    int programEnds = 0;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<app::Program> m_program;
    std::unique_ptr<app::ProgramWindows> m_windows;
};
