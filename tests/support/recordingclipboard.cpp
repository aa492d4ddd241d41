#include "support/recordingclipboard.h"

namespace testsupport {

void RecordingClipboard::clear()
{
    m_text.clear();
    ++m_clears;
}

void RecordingClipboard::setText(const QString &text)
{
    m_text = text;
    ++m_sets;
}

} // namespace testsupport
