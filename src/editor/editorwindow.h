#pragma once
// The editor window (Form0): the start window whose field holds the working
// text. It builds the controls and the menu bar and reads the settings at
// start-up and writes them on a confirmed exit; its parts own the
// separators (Separators), the file browser with loading (FileBrowser), and
// saving and printing (Saving). Every command is a slot reached through its
// named menu entry. It shares the text and the settings with the other
// windows through the session and opens them through the hooks the program
// registers; it knows none of them.
#include "platform/readingview.h"

#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace platform {
class Dialogs;
class FileListBox;
class Printer;
class ReadAloud;
class RichTextField;
class SpeechEngine;
} // namespace platform
namespace session {
class Session;
}
namespace syllabify {
class PatternLoader;
class Syllabifier;
} // namespace syllabify

namespace editor {

// Opens another window. The editor has already prepared the WorkingText and
// hidden itself; `editorTopLeft` is where it stood, for the windows that open
// over it. A menu entry whose hook is empty stays disabled.
using OpenWindowHook = std::function<void(const QPoint &editorTopLeft)>;

struct WindowHooks {
    OpenWindowHook openSoundColours;
    OpenWindowHook openSyllableColours;
    OpenWindowHook openSoundTrainer;
    OpenWindowHook openSyllableTrainer;
    OpenWindowHook openFontSelection;
    OpenWindowHook openAbout;
};

class FileBrowser;
class Saving;
class Separators;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // The session's folder is where every file is loaded from and saved to;
    // the window attaches its field as the session's working text. It arms
    // its 100 ms start-up timer at once.
    EditorWindow(session::Session &session, platform::Dialogs &dialogs, QWidget *parent = nullptr);
    ~EditorWindow() override;

    void setWindowHooks(const WindowHooks &hooks);
    // What a confirmed exit does after the settings are written; by default
    // it closes every window and quits the application.
    void setEndProgram(std::function<void()> endProgram);
    // Where "Drucken" prints; without one, printing says there is no printer.
    void setPrinter(platform::Printer *printer);

    // The one-shot start-up timer, so a caller can fire it at once.
    QTimer &startUpTimer() { return m_startUpTimer; }

    // Where the hyphenation patterns are read from on first use.
    void setPatternFile(const QString &path)
    {
        m_patternFile = path;
        m_patternLoader.reset();
    }
    // Where the patterns are kept prepared between runs (empty: not kept).
    void setPatternCache(const QString &cacheFile)
    {
        m_patternCache = cacheFile;
        m_patternLoader.reset();
    }
    // Starts loading the hyphenation patterns in the background, so that
    // the first automatic marking need not wait for them.
    void preloadSyllabifier();
    // Lets several windows share one loaded syllabifier.
    void setSyllabifier(std::shared_ptr<syllabify::Syllabifier> syllabifier) { m_syllabifier = std::move(syllabifier); }

    // Syllable arcs and spacing ("Extras"): the editor's field takes them at
    // once, the check marks follow, and readingViewChanged() tells the rest.
    void setReadingView(const platform::ReadingView &view);
    platform::ReadingView readingView() const { return m_readingView; }

    // Reading aloud: "Extras" > "Vorlesen" reads the selection, or from the
    // caret to the end; again, or ESC, stops. Without an engine there are
    // no such entries.
    void setSpeech(platform::SpeechEngine *engine);

    // What the other windows ask of the editor, through the program.
    QStringList listedFileNames() const;
    void refreshFileList();
    bool loadRtfIntoWorkingText(const QString &path);
    void showEditor(std::optional<QPoint> topLeft);

public slots:
    // Reads the settings, shows the welcome text and hides its separators.
    void startUpStep();

signals:
    // The reader changed the syllable arcs or the spacing.
    void readingViewChanged(const platform::ReadingView &view);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    bool confirmExit();
    void applyFontSize(int index);
    void applyFontName(int index);
    void applyStyle(int index);
    void setHelpTipsShown(bool shown);
    void showInfoNote();
    void showAuthorNote();

    void openSoundColours();
    void openSyllableColours();
    void openSoundTrainer();
    void openSyllableTrainer();
    void openFontSelection();
    void openAbout();
    void searchReplace();
    void filterCharacter();

    void setSyllablesAutomatically();
    void rememberException();
    void readAloud();

private:
    void createWidgets();
    void placeWidgets();
    void createParts();
    void setupFileActions();
    void setupExtrasActions();
    void setupWindowActions();
    void setupSeparatorActions();
    void setupHelpActions();
    void addReadingViewEntries(QMenu *extras);
    void markReadingViewEntries();
    void updateHookedEntries();
    void setInfo(const QString &text);

    void readSettings();
    void writeSettings();
    void showWelcomeText();
    void onActivate();
    void refreshEditorFonts();
    // Stops reading; true when something was being read.
    bool stopReading();
    QString exceptionListPath() const;

    // Brings the WorkingText into its hand-over form; false (after telling
    // the user) when there is no text.
    bool prepareHandOver(const QString &emptyTextTitle);
    void handOver(const OpenWindowHook &hook);

    session::Session &m_session;
    platform::Dialogs &m_dialogs;
    WindowHooks m_hooks;
    std::function<void()> m_endProgram;
    QTimer m_startUpTimer;

    // Working state.
    bool m_helpTipsShown = true;
    QStringList m_editorFonts{QStringLiteral("Arial"), QStringLiteral("Verdana")};
    bool m_exitConfirmed = false;
    // Loaded on first use (seconds) and kept for the run; shared_ptr so the
    // window's destructor needs no syllabifier header.
    std::shared_ptr<syllabify::Syllabifier> m_syllabifier;
    std::shared_ptr<syllabify::PatternLoader> m_patternLoader;
    QString m_patternFile;
    QString m_patternCache;
    platform::ReadingView m_readingView;

    // Controls.
    QLabel *m_infoIcon = nullptr;
    QLabel *m_infoField = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QPushButton *m_filterRtf = nullptr;
    QPushButton *m_filterAll = nullptr;
    QPushButton *m_filterTxt = nullptr;
    QComboBox *m_fontSizes = nullptr;
    QComboBox *m_fontNames = nullptr;
    QComboBox *m_styles = nullptr;
    QToolButton *m_clickModeButton = nullptr;
    QPushButton *m_separatorButton = nullptr;
    QLabel *m_filesLabel = nullptr;
    QLabel *m_textLabel = nullptr;
    QLabel *m_folderLabel = nullptr;
    platform::FileListBox *m_files = nullptr;
    platform::RichTextField *m_field = nullptr;

    // The parts that own their commands.
    Separators *m_separators = nullptr;
    FileBrowser *m_fileBrowser = nullptr;
    Saving *m_saving = nullptr;

    // Menu entries that later code reaches.
    QAction *m_helpTipsEntry = nullptr;
    QAction *m_soundColoursEntry = nullptr;
    QAction *m_syllableColoursEntry = nullptr;
    QAction *m_soundTrainerEntry = nullptr;
    QAction *m_syllableTrainerEntry = nullptr;
    QAction *m_fontSelectionEntry = nullptr;
    QAction *m_aboutEntry = nullptr;
    QAction *m_arcsEntry = nullptr;
    QList<QAction *> m_spacingEntries; // "Abstände": letters, words, lines
    QAction *m_readAloudSeparator = nullptr;
    QAction *m_readAloudEntry = nullptr;
    QMenu *m_extrasMenu = nullptr;
    QMenu *m_speechRateMenu = nullptr;
    platform::ReadAloud *m_readAloud = nullptr;
};

} // namespace editor
