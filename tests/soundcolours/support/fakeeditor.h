#pragma once
// A stand-in for the editor window: owns a rich-text field as the
// WorkingText and records what the sound colour window asks of it.
#include "editor/editoraccess.h"
#include "platform/richtextfield.h"

#include <QList>
#include <QTemporaryDir>

#include <memory>

class FakeEditor : public editor::EditorAccess {
public:
    FakeEditor();

    platform::RichTextField &workingTextField() override { return *field; }
    std::vector<std::u16string> sentenceList() const override { return {}; }
    bool printerLocked() const override { return locked; }
    QString currentFolder() const override { return folder.path() + QLatin1Char('/'); }
    QStringList listedFileNames() const override { return listed; }
    void refreshFileList() override { ++refreshCount; }
    bool loadRtfIntoWorkingText(const QString &path) override;
    void showEditor(std::optional<QPoint> topLeft) override { shownAt.append(topLeft); }
    void setReadingFieldsFont(const QString &fontName) override { readingFont = fontName; }

    std::unique_ptr<platform::RichTextField> field;
    QTemporaryDir folder;
    bool locked = false;
    QStringList listed;
    int refreshCount = 0;
    QStringList loadedPaths;
    QList<std::optional<QPoint>> shownAt;
    QString readingFont;
};
