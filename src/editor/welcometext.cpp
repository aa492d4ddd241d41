#include "editor/welcometext.h"

#include "textcore/separators.h"

namespace editor {

QString welcomeText()
{
    const QString shy(QChar(textcore::kSoftHyphen));
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text += QStringLiteral("Will-kom-men bei Ko-lo-rat!") + crlf + crlf;
    text += QStringLiteral("Ko-lo%1rat ist ein Pro%1gramm mit dem Sie Lau%1te o%1der Sil%1ben von Tex%1ten far%1big ")
                .arg(shy)
        + QStringLiteral("her-vor-he-ben kön%1nen.").arg(shy) + crlf + crlf;
    text += QStringLiteral("Sie kön-nen nun aus dem lin-ken Ver-zeich-nis di-rekt ")
        + QStringLiteral("ei-ne Da-tei la-den o-der a-ber die-sen Text lö-schen und Ih-ren ei-ge-nen Text ein-ge-ben ")
        + QStringLiteral("o-der ei-nen Text ü-ber die Zwi-sch-en-ab-la-ge ein-fü-gen. ") + crlf + crlf;
    text
        += QStringLiteral("Tex-te schrei-ben und e-di-tie-ren kön-nen Sie nur hier in die-sem Fens-ter.") + crlf + crlf;
    text += QStringLiteral("Die Trenn-zei-chen kön-nen Sie so-fort mit dem Text ein-ge-ben o-der auch am Schluss. ")
        + QStringLiteral("Im Klick-mo-dus kön-nen Sie die-se auch durch An-kli-cken mit der Maus set-zen. ")
        + QStringLiteral("Die Art der Trenn-zei-chen wäh-len Sie im Me-nü aus.") + crlf + crlf;
    text += QStringLiteral(
                "Ist der Text fer-tig, ge-hen Sie in die Farb-aus-wahl und stel-len Ih-re Wunsch-far-ben ein. ")
        + QStringLiteral("Zu-letzt wird der Text mit den Farb-ein-stel-lun-gen ge-spei-chert. Die Sil-ben-tex-te und "
                         "Lau-te-tex-te ")
        + QStringLiteral("müs-sen da-bei im-mer als zwei ver-schie-de-ne Da-tei-en an-ge-se-hen wer-den! ") + crlf;
    return text;
}

} // namespace editor
