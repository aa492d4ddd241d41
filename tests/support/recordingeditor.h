#pragma once
// A stand-in for the editor as the small windows see it: it records what a
// window asks of the editor. Calls these windows have no business making
// are counted, so a test can insist there were none.
#include "editor/editoraccess.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class RecordingEditor : public editor::EditorAccess {
public:
    QStringList fontsApplied;
    // What the trainers read when they open: the working text lives in a
    // field the test owns; without one the editor has no field to offer.
    platform::RichTextField *workingField = nullptr;
    std::vector<std::u16string> sentences;
    QList<std::optional<QPoint>> showings;
    mutable int otherCalls = 0;

    platform::RichTextField &workingTextField() override
    {
        if (!workingField)
            qFatal("RecordingEditor has no working text field");
        return *workingField;
    }
    std::vector<std::u16string> sentenceList() const override
    {
        ++otherCalls;
        return sentences;
    }
    bool printerLocked() const override
    {
        ++otherCalls;
        return false;
    }
    QString currentFolder() const override
    {
        ++otherCalls;
        return QString();
    }
    QStringList listedFileNames() const override
    {
        ++otherCalls;
        return {};
    }
    void refreshFileList() override { ++otherCalls; }
    bool loadRtfIntoWorkingText(const QString &) override
    {
        ++otherCalls;
        return false;
    }
    void showEditor(std::optional<QPoint> topLeft) override { showings.append(topLeft); }
    void setReadingFieldsFont(const QString &fontName) override { fontsApplied.append(fontName); }
};

} // namespace testsupport
