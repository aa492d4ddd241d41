// The editor's menu bar: every command is an action with an object name,
// connected to the slot of the window or of the part that owns it.
#include "editor/editorwindow.h"

#include "editor/filebrowser.h"
#include "editor/saving.h"
#include "editor/separators.h"
#include "session/session.h"

#include <QMenuBar>

namespace editor {

namespace {

QAction *addEntry(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

} // namespace

void EditorWindow::setupFileActions()
{
    QMenu *menu = addMenu(menuBar(), QStringLiteral("fileMenu"), QStringLiteral("Datei"));
    connect(addEntry(menu, QStringLiteral("newTextEntry"), QStringLiteral("Neuer Text")), &QAction::triggered,
            m_fileBrowser, &FileBrowser::newText);
    menu->addSeparator();
    connect(addEntry(menu, QStringLiteral("printEntry"), QStringLiteral("Drucken")), &QAction::triggered, m_saving,
            &Saving::printText);
    QMenu *save = menu->addMenu(QStringLiteral("Sichern"));
    save->setObjectName(QStringLiteral("saveMenu"));
    connect(addEntry(save, QStringLiteral("saveRtfEntry"), QStringLiteral("Als RTF-Datei ...")), &QAction::triggered,
            m_saving, &Saving::saveAsRtf);
    connect(addEntry(save, QStringLiteral("saveTxtEntry"), QStringLiteral("Als TXT-Datei ...")), &QAction::triggered,
            m_saving, &Saving::saveAsTxt);
    connect(addEntry(save, QStringLiteral("savePlainEntry"), QStringLiteral("Unformatiert  ...")), &QAction::triggered,
            m_saving, &Saving::saveUnformatted);
    connect(addEntry(save, QStringLiteral("savePdfEntry"), QStringLiteral("Als PDF-Datei ...")), &QAction::triggered,
            m_saving, &Saving::saveAsPdf);
    menu->addSeparator();
    connect(addEntry(menu, QStringLiteral("exitEntry"), QStringLiteral("Beenden")), &QAction::triggered, this,
            &EditorWindow::confirmExit);
}

void EditorWindow::setupExtrasActions()
{
    QMenu *menu = addMenu(menuBar(), QStringLiteral("extrasMenu"), QStringLiteral("Extras"));
    QAction *printerLock = addEntry(menu, QStringLiteral("printerLockEntry"), QStringLiteral("Drucker sperren"));
    printerLock->setCheckable(true);
    printerLock->setChecked(m_session.printerLocked());
    connect(printerLock, &QAction::toggled, this, [this](bool on) { m_session.setPrinterLocked(on); });
    m_helpTipsEntry = addEntry(menu, QStringLiteral("helpTipsEntry"), QStringLiteral("Hilfetipps zeigen"));
    m_helpTipsEntry->setCheckable(true);
    m_helpTipsEntry->setChecked(m_helpTipsShown);
    connect(m_helpTipsEntry, &QAction::toggled, this, &EditorWindow::setHelpTipsShown);
    addReadingViewEntries(menu);
    menu->addSeparator();
    m_fontSelectionEntry = addEntry(menu, QStringLiteral("fontSelectionEntry"), QStringLiteral("Schriftartenwahl"));
    connect(m_fontSelectionEntry, &QAction::triggered, this, &EditorWindow::openFontSelection);
    menu->addSeparator();
    connect(addEntry(menu, QStringLiteral("searchReplaceEntry"), QStringLiteral("Suchen/Ersetzen")),
            &QAction::triggered, this, &EditorWindow::searchReplace);
    connect(addEntry(menu, QStringLiteral("filterEntry"), QStringLiteral("Textfilter wählen")), &QAction::triggered,
            this, &EditorWindow::filterCharacter);
    m_extrasMenu = menu;
}

void EditorWindow::setupWindowActions()
{
    QMenu *colours = addMenu(menuBar(), QStringLiteral("colourMenu"), QStringLiteral("Farbauswahl"));
    m_soundColoursEntry = addEntry(colours, QStringLiteral("soundColoursEntry"), QStringLiteral("L a u t e"));
    connect(m_soundColoursEntry, &QAction::triggered, this, &EditorWindow::openSoundColours);
    m_syllableColoursEntry = addEntry(colours, QStringLiteral("syllableColoursEntry"), QStringLiteral("S i l b e n"));
    connect(m_syllableColoursEntry, &QAction::triggered, this, &EditorWindow::openSyllableColours);

    QMenu *training = addMenu(menuBar(), QStringLiteral("trainingMenu"), QStringLiteral("Lesetraining"));
    m_soundTrainerEntry = addEntry(training, QStringLiteral("soundTrainerEntry"), QStringLiteral("L a u t e"));
    connect(m_soundTrainerEntry, &QAction::triggered, this, &EditorWindow::openSoundTrainer);
    m_syllableTrainerEntry = addEntry(training, QStringLiteral("syllableTrainerEntry"), QStringLiteral("S i l b e n"));
    connect(m_syllableTrainerEntry, &QAction::triggered, this, &EditorWindow::openSyllableTrainer);
}

void EditorWindow::setupSeparatorActions()
{
    QMenu *separators = addMenu(menuBar(), QStringLiteral("separatorMenu"), QStringLiteral("Trennzeichen"));
    m_separators->addEntries(separators);
    separators->addSeparator();
    connect(addEntry(separators, QStringLiteral("autoSyllablesEntry"), QStringLiteral("Silben automatisch setzen")),
            &QAction::triggered, this, &EditorWindow::setSyllablesAutomatically);
    connect(addEntry(separators, QStringLiteral("rememberExceptionEntry"), QStringLiteral("Als Ausnahme merken")),
            &QAction::triggered, this, &EditorWindow::rememberException);
}

void EditorWindow::setupHelpActions()
{
    QMenu *help = addMenu(menuBar(), QStringLiteral("helpMenu"), QStringLiteral("?"));
    connect(addEntry(help, QStringLiteral("manualEntry"), QStringLiteral("Anleitung")), &QAction::triggered,
            m_fileBrowser, &FileBrowser::showHelpText);
    m_aboutEntry = addEntry(help, QStringLiteral("aboutEntry"), QStringLiteral("Copyright"));
    connect(m_aboutEntry, &QAction::triggered, this, &EditorWindow::openAbout);
    updateHookedEntries();
}

void EditorWindow::updateHookedEntries()
{
    const std::pair<QAction *, OpenWindowHook *> entries[] = {
        {m_soundColoursEntry, &m_hooks.openSoundColours},   {m_syllableColoursEntry, &m_hooks.openSyllableColours},
        {m_soundTrainerEntry, &m_hooks.openSoundTrainer},   {m_syllableTrainerEntry, &m_hooks.openSyllableTrainer},
        {m_fontSelectionEntry, &m_hooks.openFontSelection}, {m_aboutEntry, &m_hooks.openAbout},
    };
    for (const auto &[action, hook] : entries)
        if (action)
            action->setEnabled(bool(*hook));
}

} // namespace editor
