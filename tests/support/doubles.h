#pragma once
// The test doubles of the services a window is handed: each records what it
// was asked and answers as the test says.
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/qtcolour.h"
#include "platform/speechengine.h"
#include "platform/timers.h"
#include "session/requests.h"
#include "support/windowdump.h"

#include <QDebug>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <deque>
#include <initializer_list>
#include <optional>
#include <utility>
#include <variant>

namespace testsupport {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
// A button of a message box, or what is typed into an input box (empty: Cancel).
using Reply = std::variant<Answer, QString>;

struct DialogCall {
    enum class Kind {
        Message,
        Input
    } kind = Kind::Message;
    QString title, prompt, proposed; // the prompt exactly as passed, CRs included
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok; // the effective default (No for Yes/No unless Yes)
    Reply answer;
    bool unexpected = false;
};

// Test double for Dialogs: records every box as the window asked for it and
// answers from a script the test queued. A box the script did not expect
// (empty queue, the wrong kind of answer, a button the box does not have) is
// marked unexpected, warned about, and answered safely: its default button,
// or Cancel for an input box.
class ScriptedDialogs : public platform::Dialogs {
public:
    void queue(std::initializer_list<Reply> replies) { m_script.insert(m_script.end(), replies); }
    void queueAnswer(Answer answer) { m_script.emplace_back(answer); }
    void queueInput(const QString &typed) { m_script.emplace_back(typed); }

    Answer message(const platform::MessageRequest &request) override
    {
        DialogCall call;
        call.title = request.title;
        call.prompt = request.prompt;
        call.buttons = request.buttons;
        call.icon = request.icon;
        call.defaultButton = platform::effectiveDefault(request);
        const Answer *scripted = next<Answer>();
        // An OK box cannot say Yes or No; a Yes/No box cannot say OK.
        call.unexpected = !scripted || (request.buttons == Buttons::Ok) != (*scripted == Answer::Ok);
        call.answer = call.unexpected ? call.defaultButton : *scripted;
        return std::get<Answer>(record(call, scripted));
    }
    QString input(const QString &prompt, const QString &title, const QString &proposed) override
    {
        const QString *typed = next<QString>();
        return std::get<QString>(record(
            {DialogCall::Kind::Input, title, prompt, proposed, {}, {}, {}, typed ? *typed : QString(), !typed}, typed));
    }

    const QList<DialogCall> &calls() const { return m_calls; }
    const DialogCall &lastCall() const { return m_calls.constLast(); }
    int unexpectedCalls() const
    {
        return int(std::count_if(m_calls.begin(), m_calls.end(), [](const DialogCall &c) { return c.unexpected; }));
    }
    // True when every queued answer was used and no box came unexpected.
    bool verifyAllAnswered() const { return m_script.empty() && unexpectedCalls() == 0; }
    void clear() { *this = ScriptedDialogs(); }

private:
    template<typename T>
    const T *next() const
    {
        return m_script.empty() ? nullptr : std::get_if<T>(&m_script.front());
    }
    const Reply &record(const DialogCall &call, const void *usedScript)
    {
        if (call.unexpected)
            qWarning().noquote() << "ScriptedDialogs: unexpected box" << call.title << "/" << call.prompt;
        if (usedScript)
            m_script.pop_front();
        m_calls.append(call);
        return m_calls.constLast().answer;
    }

    std::deque<Reply> m_script;
    QList<DialogCall> m_calls;
};

// Test double for Timers: keeps every armed delay until the test fires it.
class ManualTimers : public platform::Timers {
public:
    void singleShot(int milliseconds, QObject *context, std::function<void()> action) override
    {
        m_pending.append({milliseconds, context, context != nullptr, std::move(action)});
    }

