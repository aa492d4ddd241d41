#pragma once
// One trainer window with everything it reads injected: a working text
// field standing in for the editor's, recorded requests, scripted boxes.
#include "platform/richtextfield.h"
#include "session/session.h"
#include "support/doubles.h"
#include "support/widgetlookup.h"
#include "trainer/trainerwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>

namespace testsupport {

struct TrainerHarness {
    explicit TrainerHarness(trainer::TrainerKind trainerKind, platform::Dialogs *ownDialogs = nullptr)
        : kind(trainerKind), dialogs(ownDialogs ? ownDialogs : &scripted)
    {
        shared.workingText().attach(workingField);
        shared.setRequests(&editor);
        recreate();
    }
    // The program object's answer to discarded(): a fresh window.
    void recreate()
    {
        window.reset();
        window = std::make_unique<trainer::TrainerWindow>(kind, shared, *dialogs, timers);
    }
    // The editor hands over `text` with the sentence list it builds from it.
    void open(const QString &text)
    {
        workingField.setText(text);
        shared.workingText().buildSentenceList();
        window->open();
    }
    void press(int key) { QTest::keyClick(keyField(), Qt::Key(key)); }
    void pressAll(const QList<int> &keys)
    {
        for (int key : keys)
            press(key);
    }
    void trigger(const char *menu) { child<QAction>(*window, menu)->trigger(); }

    QString shown() const { return readingField()->text(); }
    platform::RichTextField *readingField() const { return child<platform::RichTextField>(*window, "RichTextBox1"); }
    QLineEdit *keyField() const { return child<QLineEdit>(*window, "Text1"); }
    bool sounds() const { return kind == trainer::TrainerKind::Sounds; }
    QListWidget *fontList() const { return child<QListWidget>(*window, sounds() ? "List1" : "List4"); }
    QListWidget *exerciseList() const { return child<QListWidget>(*window, sounds() ? "List2" : "List5"); }

    trainer::TrainerKind kind;
    platform::RichTextField workingField;
    RecordingRequests editor;
    ScriptedDialogs scripted;
    platform::Dialogs *dialogs; // the scripted one unless the test brings its own
    ManualTimers timers;
    session::Session shared{QString()};
    session::SoundColourState &soundState = shared.sound();
    session::SyllableState &syllableState = shared.syllables();
    session::OfferedFonts &offered = shared.fonts();
    std::unique_ptr<trainer::TrainerWindow> window;
};

} // namespace testsupport
