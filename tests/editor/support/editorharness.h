#pragma once
// Runs the real editor headless: a temporary current folder, scripted
// dialog answers, the start-up timer fired at once and the program's end
// recorded instead of quitting the test.
#include "editor/editorwindow.h"
#include "platform/printer.h"
#include "platform/styledtext.h"
#include "session/session.h"
#include "support/scripteddialogs.h"
#include "textcore/colour.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace platform {
class RichTextField;
}

class EditorHarness {
public:
    EditorHarness();
    ~EditorHarness();

    // Copies tests/data/editor/<dataName> into the folder as <targetName>.
    void copyData(const QString &dataName, const QString &targetName);
    void writeFile(const QString &name, const QByteArray &bytes);
    QByteArray readFile(const QString &name) const;
    QString folder() const;

    // Creates the window and runs its start-up step at once. Answers the
    // settings error box when `expectSettingsError`.
    void start(bool expectSettingsError = false);
    // Creates the window without running the start-up step.
    void create();

    session::Session &session() { return *m_session; }
    editor::EditorWindow &window() { return *m_window; }
    // Where "Drucken" prints from now on.
    void setPrinter(std::unique_ptr<platform::Printer> printer);
    platform::RichTextField &field();
    testsupport::ScriptedDialogs dialogs;
    int programEnds = 0;

    // Puts `text` into the field, every character in `colour`, and clears
    // the change flag's history by the caller's choice.
    void setText(const QString &text);
    // Clicks the file browser's entry `name`; returns false if it is not listed.
    bool clickFile(const QString &name);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<session::Session> m_session;
    std::unique_ptr<platform::Printer> m_printer;
    std::unique_ptr<editor::EditorWindow> m_window;
};

// One format per plain-text position, from the field's runs.
std::vector<platform::CharFormat> formatsPerPosition(const platform::RichTextField &field);

QString softHyphen();

// One of the separators the editor offers, or the soft hyphen that stands
// for them while they are hidden.
bool isSeparatorMark(QChar c);
