// KOLORAT.INI: read into the session at start-up, written back from it on a
// confirmed exit; the editor tells the user when either fails.
#include "editor/editorwindow.h"

#include "editor/separators.h"

#include "platform/dialogs.h"
#include "session/session.h"

namespace editor {

void EditorWindow::readSettings()
{
    const bool read = m_session.readSettings();
    // The fixed fonts stay even after a failure: the welcome text takes the
    // first entry of this list.
    m_editorFonts = m_session.fonts().fontListEntries();

    if (!read) {
        m_dialogs.inform(QStringLiteral("Datei ''KOLORAT.INI'' fehlt\roder ist fehlerhaft. Die\rDatei wird nicht "
                                        "geladen!\r"),
                         QStringLiteral("Dateifehler"));
        m_separators->markEntries(true);
        return;
    }
    m_separators->markEntries(false);
}

void EditorWindow::writeSettings()
{
    switch (m_session.writeSettings()) {
    case session::SettingsWrite::Written: return;
    case session::SettingsWrite::NotKeptAside:
        m_dialogs.inform(QStringLiteral("Die Datei ''KOLORAT.INI'' konnte nicht vollständig gelesen und\r"
                                        "nicht als ''KOLORAT.INI.BAK'' aufbewahrt werden. Sie bleibt, wie\r"
                                        "sie ist; die Einstellungen dieser Sitzung gehen verloren.\r"),
                         QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
        return;
    case session::SettingsWrite::NotWritten:
        m_dialogs.inform(QStringLiteral("Die Datei ''KOLORAT.INI'' konnte nicht geschrieben werden.\r"
                                        "Die Einstellungen dieser Sitzung gehen verloren.\r"),
                         QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
        return;
    }
}

} // namespace editor
