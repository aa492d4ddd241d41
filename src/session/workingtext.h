#pragma once
// The working text as every window but the editor may use it: read it,
// colour it, read its sentence list. The text itself lives in the editor's
// field, which the editor attaches at its creation; no other window gets
// hold of that field.
#include "textcore/colour.h"

#include <QString>

#include <string>
#include <vector>

namespace platform {
class RichTextField;
}

namespace session {

class WorkingText {
public:
    // The field that holds the text from now on (the editor's, or a test's).
    void attach(platform::RichTextField &field) { m_field = &field; }
    void detach() { m_field = nullptr; }

    // The whole text, line breaks "\r\n"; empty while no field is attached.
    QString text() const;

    // One colour per position of text(), applied in one undo step, every
    // other formatting kept.
    void applyColours(const std::vector<textcore::Colour> &perPosition);

    // The sentence list of the text as the editor last handed it over.
    const std::vector<std::u16string> &sentenceList() const { return m_sentences; }
    // Builds the sentence list from the text as it stands now.
    void buildSentenceList();
    void setSentenceList(std::vector<std::u16string> sentences) { m_sentences = std::move(sentences); }

private:
    platform::RichTextField *m_field = nullptr;
    std::vector<std::u16string> m_sentences;
};

} // namespace session
