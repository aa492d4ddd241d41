#include "editor/support/editorharness.h"

#include "platform/filelistbox.h"
#include "platform/richtextfield.h"
#include "support/widgetlookup.h"

#include <QFile>
#include <QTest>

EditorHarness::EditorHarness() = default;
EditorHarness::~EditorHarness()
{
    m_window.reset();
}

void EditorHarness::copyData(const QString &dataName, const QString &targetName)
{
    QFile::copy(QStringLiteral(KOLORAT_TEST_DATA "/editor/") + dataName, m_dir.filePath(targetName));
}

void EditorHarness::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray EditorHarness::readFile(const QString &name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString EditorHarness::folder() const
{
    return m_dir.path();
}

void EditorHarness::create()
{
    m_session = std::make_unique<session::Session>(m_dir.path());
    m_window = std::make_unique<editor::EditorWindow>(*m_session, dialogs);
    window().setEndProgram([this] { ++programEnds; });
}

void EditorHarness::start(bool expectSettingsError)
{
    create();
    if (expectSettingsError)
        dialogs.queueAnswer(platform::Answer::Ok);
    window().startUpTimer().stop();
    window().startUpStep();
}

void EditorHarness::setPrinter(std::unique_ptr<platform::Printer> printer)
{
    m_printer = std::move(printer);
    window().setPrinter(m_printer.get());
}

platform::RichTextField &EditorHarness::field()
{
    return *testsupport::child<platform::RichTextField>(window(), "RichTextBox1");
}

void EditorHarness::setText(const QString &text)
{
    field().setText(text);
}

bool EditorHarness::clickFile(const QString &name)
{
    platform::FileListBox &files = window().fileBrowser();
    const int index = files.fileNames().indexOf(name);
    if (index < 0)
        return false;
    files.setSelectedIndex(index);
    return true;
}

std::vector<platform::CharFormat> formatsPerPosition(const platform::RichTextField &field)
{
    std::vector<platform::CharFormat> formats;
    for (const platform::StyledRun &run : field.styledText())
        formats.insert(formats.end(), std::size_t(run.text.size()), run.format);
    return formats;
}

QString softHyphen()
{
    return QString(QChar(0x00AD));
}

bool isSeparatorMark(QChar c)
{
    return QStringLiteral("-=~/").contains(c) || c == QChar(0x00AD);
}
