#pragma once
// The editor window (Form0): the start window whose field holds the working
// text, with the file browser and the separators; it reads the settings at
// start-up and writes them on a confirmed exit. It shares the text and the
// settings with the other windows through the session and opens them
// through the hooks the program registers; it knows none of them.
#include "platform/readingview.h"
#include "textcore/colour.h"

#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
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
enum class FileKind;
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

enum class SaveKind {
    Rtf,
    Txt,
    Unformatted,
    Pdf
};

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
    void setPrinter(platform::Printer *printer) { m_printer = printer; }

    // The one-shot start-up timer, so a caller can fire it at once.
    QTimer &startUpTimer() { return m_startUpTimer; }

    // Start-up and exit.
    void startUpStep();
    void readSettings();
    void writeSettings();
    void showWelcomeText();
    bool confirmExit();
    void onActivate();

    // The formatting boxes, applied to the whole text.
    void applyFontSize(int index);
    void applyFontName(int index);
    void applyStyle(int index);

    // Separators and click mode.
    void showSeparators();
    void hideSeparators();
    void applySeparator();
    void toggleSeparators();
    void chooseSeparator(const QString &separator);
    void chooseSeparatorColour(textcore::Colour colour);
    void replaceBySeparator();
    void toggleClickMode();

    // Automatic syllable marks and the teacher's exception list.
    void setSyllablesAutomatically();
    void rememberException();
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
    // Lets several windows (the tests' many) share one loaded syllabifier.
    void setSyllabifier(std::shared_ptr<syllabify::Syllabifier> syllabifier) { m_syllabifier = std::move(syllabifier); }

    // Files, change tracking and the sentence list.
    void setFilter(const QString &pattern);
    void loadSelectedFile();
    void newText();
    void refreshFileList(const QString &pattern);
    void buildSentenceList();

    // Saving and printing.
    void showNamingTip();
    void saveText(SaveKind kind);
    void reservedNameMessage();
    void printText();

    // Syllable arcs and spacing ("Extras"): the editor's field takes them at
    // once, the check marks follow, and readingViewChanged() tells the rest.
    void setReadingView(const platform::ReadingView &view);
    platform::ReadingView readingView() const { return m_readingView; }

    // Other windows, help text and text tools.
    void openSoundColours();
    void openSyllableColours();
    void openSoundTrainer();
    void openSyllableTrainer();
    void openFontSelection();
    void openAbout();
    void showHelpText();
    void searchReplace();
    void filterCharacter();
    void showAuthorNote();

    // Reading aloud: "Extras" > "Vorlesen" reads the selection, or from the
    // caret to the end; again, or ESC, stops. Without an engine there are
    // no such entries.
    void setSpeech(platform::SpeechEngine *engine);
    void readAloud();
    // Stops reading; true when something was being read.
    bool stopReading();
    platform::ReadAloud *readAloudControl() const { return m_readAloud; }

    // State the tests and the other windows read.
    bool separatorsVisible() const { return m_separatorsVisible; }
    bool clickMode() const { return m_clickMode; }
    bool isTextChanged() const { return m_textChanged; }
    bool helpTipsShown() const { return m_helpTipsShown; }
    QString currentSeparator() const;
    textcore::Colour separatorColour() const;
    QStringList editorFonts() const { return m_editorFonts; }
    QString infoText() const { return m_infoText; }
    platform::FileListBox &fileBrowser() { return *m_files; }

    // What the other windows ask of the editor, through the program.
    QStringList listedFileNames() const;
    void refreshFileList();
    bool loadRtfIntoWorkingText(const QString &path);
    void showEditor(std::optional<QPoint> topLeft);

signals:
    // The reader changed the syllable arcs or the spacing.
    void readingViewChanged(const platform::ReadingView &view);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshEditorFonts();
    void createWidgets();
    void placeWidgets();
    void createMenus();
    QMenu *createFileMenu();
    QMenu *createExtrasMenu();
    QMenu *createSeparatorMenu();
    void addReadingViewEntries(QMenu *extras);
    void markReadingViewEntries();
    void updateHookedEntries();
    void setInfo(const QString &text);
    void setHelpTipsShown(bool shown);
    void showInfoNote();

    // Separators: converts every boundary to `target` in the separator
    // colour; returns how many boundaries the text held.
    int convertBoundaries(char16_t target, bool restoreTypingColour);
    void markSeparatorEntries();
    void onTextClick();
    void typeLiteral(const QString &text);
    QString exceptionListPath() const;

    void onTextChange();
    // Loads into the WorkingText; an unreadable file is reported by name.
    // `asOneUndoStep`: the text it replaces comes back with one undo step.
    bool loadFileIntoField(const QString &path, platform::FileKind kind, bool asOneUndoStep = false);
    void readColoursFromText();
    bool fileExistsInFolder(const QString &upperName) const;
    // Brings the WorkingText into its hand-over form; false (after telling
    // the user) when there is no text.
    bool prepareHandOver(const QString &emptyTextTitle);
    void handOver(const OpenWindowHook &hook);

    session::Session &m_session;
    platform::Dialogs &m_dialogs;
    platform::Printer *m_printer = nullptr;
    WindowHooks m_hooks;
    std::function<void()> m_endProgram;
    QTimer m_startUpTimer;

    // Working state.
    bool m_separatorsVisible = false;
    bool m_clickMode = false;
    bool m_textChanged = false;
    bool m_helpTipsShown = true;
    QStringList m_editorFonts{QStringLiteral("Arial"), QStringLiteral("Verdana")};
    bool m_exitConfirmed = false;
    QString m_infoText;
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

    // Menu entries that later code reaches.
    QAction *m_printerLockEntry = nullptr;
    QAction *m_helpTipsEntry = nullptr;
    QList<QAction *> m_separatorEntries;       // "Taste -", "Taste =", "Taste ~", "Taste /"
    QList<QAction *> m_separatorColourEntries; // "blau" ... "schwarz"
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
