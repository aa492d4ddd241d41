#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

QString clipboardText(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

void QtClipboard::clear()
{
    if (QClipboard *board = QGuiApplication::clipboard())
        board->clear();
}

void QtClipboard::setText(const QString &text)
{
    if (QClipboard *board = QGuiApplication::clipboard())
        board->setText(clipboardText(text));
}

} // namespace platform
