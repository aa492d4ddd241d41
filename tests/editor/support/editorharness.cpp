#include "editor/support/editorharness.h"

#include "platform/filelistbox.h"
#include "platform/richtextfield.h"

#include <QFile>
#include <QTest>

EditorHarness::EditorHarness() = default;
EditorHarness::~EditorHarness() = default;

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
    m_program = std::make_unique<editor::Program>(dialogs, m_dir.path());
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

platform::RichTextField &EditorHarness::field()
{
    return window().workingTextField();
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
