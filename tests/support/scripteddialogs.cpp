#include "support/scripteddialogs.h"

#include <QDebug>

namespace testsupport {

void ScriptedDialogs::queueAnswer(Answer answer)
{
    m_script.emplace_back(answer);
}

void ScriptedDialogs::queueInput(const QString &typed)
{
    m_script.emplace_back(typed);
}

Answer ScriptedDialogs::message(const platform::MessageRequest &request)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Message;
    call.title = request.title;
    call.prompt = request.prompt;
    call.buttons = request.buttons;
    call.icon = request.icon;
    call.defaultButton = platform::effectiveDefault(request);

    const bool scripted = !m_script.empty() && std::holds_alternative<Answer>(m_script.front());
    Answer answer = call.defaultButton;
    if (scripted) {
        answer = std::get<Answer>(m_script.front());
        m_script.pop_front();
        // An OK box cannot say Yes or No; a Yes/No box cannot say OK.
        const bool fits = (request.buttons == Buttons::Ok) == (answer == Answer::Ok);
        if (!fits) {
            call.unexpected = true;
            qWarning().noquote() << "ScriptedDialogs: scripted answer does not fit the buttons of" << request.title
                                 << "/" << request.prompt;
            answer = call.defaultButton;
        }
    } else {
        call.unexpected = true;
        qWarning().noquote() << "ScriptedDialogs: unexpected message box" << request.title << "/" << request.prompt;
    }
    call.answer = answer;
    m_calls.append(call);
    return answer;
}

QString ScriptedDialogs::input(const QString &prompt, const QString &title, const QString &proposed)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Input;
    call.title = title;
    call.prompt = prompt;
    call.proposed = proposed;

    if (!m_script.empty() && std::holds_alternative<QString>(m_script.front())) {
        call.inputAnswer = std::get<QString>(m_script.front());
        m_script.pop_front();
    } else {
        call.unexpected = true;
        qWarning().noquote() << "ScriptedDialogs: unexpected input box" << title << "/" << prompt;
    }
    m_calls.append(call);
    return call.inputAnswer;
}

int ScriptedDialogs::unexpectedCalls() const
{
    int count = 0;
    for (const DialogCall &call : m_calls)
        count += call.unexpected ? 1 : 0;
    return count;
}

void ScriptedDialogs::clear()
{
    m_script.clear();
    m_calls.clear();
}

} // namespace testsupport
