#pragma once
// Test double for Dialogs: records every box exactly as the window asked for
// it and answers from a script queued by the test. A box the script did not
// expect (empty queue, or a message where an input was queued and vice
// versa) is recorded as unexpected, warned about with qWarning, and answered
// safely (the box's default button, or Cancel for an input box); the test
// checks unexpectedCalls() or calls verifyAllAnswered().
#include "platform/dialogs.h"

#include <QList>
#include <QString>

#include <deque>
#include <variant>

namespace testsupport {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

struct DialogCall {
    enum class Kind {
        Message,
        Input
    };
    Kind kind = Kind::Message;
    QString title;
    QString prompt; // exactly as passed, CRs included
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok; // the effective default (No for Yes/No unless Yes)
    QString proposed;                  // input boxes only
    bool unexpected = false;
    // What the double answered.
    Answer answer = Answer::Ok;
    QString inputAnswer;
};

class ScriptedDialogs : public platform::Dialogs {
public:
    // Queue the answer to the next message box (Ok, Yes or No).
    void queueAnswer(Answer answer);
    // Queue what the user types into the next input box; an empty string
    // stands for Cancel.
    void queueInput(const QString &typed);

    Answer message(const platform::MessageRequest &request) override;
    QString input(const QString &prompt, const QString &title, const QString &proposed) override;

    const QList<DialogCall> &calls() const { return m_calls; }
    const DialogCall &lastCall() const { return m_calls.constLast(); }
    int unexpectedCalls() const;
    int pendingAnswers() const { return int(m_script.size()); }
    // True when every queued answer was used and no box came unexpected.
    bool verifyAllAnswered() const { return m_script.empty() && unexpectedCalls() == 0; }
    void clear();

private:
    using Scripted = std::variant<Answer, QString>;
    std::deque<Scripted> m_script;
    QList<DialogCall> m_calls;
};

} // namespace testsupport
