#pragma once
// The syllable separators of the working text: shown or hidden, which mark
// and which colour, replacing a typed mark by the separator, and click mode,
// in which a click into the text sets a separator there. Owns the two
// buttons' behaviour and the check marks of the "Trennzeichen" menu.
#include "textcore/colour.h"

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace platform {
class Dialogs;
class RichTextField;
} // namespace platform
namespace session {
class Session;
}

namespace editor {

class Separators : public QObject {
    Q_OBJECT
public:
    Separators(platform::RichTextField &field, session::Session &session, platform::Dialogs &dialogs,
               QPushButton &separatorButton, QToolButton &clickModeButton, QObject *parent = nullptr);

    // The separator entries, their colours and "Ersetzen".
    void addEntries(QMenu *menu);
    // Puts the check marks where the session's separator says, after the
    // settings were read; `readFailed` checks "Taste -" alone.
    void markEntries(bool readFailed);

    bool visible() const { return m_visible; }
    bool clickMode() const { return m_clickMode; }

    // Brings every boundary into the hand-over form: soft hyphens in the
    // separator colour.
    void prepareHandOver();
    // Every boundary becomes a soft hyphen and the button offers to show
    // them again, whatever the display was.
    void hide();
    // Marks set by the editor itself take this character.
    char16_t currentMark() const;

public slots:
    void toggleSeparators();
    void chooseSeparator(const QString &separator);
    void chooseSeparatorColour(textcore::Colour colour);
    void replaceBySeparator();
    void toggleClickMode();

signals:
    void info(const QString &text);

private:
    // Converts every boundary to `target` in the separator colour; returns
    // how many boundaries the text held.
    int convertBoundaries(char16_t target, bool restoreTypingColour);
    void showSeparators();
    void hideSeparators();
    void applySeparator();
    void onTextClick();

    platform::RichTextField &m_field;
    session::Session &m_session;
    platform::Dialogs &m_dialogs;
    QPushButton &m_separatorButton;
    QToolButton &m_clickModeButton;
    bool m_visible = false;
    bool m_clickMode = false;
    QList<QAction *> m_separatorEntries;       // "Taste -", "Taste =", "Taste ~", "Taste /"
    QList<QAction *> m_separatorColourEntries; // "blau" ... "schwarz"
};

// Types `text` into the focused control of `field`'s window, as keystrokes;
// into the field's caret when that window has no focus.
void typeLiteral(platform::RichTextField &field, const QString &text);

} // namespace editor
