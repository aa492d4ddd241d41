// The editor's menu bar. Entries whose window or behaviour has not been
// built yet stay disabled rather than pretending to work.
#include "editor/editorwindow.h"

#include "platform/dialogs.h"
#include "session/session.h"

#include <QActionGroup>
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

void EditorWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->addMenu(createFileMenu());
    bar->addMenu(createExtrasMenu());

    QMenu *colours = addMenu(bar, QStringLiteral("colourMenu"), QStringLiteral("Farbauswahl"));
    m_soundColoursEntry = addEntry(colours, QStringLiteral("soundColoursEntry"), QStringLiteral("L a u t e"));
    connect(m_soundColoursEntry, &QAction::triggered, this, &EditorWindow::openSoundColours);
    m_syllableColoursEntry = addEntry(colours, QStringLiteral("syllableColoursEntry"), QStringLiteral("S i l b e n"));
    connect(m_syllableColoursEntry, &QAction::triggered, this, &EditorWindow::openSyllableColours);

    QMenu *training = addMenu(bar, QStringLiteral("trainingMenu"), QStringLiteral("Lesetraining"));
    m_soundTrainerEntry = addEntry(training, QStringLiteral("soundTrainerEntry"), QStringLiteral("L a u t e"));
    connect(m_soundTrainerEntry, &QAction::triggered, this, &EditorWindow::openSoundTrainer);
    m_syllableTrainerEntry = addEntry(training, QStringLiteral("syllableTrainerEntry"), QStringLiteral("S i l b e n"));
    connect(m_syllableTrainerEntry, &QAction::triggered, this, &EditorWindow::openSyllableTrainer);

    bar->addMenu(createSeparatorMenu());

    QMenu *help = addMenu(bar, QStringLiteral("helpMenu"), QStringLiteral("?"));
    QAction *manual = addEntry(help, QStringLiteral("manualEntry"), QStringLiteral("Anleitung"));
    connect(manual, &QAction::triggered, this, &EditorWindow::showHelpText);
    m_aboutEntry = addEntry(help, QStringLiteral("aboutEntry"), QStringLiteral("Copyright"));
    connect(m_aboutEntry, &QAction::triggered, this, &EditorWindow::openAbout);

    updateHookedEntries();
}

QMenu *EditorWindow::createFileMenu()
{
    auto *menu = new QMenu(QStringLiteral("Datei"), this);
    menu->setObjectName(QStringLiteral("fileMenu"));
    QAction *newText = addEntry(menu, QStringLiteral("newTextEntry"), QStringLiteral("Neuer Text"));
    connect(newText, &QAction::triggered, this, &EditorWindow::newText);
    menu->addSeparator();
    QAction *print = addEntry(menu, QStringLiteral("printEntry"), QStringLiteral("Drucken"));
    connect(print, &QAction::triggered, this, &EditorWindow::printText);
    QMenu *save = menu->addMenu(QStringLiteral("Sichern"));
    save->setObjectName(QStringLiteral("saveMenu"));
    struct SaveEntry {
        const char *name;
        QString text;
        SaveKind kind;
    };
    const SaveEntry saveEntries[] = {
        {"saveRtfEntry", QStringLiteral("Als RTF-Datei ..."), SaveKind::Rtf},
        {"saveTxtEntry", QStringLiteral("Als TXT-Datei ..."), SaveKind::Txt},
        {"savePlainEntry", QStringLiteral("Unformatiert  ..."), SaveKind::Unformatted},
        {"savePdfEntry", QStringLiteral("Als PDF-Datei ..."), SaveKind::Pdf},
    };
    for (const SaveEntry &entry : saveEntries) {
        const SaveKind kind = entry.kind;
        connect(addEntry(save, QString::fromLatin1(entry.name), entry.text), &QAction::triggered, this, [this, kind] {
            showNamingTip();
            saveText(kind);
        });
    }
    menu->addSeparator();
    QAction *quit = addEntry(menu, QStringLiteral("exitEntry"), QStringLiteral("Beenden"));
    connect(quit, &QAction::triggered, this, [this] { confirmExit(); });
    return menu;
}

