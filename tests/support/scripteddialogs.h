#pragma once
// Test double for Dialogs: records every box exactly as the window asked for
// it and answers from a script queued by the test. A box the script did not
// expect (empty queue, a message where an input was queued or the reverse,
// an answer that does not fit the buttons) is recorded as unexpected, warned
// about with qWarning, and answered safely (the box's default button, or
// Cancel for an input box); the test checks unexpectedCalls() or calls
// verifyAllAnswered().
#include "platform/dialogs.h"

#include <QDebug>
#include <QList>
#include <QString>

#include <algorithm>
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
    Answer answer = Answer::Ok; // what the double answered a message box
    QString inputAnswer;        // what it answered an input box
};

class ScriptedDialogs : public platform::Dialogs {
public:
    // The answer to the next message box (Ok, Yes or No).
    void queueAnswer(Answer answer) { m_script.emplace_back(answer); }
    // What the user types into the next input box; empty stands for Cancel.
    void queueInput(const QString &typed) { m_script.emplace_back(typed); }

    Answer message(const platform::MessageRequest &request) override
    {
        DialogCall call;
        call.title = request.title;
        call.prompt = request.prompt;
        call.buttons = request.buttons;
        call.icon = request.icon;
        call.defaultButton = platform::effectiveDefault(request);
        call.answer = call.defaultButton;
        const auto *scripted = m_script.empty() ? nullptr : std::get_if<Answer>(&m_script.front());
        // An OK box cannot say Yes or No; a Yes/No box cannot say OK.
        if (scripted && (request.buttons == Buttons::Ok) == (*scripted == Answer::Ok))
            call.answer = *scripted;
        else
            call.unexpected = true;
        if (scripted)
            m_script.pop_front();
        return record(call).answer;
    }
    QString input(const QString &prompt, const QString &title, const QString &proposed) override
    {
        DialogCall call;
        call.kind = DialogCall::Kind::Input;
        call.title = title;
        call.prompt = prompt;
        call.proposed = proposed;
        const auto *typed = m_script.empty() ? nullptr : std::get_if<QString>(&m_script.front());
        const QString answer = typed ? *typed : QString();
        call.unexpected = !typed;
        call.inputAnswer = answer;
        if (typed)
            m_script.pop_front();
        record(call);
        return answer;
    }

    const QList<DialogCall> &calls() const { return m_calls; }
    const DialogCall &lastCall() const { return m_calls.constLast(); }
    int unexpectedCalls() const
    {
        return int(std::count_if(m_calls.begin(), m_calls.end(), [](const DialogCall &c) { return c.unexpected; }));
    }
    // True when every queued answer was used and no box came unexpected.
    bool verifyAllAnswered() const { return m_script.empty() && unexpectedCalls() == 0; }
    void clear()
    {
        m_script.clear();
        m_calls.clear();
    }

private:
    const DialogCall &record(const DialogCall &call)
    {
        if (call.unexpected)
            qWarning().noquote() << "ScriptedDialogs: unexpected box" << call.title << "/" << call.prompt;
        m_calls.append(call);
        return m_calls.constLast();
    }

    std::deque<std::variant<Answer, QString>> m_script;
    QList<DialogCall> m_calls;
};

} // namespace testsupport
