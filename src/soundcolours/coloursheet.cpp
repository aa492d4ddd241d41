#include "soundcolours/coloursheet.h"

#include "platform/printer.h"
#include "textcore/soundwindowrules.h"

#include <QRect>

namespace soundcolours {

namespace {

constexpr int kTitleX = 1500;
constexpr qreal kSheetFontSize = 18;

QString fromStd(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

} // namespace

bool printColourSheet(platform::Printer &printer, const QString &title, const textcore::SoundColours &colours)
{
    printer.setPosition(0, 0);
    printer.setFont(QStringLiteral("Arial"), kSheetFontSize);
    printer.setCurrentX(kTitleX);
    printer.printText(title.toUpper());
    printer.printText(QStringLiteral(" "));
    printer.printText(QStringLiteral(" "));

    for (const textcore::ColourSheetRow &row : textcore::ColourSheetRows()) {
        const textcore::Colour colour = colours[row.soundClass];
        printer.setPosition(textcore::kColourSheetNameX, row.y);
        printer.printText(fromStd(row.name));
        const QRect box(textcore::kColourSheetBoxLeft, row.y,
                        textcore::kColourSheetBoxRight - textcore::kColourSheetBoxLeft,
                        textcore::kColourSheetBoxHeight);
        printer.drawBox(box, colour, true);
        // A black outline keeps a white or very light box visible on paper.
        printer.drawBox(box, textcore::kBlack, false);
        printer.setPosition(textcore::kColourSheetValueX, row.y);
        printer.printText(fromStd(textcore::ColourNumberText(colour)));
    }
    return printer.endDocument();
}

} // namespace soundcolours
