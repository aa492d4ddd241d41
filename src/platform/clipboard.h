#pragma once
// The clipboard as the colour windows use it: clear it, put plain text on it.
#include <QString>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Plain text only; the text's line breaks are CR LF.
    virtual void setText(const QString &text) = 0;
};

// The system clipboard. Line breaks are stored as LF, the form every other
// program on this desktop pastes correctly.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;
};

// Test double: remembers the text exactly as given and counts the calls.
class RecordingClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;

    QString text() const { return m_text; }
    int clearCount() const { return m_clears; }
    int setCount() const { return m_sets; }

private:
    QString m_text;
    int m_clears = 0;
    int m_sets = 0;
};

// The text as the system clipboard receives it: CR LF and lone CR become LF.
QString clipboardText(const QString &text);

} // namespace platform
