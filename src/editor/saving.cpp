#include "editor/saving.h"

#include "editor/filebrowser.h"
#include "editor/separators.h"
#include "platform/dialogs.h"
#include "platform/documentfiles.h"
#include "platform/documentpages.h"
#include "platform/printer.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "textcore/colourwindowrules.h"
#include "textcore/separators.h"

#include <QDir>

namespace editor {

namespace {

struct KindInfo {
    QString kindLine;
    QString defaultName;
    QString confirmationTitle;
    QString pattern;
};

// Every window writes a name in capitals by the same rule, so one answer
// always names one file.
QString upperCaseFileName(const QString &name)
{
    return QString::fromStdU16String(textcore::UpperCaseFileName(name.toStdU16String()));
}

// The worksheet is opened by PDF viewers and mail programs, which go by the
// ending: "BLATT" alone would open nowhere. The program's own kinds need
// none, since the teacher reads them back through the file browser.
QString withPdfEnding(const QString &upperName)
{
    return upperName.endsWith(QStringLiteral(".PDF")) ? upperName : upperName + QStringLiteral(".PDF");
}

} // namespace

Saving::Saving(platform::RichTextField &field, session::Session &session, platform::Dialogs &dialogs,
               Separators &separators, FileBrowser &files, QObject *parent)
    : QObject(parent), m_field(field), m_session(session), m_dialogs(dialogs), m_separators(separators), m_files(files)
{}

void Saving::saveAsRtf()
{
    save(Kind::Rtf);
}

void Saving::saveAsTxt()
{
    save(Kind::Txt);
}

void Saving::saveUnformatted()
{
    save(Kind::Unformatted);
}

void Saving::saveAsPdf()
{
    save(Kind::Pdf);
}

bool Saving::fileExistsInFolder(const QString &upperName) const
{
    // Every file of the folder counts, listed under the current pattern or
    // not: replacing a hidden file without asking would destroy it unseen.
    const QStringList names = QDir(m_session.folder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        if (upperCaseFileName(name) == upperName)
            return true;
    return false;
}

void Saving::save(Kind kind)
{
    emit info(QStringLiteral("Tipp: Markieren Sie die Dateien nach dem Typ: DATEI_T.RTF\rfür Text, DATEI_S.RTF für "
                             "Silben und DATEI_L.RTF für Laute."));
    static const KindInfo kinds[] = {
        {QStringLiteral("Quelltext wird im RTF-Format gespeichert."), QStringLiteral("KOLORAT.RTF"),
         QStringLiteral("RTF-Datei sichern"), QStringLiteral("*.RTF")},
        {QStringLiteral("Quelltext wird im TXT-Format gespeichert."), QStringLiteral("KOLORAT.TXT"),
         QStringLiteral("TXT-Datei sichern"), QStringLiteral("*.TXT")},
        {QStringLiteral("Text wird ohne Trennzeichen gespeichert."), QStringLiteral("KOLORAT.TXT"),
         QStringLiteral("TXT-Datei sichern"), QStringLiteral("*.TXT")},
        // The browser lists no PDF files, so it stays as it is after one.
        {QStringLiteral("Text wird als PDF-Datei gespeichert, wie er gedruckt wird."), QStringLiteral("KOLORAT.PDF"),
         QStringLiteral("PDF-Datei sichern"), QString()},
    };
    const KindInfo &about = kinds[int(kind)];
    const QString answer
        = m_dialogs.input(QStringLiteral("Geben Sie einen Namen für die Datei ein.\r") + about.kindLine,
                          QStringLiteral("Textseite speichern"), about.defaultName);
    if (answer.isEmpty())
        return;
    const QString answerUpper = upperCaseFileName(answer);
    if (textcore::IsReservedFileName(answerUpper.toStdU16String())) {
        m_dialogs.inform(
            QStringLiteral("Der Dateiname KOLORATHELP.RTF ist\rfür die KOLORAT-Hilfedatei reserviert.\r\r"),
            QStringLiteral("Unerlaubter Dateiname"));
        return;
    }
    const QString upper = kind == Kind::Pdf ? withPdfEnding(answerUpper) : answerUpper;
    if (fileExistsInFolder(upper)
        && !m_dialogs.ask(QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die vorhandene "
                                         "Datei hiermit ersetzen?\r\r"),
                          upper))
        return;
    if (m_separators.visible())
        m_separators.hide();

    const QString path = m_session.folder() + upper;
    textcore::Result<> saved;
    switch (kind) {
    case Kind::Rtf: saved = m_field.saveFile(path, platform::FileKind::Rtf); break;
    case Kind::Txt: saved = m_field.saveFile(path, platform::FileKind::PlainText); break;
    case Kind::Unformatted: {
        QString plain = m_field.text();
        plain.remove(QChar(textcore::kSoftHyphen));
        saved = platform::saveDocument(path, platform::FileKind::PlainText, {{plain, {}}});
        break;
    }
    case Kind::Pdf: {
        const QByteArray pdf = platform::pdfOfDocument(*m_field.document());
        saved = pdf.isEmpty()
            ? platform::failure(QStringLiteral("Die PDF-Datei %1 konnte nicht erzeugt werden.\r").arg(upper))
            : platform::saveFileBytes(path, pdf);
        break;
    }
    }
    if (!saved.ok()) {
        m_dialogs.inform(platform::messageOf(saved), QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
        return;
    }
    m_dialogs.inform(upper + QStringLiteral(" wurde gespeichert.\r\r"), about.confirmationTitle,
                     platform::Icon::Information);
    if (!about.pattern.isEmpty())
        m_files.refresh(about.pattern);
}

void Saving::printText()
{
    const QString title = QStringLiteral("Drucken");
    if (m_session.printerLocked()) {
        m_dialogs.inform(QStringLiteral("Der Drucker ist deaktiviert.\rIm Menü 'Extras' änderbar.\r\r"), title);
        return;
    }
    if (!m_dialogs.ask(QStringLiteral("Den Text jetzt ausdrucken?\r"), title))
        return;
    if (!m_printer || !m_printer->available()) {
        m_dialogs.inform(platform::noPrinterMessage(), title, platform::Icon::Exclamation);
        return;
    }
    m_field.setSel(0, m_field.length());
    if (!m_printer->printSelection(m_field.textCursor())) {
        m_dialogs.inform(platform::printFailedMessage(), title, platform::Icon::Exclamation);
        return;
    }
    m_dialogs.inform(QStringLiteral("Der Text wird gedruckt ...\r\r"), title);
}

} // namespace editor
