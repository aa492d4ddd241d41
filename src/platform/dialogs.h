#pragma once
// Modal questions and messages. Windows talk to the user only through this
// interface, so their tests can script the answers (ScriptedDialogs) while
// the program shows real boxes (QtDialogs).
#include <QString>

class QWidget;

namespace platform {

enum class Buttons {
    Ok,
    YesNo
};
enum class Icon {
    None,
    Question,
    Information,
    Exclamation,
    Critical
};
enum class Answer {
    Ok,
    Yes,
    No
};

// One message box. Lines of the prompt are joined with CR ("\r"); CR LF
// and LF work as well. Prompts may end in one or two CR, shown as empty lines.
struct MessageRequest {
    QString prompt;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // Ok for an OK box. For Yes/No an unset default means No, the safe answer.
    Answer defaultButton = Answer::Ok;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the box and waits. Returns Ok for an OK box, Yes or No otherwise;
    // closing a Yes/No box without choosing counts as No.
    virtual Answer message(const MessageRequest &request) = 0;

    // One-line input box with a proposed answer. Returns what the user typed;
    // Cancel or closing the box returns an empty string.
    virtual QString input(const QString &prompt, const QString &title, const QString &proposed) = 0;

    // Yes/No question with the question icon; No is the default button
    // unless the caller says otherwise. Returns true for Yes.
    bool ask(const QString &prompt, const QString &title, Answer defaultButton = Answer::No);

    // OK box with the given icon (none by default).
    void inform(const QString &prompt, const QString &title, Icon icon = Icon::None);
};

// The prompt as the box shows it: every CR LF, lone CR or lone LF becomes one
// line break ("\n"), so "A\rB\r\r" gives "A\nB\n\n".
QString promptLines(const QString &prompt);

// The effective default of a request: No for Yes/No boxes whose default is
// not Yes, Ok for OK boxes.
Answer effectiveDefault(const MessageRequest &request);

// The real boxes: QMessageBox and QInputDialog, modal over `parent` (may be
// null). Button captions come from Qt's translation (installGermanTranslation).
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr);
    void setParent(QWidget *parent);

    Answer message(const MessageRequest &request) override;
    QString input(const QString &prompt, const QString &title, const QString &proposed) override;

private:
    QWidget *m_parent;
};

} // namespace platform
