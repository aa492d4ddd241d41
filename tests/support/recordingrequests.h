#pragma once
// A stand-in for the program as the small windows see it: it records what a
// window asks. Requests these windows have no business making are counted,
// so a test can insist there were none.
#include "session/requests.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace testsupport {

class RecordingRequests : public session::Requests {
public:
    QStringList fontsApplied;
    QList<std::optional<QPoint>> showings;
    mutable int otherCalls = 0;

    void showEditor(std::optional<QPoint> topLeft) override { showings.append(topLeft); }
    void setReadingFieldsFont(const QString &fontName) override { fontsApplied.append(fontName); }
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
};

} // namespace testsupport
