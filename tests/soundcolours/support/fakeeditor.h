#pragma once
// A stand-in for the program as the sound colour window sees it: owns a
// rich-text field as the WorkingText and a current folder, and records what
// the window asks.
#include "platform/richtextfield.h"
#include "session/requests.h"

#include <QList>
#include <QTemporaryDir>

#include <memory>

class FakeEditor : public session::Requests {
public:
    FakeEditor();

    QStringList listedFileNames() const override { return listed; }
    void refreshFileList() override { ++refreshCount; }
    bool loadRtfIntoWorkingText(const QString &path) override;
    void showEditor(std::optional<QPoint> topLeft) override { shownAt.append(topLeft); }
    void setReadingFieldsFont(const QString &fontName) override { readingFont = fontName; }

    std::unique_ptr<platform::RichTextField> field;
    QTemporaryDir folder;
    QStringList listed;
    int refreshCount = 0;
    QStringList loadedPaths;
    QList<std::optional<QPoint>> shownAt;
    QString readingFont;
};
