#pragma once
// The window in which the teacher picks, from the installed fonts, the
// fonts every font list offers besides "Arial" and "Verdana", and applies
// one font to all reading fields at once.
//
// Created once at start-up (the settings reading fills its lists) and then
// only hidden and shown; it keeps the position it took on creation.
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace session {
struct OfferedFonts;
class Session;
} // namespace session
namespace platform {
class Dialogs;
class Timers;
} // namespace platform

namespace fonts {

class FontSelectionWindow : public QWidget {
    Q_OBJECT

public:
    // Where the installed font names come from; the default asks Qt's font
    // database. Tests pass a fixed list.
    using FontSource = std::function<QStringList()>;

    FontSelectionWindow(session::Session &session, platform::Dialogs &dialogs, platform::Timers &timers,
                        FontSource installedFonts = {}, QWidget *parent = nullptr);
    ~FontSelectionWindow() override;

    // The delay between showing the hint and loading the installed fonts,
    // so that the window is on screen before the slow part starts.
    static constexpr int loadDelayMs = 500;

    // The editor hides itself, then calls this. The window stays where it
    // was placed on creation; the installed fonts load shortly after.
    void open();

    // Settings reading: the two fixed lists back to their single entry,
    // "Arial" selected and shown in the right sample.
    void resetFixedLists();

    // The font "Schriftauswahl übernehmen" applies: the last one chosen on
    // the right, "Arial" when nothing on the right has been chosen.
    QString rightFontName() const { return m_rightFontName; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void loadInstalledFonts();
    void refreshOfferedList();
    void addSelectedFont();
    void removeSelectedFont();
    void apply();
    void leave();
    void onSystemSelection();
    void onRightSelection(QListWidget *chosen);
    void setSampleFont(QLabel *sample, const QString &family);

    session::Session &m_session;
    session::OfferedFonts &m_offered;
    platform::Dialogs &m_dialogs;
    platform::Timers &m_timers;
    FontSource m_installedFonts;
    QString m_rightFontName;
    // Counts openings, so that a load armed before the window was left
    // does not fill the list of a hidden or reopened window.
    int m_opening = 0;

    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_applyButton = nullptr;
    QLabel *m_hintLabel = nullptr;
    QListWidget *m_systemList = nullptr;
    QListWidget *m_arialList = nullptr;
    QListWidget *m_verdanaList = nullptr;
    QListWidget *m_offeredList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QLabel *m_leftSample = nullptr;
    QLabel *m_rightSample = nullptr;
};

} // namespace fonts
