#include "platform/styledtextdump.h"

#include "platform/documentfiles.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace platform {

QByteArray dumpStyledText(const StyledText &text)
{
    QByteArray out;
    out += QJsonDocument(QJsonObject{{QStringLiteral("text"), plainTextOf(text)}}).toJson(QJsonDocument::Compact);
    out += '\n';
    qsizetype start = 0;
    for (const StyledRun &run : text) {
        const QJsonObject line{
            {QStringLiteral("start"), start},
            {QStringLiteral("length"), run.text.size()},
            {QStringLiteral("text"), run.text},
            {QStringLiteral("colour"), static_cast<qint64>(run.format.colour)},
            {QStringLiteral("font"), run.format.fontName},
            {QStringLiteral("size"), run.format.pointSize},
            {QStringLiteral("bold"), run.format.bold},
            {QStringLiteral("italic"), run.format.italic},
        };
        out += QJsonDocument(line).toJson(QJsonDocument::Compact);
        out += '\n';
        start += run.text.size();
    }
    return out;
}

} // namespace platform
