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

// The text as the system clipboard receives it: CR LF and lone CR become LF.
QString clipboardText(const QString &text);

} // namespace platform
