#include "support/dialogtranscript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace testsupport {

namespace {

QString shown(QString text)
{
    return QLatin1Char('"') + text.replace(QLatin1Char('\r'), QStringLiteral("\\r")) + QLatin1Char('"');
}

QString answerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QStringLiteral("Ok");
    case Answer::Yes: return QStringLiteral("Yes");
    case Answer::No: break;
    }
    return QStringLiteral("No");
}

QString iconName(Icon icon)
{
    const char *names[] = {"no icon", "question", "information", "exclamation", "critical"};
    return QString::fromLatin1(names[int(icon)]);
}

} // namespace

QString dialogTranscript(const QList<DialogCall> &calls)
{
    QString text;
    for (const DialogCall &call : calls) {
        if (call.kind == DialogCall::Kind::Input)
            text += QStringLiteral("input [%1] %2 proposing %3 -> %4")
                        .arg(call.title, shown(call.prompt), shown(call.proposed), shown(call.inputAnswer));
        else
            text += QStringLiteral("%1 [%2] %3, %4 -> %5")
                        .arg(call.buttons == Buttons::Ok
                                 ? QStringLiteral("ok")
                                 : QStringLiteral("yes/no default ") + answerName(call.defaultButton),
                             call.title, shown(call.prompt), iconName(call.icon), answerName(call.answer));
        text += call.unexpected ? QStringLiteral(" UNEXPECTED\n") : QStringLiteral("\n");
    }
    return text;
}

bool matchesDataFile(const QString &text, const QString &name, QString *difference)
{
    const QString path = QStringLiteral(KOLORAT_TEST_DATA "/") + name + QStringLiteral(".txt");
    if (qEnvironmentVariableIsSet("KOLORAT_REGENERATE")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit())
            return true;
        *difference = QStringLiteral("cannot write ") + path;
        return false;
    }
    QFile file(path);
    const QStringList expected = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n')
                                                                : QStringList{QStringLiteral("<no file %1>").arg(path)};
    const QStringList actual = text.split(u'\n');
    for (qsizetype i = 0; i < qMax(expected.size(), actual.size()); ++i) {
        if (expected.value(i, QStringLiteral("<end>")) != actual.value(i, QStringLiteral("<end>"))) {
            *difference
                = QStringLiteral("%1:%2\n  expected: %3\n  actual:   %4")
                      .arg(path)
                      .arg(i + 1)
                      .arg(expected.value(i, QStringLiteral("<end>")), actual.value(i, QStringLiteral("<end>")));
            return false;
        }
    }
    return true;
}

} // namespace testsupport
