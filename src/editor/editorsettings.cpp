// KOLORAT.INI: read into the holders at start-up, written back from them on
// a confirmed exit.
#include "editor/editorwindow.h"

#include "fonts/offeredfonts.h"
#include "platform/dialogs.h"
#include "soundcolours/soundcolourstate.h"
#include "syllables/syllablestate.h"
#include "textcore/settings.h"

#include <QAction>

#include <filesystem>

namespace editor {

namespace {

const QString kSettingsFileName = QStringLiteral("KOLORAT.INI");

// Line numbers of the settings file, counted from 1.
constexpr std::size_t kGroupsLine = 9;
constexpr std::size_t kFirstSyllableLine = 10;
constexpr std::size_t kSecondSyllableLine = 11;
constexpr std::size_t kSeparatorLine = 12;

std::filesystem::path settingsPath(const QString &folder)
{
    return std::filesystem::path((folder + kSettingsFileName).toStdU16String());
}

} // namespace

void EditorWindow::readSettings()
{
    const std::filesystem::path path = settingsPath(m_folder);
    const textcore::SettingsReadResult result = textcore::ReadSettings(path);
    // What was not taken over would be gone after the exit writes the file;
    // the file is kept aside before that first write.
    std::error_code ignored;
    m_settingsToKeep = !result.takenOverWhole() && std::filesystem::exists(path, ignored);
    const textcore::Settings &read = result.settings;
    const std::size_t lines = result.linesRead;

    // Only what was read replaces the current values; a broken file keeps
    // the rest as it was.
    for (std::size_t line = 1; line <= textcore::kSoundClassCount && line <= lines; ++line)
        m_settings.sound.colours.colours[line - 1] = read.soundColours.colours[line - 1];
    if (lines >= kGroupsLine)
        m_settings.sound.specialGroupsText = read.specialGroupsText;
    if (lines >= kFirstSyllableLine)
        m_settings.syllables.colours.first = read.syllableColours.first;
    if (lines >= kSecondSyllableLine)
        m_settings.syllables.colours.second = read.syllableColours.second;
    if (lines >= kSeparatorLine) {
        m_separator = QString::fromStdU16String(read.separator);
        // A file edited by hand may hold the fonts unsorted, twice, or the
        // fixed ones; the list's own rules keep what the font window shows
        // and writes back in order.
        m_settings.fonts.clear();
        for (const std::u16string &font : read.offeredFonts)
            m_settings.fonts.add(QString::fromStdU16String(font));
    }
    // The fixed fonts stay even after a failure: the welcome text takes the
    // first entry of this list.
    m_editorFonts = QStringList{QStringLiteral("Arial"), QStringLiteral("Verdana")} + m_settings.fonts.names;

    if (result.failed) {
        m_dialogs.inform(QStringLiteral("Datei ''KOLORAT.INI'' fehlt\roder ist fehlerhaft. Die\rDatei wird nicht "
                                        "geladen!\r"),
                         QStringLiteral("Dateifehler"));
        m_separatorEntries.first()->setChecked(true);
        return;
    }
    markSeparatorEntries();
}

void EditorWindow::writeSettings()
{
    textcore::Settings settings;
    settings.soundColours = m_settings.sound.colours;
    settings.specialGroupsText = m_settings.sound.specialGroupsText;
    settings.syllableColours = m_settings.syllables.colours;
    settings.separator = m_separator.toStdU16String();
    for (const QString &font : std::as_const(m_settings.fonts.names))
        settings.offeredFonts.push_back(font.toStdU16String());
    const std::filesystem::path path = settingsPath(m_folder);
    if (m_settingsToKeep) {
        if (!textcore::BackUpSettings(path)) {
            m_dialogs.inform(QStringLiteral("Die Datei ''KOLORAT.INI'' konnte nicht vollständig gelesen und\r"
                                            "nicht als ''KOLORAT.INI.BAK'' aufbewahrt werden. Sie bleibt, wie\r"
                                            "sie ist; die Einstellungen dieser Sitzung gehen verloren.\r"),
                             QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
            return;
        }
        m_settingsToKeep = false;
    }
    if (!textcore::WriteSettings(path, settings))
        m_dialogs.inform(QStringLiteral("Die Datei ''KOLORAT.INI'' konnte nicht geschrieben werden.\r"
                                        "Die Einstellungen dieser Sitzung gehen verloren.\r"),
                         QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
}

} // namespace editor
