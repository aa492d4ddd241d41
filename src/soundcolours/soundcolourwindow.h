#pragma once
// The sound colour window ("olorat:  Laute einstellen"): eight category
// fields hold the SoundColours, sixteen palette fields and a mixer offer
// colours, and the preview shows the WorkingText coloured by sounds at
// every change. It is created once and only shown and hidden afterwards.
#include "platform/forward.h"
#include "textcore/soundcolours.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;

namespace session {
class Session;
struct OfferedFonts;
struct SoundColourState;
} // namespace session

namespace soundcolours {

using platform::ColourField;
using platform::ColourMixer;
using platform::ColourPanel;
class SoundCommands;

class SoundColourWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kActivationDelayMs = 200;

    // Loads the window: sizes and centres it, sets up the preview's font and
    // size list and the mixer. Shows nothing.
    SoundColourWindow(session::Session &session, platform::Dialogs &dialogs, platform::Printer &printer,
                      platform::Clipboard &clipboard, platform::Timers &timers, QWidget *parent = nullptr);
    ~SoundColourWindow() override;

    // Opens the window where the editor stood (the editor has hidden
    // itself and prepared the WorkingText). 200 ms later the window fills
    // its font list, copies the WorkingText into the preview and colours it.
    void openAt(const QPoint &editorTopLeft);

    // Colours the preview by sounds with the current SoundColours and
    // special letter groups, in one edit block.
    void rtfarben();
    // Preview font "Verdana" 16 and the list of sizes 12 to 48.
    void rtfini();

    // The font the font selection window gives every reading field. The
    // preview is recoloured at the next activation, not now.
    void setPreviewFontName(const QString &name);

    // Shows the SoundColours and special groups of the state in the fields
    // (after the settings file or a loaded text changed them).
    void showState();

    // What the mouse does, for tests and for keyboard users alike.
    // A field of this window named `draggedName` is dropped on a category
    // field; unknown names change no colour. Recolours in every case.
    void dropOnCategory(textcore::SoundClass category, const QString &draggedName);
    // The category takes the custom colour.
    void clickCategory(textcore::SoundClass category);
    // The caption's information box.
    void clickCaption(textcore::SoundClass category);

    // Menu entries.
    void cancel();             // "Abbruch"
    void toggleFontList();     // "Schriften"
    void showHelp();           // "?"
    void enterSpecialGroups(); // "Zeichen"

    platform::RichTextField &preview() const { return *m_preview; }
    ColourField *categoryField(textcore::SoundClass category) const;
    ColourField *captionField(textcore::SoundClass category) const;
    ColourMixer &mixer() const;
    QListWidget *fontSizeList() const;
    QListWidget *fontList() const;
    SoundCommands &commands() const { return *m_commands; }

    // The token a drag of this window's fields carries.
    QString dragToken() const { return m_dragToken; }

signals:
    // A colour was dropped on the background field; the syllable colour
    // window shows the same background.
    void backgroundChanged(textcore::Colour colour);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildFields(QWidget *client);
    void createMenus();
    void activationStep();
    void updateSpecialGroupsHover();

    session::Session &m_session;
    session::SoundColourState &m_state;
    const session::OfferedFonts &m_offeredFonts;
    platform::Dialogs &m_dialogs;
    platform::Timers &m_timers;
    QString m_dragToken;

    std::array<ColourField *, textcore::kSoundClassCount> m_categories{};
    std::array<ColourField *, textcore::kSoundClassCount> m_captions{};
    ColourPanel *m_panel = nullptr;
    platform::RichTextField *m_preview = nullptr;
    QLineEdit *m_groupsText = nullptr;  // hidden: the SpecialGroups as typed
    QListWidget *m_groupList = nullptr; // hidden: the groups derived from it
    std::unique_ptr<SoundCommands> m_commands;
    // Every open() and every leave counts up, so that a delay armed by an
    // earlier opening does nothing.
    int m_openings = 0;
};

} // namespace soundcolours
