#pragma once
// Test double for Clipboard: remembers the text exactly as given.
#include "platform/clipboard.h"

#include <QString>

namespace testsupport {

class RecordingClipboard : public platform::Clipboard {
public:
    void clear() override
    {
        m_text.clear();
        ++m_clears;
    }
    void setText(const QString &text) override
    {
        m_text = text;
        ++m_sets;
    }

    QString text() const { return m_text; }
    int clearCount() const { return m_clears; }
    int setCount() const { return m_sets; }

private:
    QString m_text;
    int m_clears = 0;
    int m_sets = 0;
};

} // namespace testsupport
