#include "platform/documentfiles.h"

#include "platform/result.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "textcore/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {
namespace {

QString fileLabel(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return QStringLiteral("„%1“").arg(name.isEmpty() ? path : name);
}

QString readFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Datei %1 kann nicht gelesen werden.\r%2").arg(fileLabel(path), reason);
}

QString writeFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Datei %1 kann nicht gespeichert werden.\r%2").arg(fileLabel(path), reason);
}

QString reasonOf(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError: return QStringLiteral("Der Zugriff wurde verweigert.");
    case QFileDevice::ResourceError: return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
    case QFileDevice::WriteError: return QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten.");
    case QFileDevice::ReadError: return QStringLiteral("Beim Lesen ist ein Fehler aufgetreten.");
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        return QStringLiteral("Die alte Datei konnte nicht ersetzt werden; sie ist unverändert.");
    default: return QStringLiteral("Der Ordner ist schreibgeschützt, oder der Name ist ungültig.");
    }
}

bool isValidUtf8(const QByteArray &bytes, bool *hasNonAscii)
{
    *hasNonAscii = false;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        *hasNonAscii = true;
        int extra;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

QString normaliseLineBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            out += QStringLiteral("\r\n");
            if (i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

textcore::Result<QByteArray> readWholeFile(const QString &path)
{
    QFileInfo info(path);
    if (!info.exists())
        return failure(readFailure(path, QStringLiteral("Sie ist nicht vorhanden.")));
    if (info.isDir())
        return failure(readFailure(path, QStringLiteral("Das ist ein Ordner.")));
    if (info.size() > kMaxDocumentFileSize)
        return failure(readFailure(path, QStringLiteral("Sie ist zu groß.")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(readFailure(path,
                                   file.error() == QFileDevice::PermissionsError
                                       ? QStringLiteral("Der Zugriff wurde verweigert.")
                                       : QStringLiteral("Sie lässt sich nicht öffnen.")));
    }
    QByteArray bytes = file.read(kMaxDocumentFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(readFailure(path, QStringLiteral("Beim Lesen ist ein Fehler aufgetreten.")));
    return bytes;
}

} // namespace

QString plainTextOf(const StyledText &text)
{
    qsizetype size = 0;
    for (const StyledRun &run : text)
        size += run.text.size();
    QString out;
    out.reserve(size);
    for (const StyledRun &run : text)
        out += run.text;
    return out;
}

QString decodePlainText(const QByteArray &bytes)
{
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        text = QStringDecoder(QStringConverter::Utf16LE).decode(QByteArrayView(bytes).sliced(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        text = QStringDecoder(QStringConverter::Utf16BE).decode(QByteArrayView(bytes).sliced(2));
    } else {
        bool nonAscii = false;
        if (isValidUtf8(bytes, &nonAscii) && nonAscii) {
            text = QString::fromUtf8(bytes);
        } else {
            const std::u16string decoded
                = textcore::decodeCp1252(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            text = QString::fromUtf16(decoded.data(), static_cast<qsizetype>(decoded.size()));
        }
    }
    return normaliseLineBreaks(text);
}

QByteArray encodePlainText(const QString &text)
{
    const QString normalised = normaliseLineBreaks(text);
    QByteArray out;
    out.reserve(normalised.size());
    for (QChar c : normalised) {
        const auto byte = textcore::unicodeToCp1252(c.unicode());
        if (!byte)
            return QByteArray("\xEF\xBB\xBF") + normalised.toUtf8();
        out.append(static_cast<char>(*byte));
    }
    return out;
}

textcore::Result<StyledText> loadDocument(const QString &path, FileKind kind, const CharFormat &defaults)
{
    const textcore::Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes.ok())
        return bytes;
    StyledText result;
    if (kind == FileKind::PlainText) {
        const QString text = decodePlainText(bytes.value());
        if (!text.isEmpty())
            result.push_back(StyledRun{text, defaults});
        return result;
    }
    textcore::Result<StyledText> rtf = readRtf(bytes.value());
    if (!rtf.ok())
        return failure(readFailure(path, messageOf(rtf)));
    result.reserve(rtf.value().size());
    for (StyledRun &run : rtf.value()) {
        if (run.format.fontName.isEmpty())
            run.format.fontName = defaults.fontName;
        if (run.format.pointSize <= 0)
            run.format.pointSize = defaults.pointSize;
        // Filling in the defaults can make neighbours equal.
        if (!result.empty() && result.back().format == run.format)
            result.back().text += run.text;
        else
            result.push_back(std::move(run));
    }
    return result;
}

textcore::Result<> saveDocument(const QString &path, FileKind kind, const StyledText &text)
{
    return saveFileBytes(path, kind == FileKind::Rtf ? writeRtf(text) : encodePlainText(plainTextOf(text)));
}

textcore::Result<> saveFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(writeFailure(path, reasonOf(file)));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return failure(writeFailure(path, reason));
    }
    if (!file.commit())
        return failure(writeFailure(path, reasonOf(file)));
    return {};
}

} // namespace platform
