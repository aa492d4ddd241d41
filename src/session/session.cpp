#include "session/session.h"

#include "textcore/settings.h"

#include <filesystem>
#include <system_error>

namespace session {

namespace {

// Answers nothing, so that a window built before the wiring (or in a test
// that does not care) can still ask.
class NoRequests : public Requests {
public:
    void showEditor(std::optional<QPoint>) override {}
    QStringList listedFileNames() const override { return {}; }
    void refreshFileList() override {}
    bool loadRtfIntoWorkingText(const QString &) override { return false; }
    void setReadingFieldsFont(const QString &) override {}
};

NoRequests g_noRequests;

std::filesystem::path settingsPath(const QString &folder)
{
    return std::filesystem::path((folder + QStringLiteral("KOLORAT.INI")).toStdU16String());
}

} // namespace

Session::Session(const QString &folder) : m_folder(folder), m_requests(&g_noRequests)
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

void Session::setRequests(Requests *requests)
{
    m_requests = requests ? requests : &g_noRequests;
}

bool Session::readSettings()
{
    textcore::Settings current;
    current.soundColours = m_sound.colours;
    current.specialGroupsText = m_sound.specialGroupsText;
    current.syllableColours = m_syllables.colours;
    current.separator = m_separator.mark.toStdU16String();
    for (const QString &font : std::as_const(m_fonts.names))
        current.offeredFonts.push_back(font.toStdU16String());

    const std::filesystem::path path = settingsPath(m_folder);
    const textcore::SettingsReadResult read = textcore::ReadSettings(path);
    // What was not taken over would be gone after the exit writes the file;
    // the file is kept aside before that first write.
    std::error_code ignored;
    m_settingsToKeep = !read.takenOverWhole() && std::filesystem::exists(path, ignored);
    textcore::ApplyReadSettings(read, current);

    m_sound.colours = current.soundColours;
    m_sound.specialGroupsText = current.specialGroupsText;
    m_syllables.colours = current.syllableColours;
    m_separator.mark = QString::fromStdU16String(current.separator);
    // A file edited by hand may hold the fonts unsorted, twice, or the
    // fixed ones; the list's own rules keep what the font window shows and
    // writes back in order.
    m_fonts.clear();
    for (const std::u16string &font : current.offeredFonts)
        m_fonts.add(QString::fromStdU16String(font));
    return !read.failed;
}

SettingsWrite Session::writeSettings()
{
    textcore::Settings settings;
    settings.soundColours = m_sound.colours;
    settings.specialGroupsText = m_sound.specialGroupsText;
    settings.syllableColours = m_syllables.colours;
    settings.separator = m_separator.mark.toStdU16String();
    for (const QString &font : std::as_const(m_fonts.names))
        settings.offeredFonts.push_back(font.toStdU16String());
    const std::filesystem::path path = settingsPath(m_folder);
    if (m_settingsToKeep) {
        if (!textcore::BackUpSettings(path))
            return SettingsWrite::NotKeptAside;
        m_settingsToKeep = false;
    }
    return textcore::WriteSettings(path, settings) ? SettingsWrite::Written : SettingsWrite::NotWritten;
}

} // namespace session
