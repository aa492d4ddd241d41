#include "session/workingtext.h"

#include "platform/richtextfield.h"
#include "textcore/sentences.h"

namespace session {

QString WorkingText::text() const
{
    return m_field ? m_field->text() : QString();
}

void WorkingText::applyColours(const std::vector<textcore::Colour> &perPosition)
{
    if (m_field)
        m_field->applyColours(perPosition);
}

void WorkingText::buildSentenceList()
{
    m_sentences = textcore::BuildSentenceList(text().toStdU16String());
}

} // namespace session
