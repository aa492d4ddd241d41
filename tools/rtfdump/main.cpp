// Loads an RTF or TXT file through the same code the rich-text field uses and
// prints its plain text and runs as JSON lines; --save-rtf OUT writes the runs
// back through the RTF writer.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/styledtextdump.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

platform::FileKind kindOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return platform::FileKind::PlainText;
    if (path.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        return platform::FileKind::Rtf;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.read(16).trimmed().startsWith("{\\rtf"))
        return platform::FileKind::Rtf;
    return platform::FileKind::PlainText;
}

int usage()
{
    std::fputs("Aufruf: kolorat-rtfdump DATEI [--save-rtf AUSGABE]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString input;
    QString saveTo;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--save-rtf")) {
            if (i + 1 >= args.size())
                return usage();
            saveTo = args[++i];
        } else if (input.isEmpty()) {
            input = args[i];
        } else {
            return usage();
        }
    }
    if (input.isEmpty())
        return usage();

    const textcore::Result<platform::StyledText> loaded = platform::loadDocument(input, kindOf(input));
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(platform::messageOf(loaded).replace(u'\r', u'\n')));
        return 1;
    }
    const QByteArray dump = platform::dumpStyledText(loaded.value());
    std::fwrite(dump.constData(), 1, static_cast<std::size_t>(dump.size()), stdout);
    if (!saveTo.isEmpty()) {
        const textcore::Result<> saved = platform::saveDocument(saveTo, platform::FileKind::Rtf, loaded.value());
        if (!saved.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(platform::messageOf(saved).replace(u'\r', u'\n')));
            return 1;
        }
    }
    return 0;
}