QMenu *EditorWindow::createExtrasMenu()
{
    auto *menu = new QMenu(QStringLiteral("Extras"), this);
    menu->setObjectName(QStringLiteral("extrasMenu"));
    m_printerLockEntry = addEntry(menu, QStringLiteral("printerLockEntry"), QStringLiteral("Drucker sperren"));
    m_printerLockEntry->setCheckable(true);
    m_printerLockEntry->setChecked(m_session.printerLocked());
    connect(m_printerLockEntry, &QAction::toggled, this, [this](bool on) { m_session.setPrinterLocked(on); });
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
    return menu;
}

QMenu *EditorWindow::createSeparatorMenu()
{
    auto *menu = new QMenu(QStringLiteral("Trennzeichen"), this);
    menu->setObjectName(QStringLiteral("separatorMenu"));
    const QStringList separators{QStringLiteral("-"), QStringLiteral("="), QStringLiteral("~"), QStringLiteral("/")};
    const QStringList separatorNames{QStringLiteral("separatorHyphenEntry"), QStringLiteral("separatorEqualsEntry"),
                                     QStringLiteral("separatorTildeEntry"), QStringLiteral("separatorSlashEntry")};
    for (int i = 0; i < separators.size(); ++i) {
        const QString separator = separators[i];
        QAction *entry = addEntry(menu, separatorNames[i], QStringLiteral("Taste ") + separator);
        entry->setCheckable(true);
        entry->setChecked(i == 0);
        // The check marks follow the separator, never the click alone.
        connect(entry, &QAction::triggered, this, [this, separator] { chooseSeparator(separator); });
        m_separatorEntries.append(entry);
    }
    menu->addSeparator();

    QMenu *colours = menu->addMenu(QStringLiteral("Farbwahl"));
    colours->setObjectName(QStringLiteral("separatorColourMenu"));
    struct Choice {
        const char *name;
        QString text;
        textcore::Colour colour;
    };
    const Choice choices[] = {
        {"colourBlueEntry", QStringLiteral("blau"), textcore::rgb(0, 0, 255)},
        {"colourCyanEntry", QStringLiteral("cyan"), textcore::rgb(0, 255, 255)},
        {"colourGreyEntry", QStringLiteral("grau"), textcore::rgb(128, 128, 128)},
        {"colourGreenEntry", QStringLiteral("grün"), textcore::rgb(0, 255, 0)},
        {"colourRedEntry", QStringLiteral("r o t"), textcore::rgb(255, 0, 0)},
        {"colourBlackEntry", QStringLiteral("schwarz"), textcore::rgb(0, 0, 0)},
    };
    for (const Choice &choice : choices) {
        QAction *entry = addEntry(colours, QString::fromLatin1(choice.name), choice.text);
        entry->setCheckable(true);
        entry->setChecked(choice.colour == m_session.separator().colour);
        entry->setData(QVariant::fromValue(choice.colour));
        const textcore::Colour colour = choice.colour;
        connect(entry, &QAction::triggered, this, [this, colour] { chooseSeparatorColour(colour); });
        m_separatorColourEntries.append(entry);
    }
    menu->addSeparator();
    QAction *replace = addEntry(menu, QStringLiteral("replaceSeparatorEntry"), QStringLiteral("Ersetzen"));
    connect(replace, &QAction::triggered, this, &EditorWindow::replaceBySeparator);
    menu->addSeparator();
    connect(addEntry(menu, QStringLiteral("autoSyllablesEntry"), QStringLiteral("Silben automatisch setzen")),
            &QAction::triggered, this, &EditorWindow::setSyllablesAutomatically);
    connect(addEntry(menu, QStringLiteral("rememberExceptionEntry"), QStringLiteral("Als Ausnahme merken")),
            &QAction::triggered, this, &EditorWindow::rememberException);
    return menu;
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