    // The delays armed and not yet fired, in the order they were armed.
    QList<int> pendingDelays() const
    {
        QList<int> delays;
        for (const Pending &pending : m_pending)
            delays.append(pending.milliseconds);
        return delays;
    }
    // Fires every pending delay whose context still lives, in the order
    // armed, also those armed while firing. Returns how many ran.
    int fireAll()
    {
        int fired = 0;
        while (!m_pending.isEmpty()) {
            const Pending next = m_pending.takeFirst();
            if (next.hadContext && !next.context)
                continue;
            next.action();
            ++fired;
        }
        return fired;
    }

private:
    struct Pending {
        int milliseconds;
        QPointer<QObject> context;
        bool hadContext;
        std::function<void()> action;
    };
    QList<Pending> m_pending;
};

// Test double for Clipboard: writes every text set down, exactly as given.
class RecordingClipboard : public platform::Clipboard {
public:
    QStringList texts;

    void clear() override { texts << QString(); }
    void setText(const QString &text) override { texts << text; }
};

// Test double for Printer: writes every call down as one line of `log`.
class RecordingPrinter : public platform::Printer {
public:
    QStringList log;

    bool available() const override { return true; }
    bool printDocument(const QTextDocument &document) override
    {
        log << QStringLiteral("print document ") + quoted(document.toRawText());
        return true;
    }
    void setPosition(int x, int y) override { m_position = QPoint(x, y); }
    QPoint position() const override { return m_position; }
    void setFont(const QString &name, qreal points) override
    {
        m_font = QStringLiteral("%1 %2").arg(name).arg(points > 0 ? points : m_size);
        m_size = points > 0 ? points : m_size;
    }
    // One line each; a line is 1.2 times the font size here (a point is 20
    // twips): enough to see that lines go downwards and start at x = 0.
    void printText(const QString &text) override
    {
        for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
            log << QStringLiteral("print at %1,%2 %3 ").arg(m_position.x()).arg(m_position.y()).arg(m_font)
                    + quoted(line);
            m_position = QPoint(0, m_position.y() + int(std::lround(m_size * 24)));
        }
    }
    void drawBox(const QRect &r, textcore::Colour colour, bool filled) override
    {
        log << QString::asprintf("print %s box %d,%d %dx%d %s", filled ? "filled" : "outlined", r.x(), r.y(), r.width(),
                                 r.height(), qPrintable(platform::toQColor(colour).name()));
    }
    bool endDocument() override
    {
        log << QStringLiteral("print end");
        m_position = QPoint();
        return true;
    }

private:
    QPoint m_position;
    qreal m_size = 10;
    QString m_font = QStringLiteral("Arial 10");
};

// A stand-in for the program as the small windows see it: it records what a
// window asks. Requests these windows have no business making are counted,
// so a test can insist there were none.
class RecordingRequests : public session::Requests {
public:
    QStringList fontsApplied;
    QList<std::optional<QPoint>> showings;
    mutable int otherCalls = 0;

    void showEditor(std::optional<QPoint> topLeft) override { showings.append(topLeft); }
    void setReadingFieldsFont(const QString &fontName) override { fontsApplied.append(fontName); }
    QStringList listedFileNames() const override
    {
        ++otherCalls;
        return {};
    }
    void refreshFileList() override { ++otherCalls; }
    bool loadRtfIntoWorkingText(const QString &) override
    {
        ++otherCalls;
        return false;
    }
};

// A speech engine that says nothing: it records what it was asked to speak
// and reports words or a failure when the test says so.
class FakeSpeechEngine : public platform::SpeechEngine {
public:
    struct Request {
        std::u16string text;
        bool phonemes = false;
    };
    QList<Request> requests;
    int stops = 0;

    void speak(const std::u16string &text, bool phonemes) override
    {
        stop();
        requests.append({text, phonemes});
        speaking_ = true;
    }
    void stop() override
    {
        if (std::exchange(speaking_, false))
            ++stops, emit finished();
    }
    bool isSpeaking() const override { return speaking_; }

    // The engine's side, played by the test.
    void hear(qsizetype start, qsizetype length) { emit wordStarted(start, length); }
    void fail(platform::SpeechFailure failure) { speaking_ = false, emit failed(failure); }

private:
    bool speaking_ = false;
};

} // namespace testsupport
