#pragma once
// One colour window (sound or syllable) with every service replaced by a
// test double: the editor's field holds the WorkingText, the folder is a
// fresh temporary one, boxes are scripted, printer and clipboard record,
// timers fire when the test says so.
#include "platform/richtextfield.h"
#include "session/session.h"
#include "support/doubles.h"

#include <QAction>
#include <QTemporaryDir>

#include <memory>
#include <utility>

namespace testsupport {

// The editor as a colour window uses it: its field is the WorkingText.
class FieldEditor : public RecordingRequests {
public:
    platform::RichTextField field;
    QStringList log; // what the window asked of it, as transcript lines

    void refreshFileList() override { log << QStringLiteral("editor's file list refreshed"); }
    bool loadRtfIntoWorkingText(const QString &path) override
    {
        log << QStringLiteral("editor loads ") + path;
        return field.loadFile(path, platform::FileKind::Rtf).ok();
    }
    void showEditor(std::optional<QPoint> at) override
    {
        log << (at ? QStringLiteral("editor shown at %1,%2").arg(at->x()).arg(at->y())
                   : QStringLiteral("editor shown in its place"));
    }
};

// "|" stands for the soft hyphen that marks a syllable boundary.
inline QString marked(QString text)
{
    return text.replace(QLatin1Char('|'), QChar(0xAD));
}

template<typename Window>
struct ColourWindowFixture {
    QTemporaryDir folder;
    FieldEditor editor;
    session::Session shared{folder.path() + QLatin1Char('/')};
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    ManualTimers timers;
    std::unique_ptr<Window> window;

    ColourWindowFixture()
    {
        shared.workingText().attach(editor.field);
        shared.setRequests(&editor);
        shared.setPrinterLocked(false);
        window = std::make_unique<Window>(shared, dialogs, printer, clipboard, timers);
    }

    // The editor hands `text` over and opens the window; the delayed copy runs.
    void open(const QString &text)
    {
        editor.field.setText(marked(text));
        window->openAt(QPoint(40, 30));
        timers.fireAll();
    }

    // The menu entry with this object name or caption.
    QAction *entry(const QString &name) const
    {
        for (QAction *action : window->template findChildren<QAction *>())
            if (action->objectName() == name || action->text() == name)
                return action;
        qFatal("no menu entry %s", qPrintable(name));
    }
    // Queues what the user answers, then picks the menu entry.
    void choose(const QString &name, std::initializer_list<Reply> answers = {})
    {
        dialogs.queue(answers);
        entry(name)->trigger();
    }

    // What the window did since the last call: boxes, prints, clipboard
    // texts, then what it asked of the editor.
    QString transcript()
    {
        QString text = dialogTranscript(dialogs.calls().mid(m_taken.first));
        QStringList lines = std::exchange(printer.log, {});
        for (const QString &copied : clipboard.texts.mid(m_taken.second))
            lines << QStringLiteral("clipboard ") + quoted(copied);
        m_taken = {dialogs.calls().size(), clipboard.texts.size()};
        for (const QString &line : lines + std::exchange(editor.log, {}))
            text += line + QLatin1Char('\n');
        return text.replace(folder.path(), QStringLiteral("<folder>"));
    }

private:
    std::pair<qsizetype, qsizetype> m_taken; // boxes and clipboard texts already written down
};

} // namespace testsupport
