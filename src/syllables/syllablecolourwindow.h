#pragma once
// The window in which the teacher chooses the two syllable colours and the
// counting mode, sees the text coloured by syllables, gets its syllables as
// a sorted list and a printable table, and hands the colours back to the
// editor or saves the coloured text as RTF.
//
// Created once, then only hidden and shown; the colours and the mode live
// in SyllableState, the background in the shared SoundColourState, so the
// settings file, the sound colour window and the trainer read them there.
#include "platform/forward.h"
#include "textcore/colour.h"
#include "textcore/syllablecolouring.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLineEdit;
class QListWidget;

namespace session {
class Session;
struct OfferedFonts;
struct SoundColourState;
struct SyllableState;
} // namespace session

namespace syllables {

using platform::ColourField;
class TablePanel;

class SyllableColourWindow : public QMainWindow {
    Q_OBJECT

public:
    // The delay between showing the window and copying the text in, so that
    // the window is on screen before the colouring starts.
    static constexpr int textDelayMs = 200;

    SyllableColourWindow(session::Session &session, platform::Dialogs &dialogs, platform::Printer &printer,
                         platform::Clipboard &clipboard, platform::Timers &timers, QWidget *parent = nullptr);
    ~SyllableColourWindow() override;

    // The editor hides itself, then calls this with its own top left
    // corner; the text arrives textDelayMs later.
    void openAt(const QPoint &editorTopLeft);

    // Sets the shared background (and so the sound window's background too).
    void setBackgroundColour(textcore::Colour colour);
    // The font selection window gives every reading field one font; the
    // next pass (at the next opening) shows it.
    void setTextFont(const QString &fontName);

    // The colouring pass: background, syllable colours in one edit block,
    // caret restored, SyllableList and count rebuilt.
    void colourPass();

    // Menu commands.
    void chooseCounting(textcore::SyllableCounting mode); // "Wortsilben"
    void toggleTable();                                   // "Tabelle"
    void toggleFontList();                                // "Schriften"
    void printSyllableTable();                            // "Drucken" > "Silbentabelle"
    void printTextPage();                                 // "Drucken" > "Textseite"
    void copyText();                                      // "Kopieren"
    void saveColouredText();                              // "Sichern"
    void leaveWithQuestion();                             // "Abbruch"
    void showHelp();                                      // "?"

    // The distinct syllables of the last pass, in list order.
    std::vector<std::u16string> syllableList() const;

    platform::RichTextField *textField() const { return m_textField; }
    TablePanel *tablePanel() const { return m_tablePanel; }
    QListWidget *fontList() const;
    QListWidget *fontSizeList() const;
    QListWidget *syllableListWidget() const { return m_syllableList; }
    ColourField *firstTarget() const { return m_firstTarget; }
    ColourField *secondTarget() const { return m_secondTarget; }
    ColourField *backgroundField() const { return m_backgroundField; }
    QLineEdit *numberField() const;
    // The token a drag of this window's fields carries.
    QString dragToken() const { return m_dragToken; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void buildTargets(QWidget *area);
    void receiveText(int opening);
    void refreshTargetFields();
    void takeColour(ColourField *target, textcore::Colour colour);
    void onTargetClicked(ColourField *target);
    void onTargetDropped(ColourField *target, const QString &token, const QString &name);
    void onFontSizeChosen(qreal points);
    void onFontChosen(const QString &name);
    void showTable();
    void hideTable();
    void leave();
    bool refusedWhilePrinterLocked();

    session::Session &m_session;
    session::SyllableState &m_state;
    session::SoundColourState &m_soundState;
    const session::OfferedFonts &m_offeredFonts;
    platform::Dialogs &m_dialogs;
    platform::Printer &m_printer;
    platform::Clipboard &m_clipboard;
    platform::Timers &m_timers;
    // Counts openings, so that a text copy armed before the window was left
    // does not land in a hidden or reopened window.
    int m_opening = 0;
    std::vector<std::u16string> m_sequence; // every syllable in text order, kept hidden

    QAction *m_alternatingAction = nullptr;
    QAction *m_multiSyllableAction = nullptr;
    QString m_dragToken;
    platform::ColourPanel *m_panel = nullptr;
    ColourField *m_firstTarget = nullptr;
    ColourField *m_secondTarget = nullptr;
    ColourField *m_backgroundField = nullptr;
    QListWidget *m_syllableList = nullptr;
    platform::RichTextField *m_textField = nullptr;
    TablePanel *m_tablePanel = nullptr;
};

} // namespace syllables
