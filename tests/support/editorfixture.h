#pragma once
// The real editor, headless, in a temporary current folder: scripted boxes,
// the start-up step run at once, the program's end counted, and every
// command reached through its menu entry.
#include "editor/editorwindow.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "support/doubles.h"
#include "support/widgetlookup.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>

using platform::Answer;
using textcore::Colour;

struct EditorFixture {
    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    session::Session session{dir.path()};
    testsupport::RecordingPrinter printer; // the window's only when a test hands it over
    editor::EditorWindow window{session, dialogs};
    int programEnds = 0;

    EditorFixture()
    {
        window.setEndProgram([this] { ++programEnds; });
    }

    // Runs the start-up step now; a missing settings file's box is answered.
    void start()
    {
        if (!QFile::exists(path("KOLORAT.INI")))
            dialogs.queueAnswer(Answer::Ok);
        window.startUpTimer().stop();
        window.startUpStep();
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void copyData(const QString &data, const QString &name)
    {
        QFile::copy(QStringLiteral(KOLORAT_TEST_DATA "/") + data, path(name));
    }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    platform::RichTextField &field() { return *testsupport::child<platform::RichTextField>(window, "RichTextBox1"); }
    // Queues what the user answers, then picks the menu entry.
    void trigger(const char *action, std::initializer_list<testsupport::Reply> answers = {})
    {
        dialogs.queue(answers);
        testsupport::child<QAction>(window, action)->trigger();
    }
    template<typename T>
    T *control(const char *name)
    {
        return testsupport::child<T>(window, name);
    }
    // The hint, with its CRs as the label breaks them.
    QString info() { return control<QLabel>("infofeld")->text(); }
};
