#pragma once
// One trainer window with everything it reads injected: a working text
// field standing in for the editor's, recorded requests, scripted boxes.
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "session/session.h"
#include "support/manualtimers.h"
#include "support/recordingrequests.h"
#include "support/scripteddialogs.h"
#include "trainer/trainerwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QString>

#include <memory>

namespace testsupport {

class TrainerHarness {
public:
    explicit TrainerHarness(trainer::TrainerKind trainerKind, platform::Dialogs *ownDialogs = nullptr);
    ~TrainerHarness();

    // The editor hands over `text` with the SentenceList it builds from it.
    void open(const QString &text);
    // The program object's answer to discarded(): a fresh window.
    void recreate();

    void press(Qt::Key key);
    void pressAll(const QList<int> &keys);
    void trigger(const QString &menuName);

    QString shown() const { return readingField()->text(); }
    platform::RichTextField *readingField() const;
    QLineEdit *keyField() const;
    QListWidget *fontList() const;
    QListWidget *exerciseList() const;
    QAction *menu(const QString &name) const;

    trainer::TrainerKind kind;
    platform::RichTextField workingField;
    RecordingRequests editor;
    testsupport::ScriptedDialogs scripted;
    platform::Dialogs *dialogs; // the scripted one unless the test brings its own
    testsupport::ManualTimers timers;
    session::Session shared{QString()};
    session::SoundColourState &sounds = shared.sound();
    session::SyllableState &syllables = shared.syllables();
    session::OfferedFonts &offered = shared.fonts();
    std::unique_ptr<trainer::TrainerWindow> window;
};

} // namespace testsupport
