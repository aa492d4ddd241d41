#include "support/colourwindowfixture.h"

#include "platform/qtcolour.h"

namespace testsupport {

namespace {

QString quoted(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QChar(0xAD), QLatin1Char('|'));
    text.replace(QChar::ParagraphSeparator, QLatin1String("\\p"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

const char *answerName(platform::Answer answer)
{
    switch (answer) {
    case platform::Answer::Ok: return "Ok";
    case platform::Answer::Yes: return "Yes";
    case platform::Answer::No: return "No";
    }
    return "?";
}

QString dialogLine(const DialogCall &call)
{
    if (call.kind == DialogCall::Kind::Input)
        return QStringLiteral("input %1 %2 proposed %3 -> %4")
            .arg(quoted(call.title), quoted(call.prompt), quoted(call.proposed), quoted(call.inputAnswer));
    static const char *const icons[] = {"", " question", " information", " exclamation", " critical"};
    return QStringLiteral("box %1 %2 %3%4 default %5 -> %6")
        .arg(quoted(call.title), quoted(call.prompt),
             call.buttons == platform::Buttons::Ok ? QStringLiteral("Ok") : QStringLiteral("YesNo"))
        .arg(QLatin1String(icons[int(call.icon)]), QLatin1String(answerName(call.defaultButton)),
             QLatin1String(answerName(call.answer)));
}

QString printLine(const PrintCall &call)
{
    switch (call.kind) {
    case PrintCall::Kind::Document: return QStringLiteral("print document ") + quoted(call.text);
    case PrintCall::Kind::Text:
        return QStringLiteral("print at %1,%2 %3 %4 %5")
            .arg(call.position.x())
            .arg(call.position.y())
            .arg(call.fontName)
            .arg(call.fontSize)
            .arg(quoted(call.text));
    case PrintCall::Kind::Box:
        return QStringLiteral("print %1 box %2,%3 %4x%5 %6")
            .arg(call.filled ? QStringLiteral("filled") : QStringLiteral("outlined"))
            .arg(call.rect.x())
            .arg(call.rect.y())
            .arg(call.rect.width())
            .arg(call.rect.height())
            .arg(platform::toQColor(call.colour).name());
    case PrintCall::Kind::End: return QStringLiteral("print end");
    }
    return {};
}

} // namespace

bool FieldEditor::loadRtfIntoWorkingText(const QString &path)
{
    loaded.append(path);
    return field.loadFile(path, platform::FileKind::Rtf).ok();
}

QString marked(QString text)
{
    return text.replace(QLatin1Char('|'), QChar(0xAD));
}

QString Transcript::take(const ScriptedDialogs &dialogs, const RecordingPrinter &printer,
                         const RecordingClipboard &clipboard, const FieldEditor &editor, const QString &folder)
{
    QStringList lines;
    for (; m_dialogs < dialogs.calls().size(); ++m_dialogs)
        lines << dialogLine(dialogs.calls().at(m_dialogs));
    for (; m_prints < printer.calls().size(); ++m_prints)
        lines << printLine(printer.calls().at(m_prints));
    if (clipboard.setCount() != m_clipboardSets) {
        m_clipboardSets = clipboard.setCount();
        lines << QStringLiteral("clipboard ") + quoted(clipboard.text());
    }
    for (; m_loaded < editor.loaded.size(); ++m_loaded)
        lines << QStringLiteral("editor loads ")
                + QString(editor.loaded.at(m_loaded)).replace(folder, QStringLiteral("<folder>"));
    if (editor.refreshes != m_refreshes) {
        m_refreshes = editor.refreshes;
        lines << QStringLiteral("editor's file list refreshed");
    }
    for (; m_showings < editor.showings.size(); ++m_showings) {
        const std::optional<QPoint> at = editor.showings.at(m_showings);
        lines << (at ? QStringLiteral("editor shown at %1,%2").arg(at->x()).arg(at->y())
                     : QStringLiteral("editor shown in its place"));
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace testsupport
