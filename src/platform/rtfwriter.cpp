#include "platform/rtfwriter.h"

#include "textcore/cp1252.h"
#include "textcore/separators.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <unordered_map>

namespace platform {
namespace {

void appendNumber(std::string &out, long long n)
{
    std::array<char, 24> buffer{};
    std::size_t len = 0;
    const bool negative = n < 0;
    unsigned long long v = negative ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
    do {
        buffer[len++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        out.push_back('-');
    while (len > 0)
        out.push_back(buffer[--len]);
}

void appendHex(std::string &out, unsigned char byte)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out.push_back(digits[byte >> 4]);
    out.push_back(digits[byte & 15]);
}

// Font names go into the table as Windows-1252 with \'hh and \uN? escapes;
// ';', braces and backslashes cannot stand in a name.
void appendFontName(std::string &out, const QString &name)
{
    for (QChar qc : name) {
        const char16_t ch = qc.unicode();
        if (ch == u';' || ch == u'{' || ch == u'}' || ch == u'\\' || ch < 0x20)
            continue;
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else if (const auto b = textcore::unicodeToCp1252(ch)) {
            appendHex(out, *b);
        } else {
            out += "\\u";
            appendNumber(out, static_cast<int16_t>(ch));
            out.push_back('?');
        }
    }
}

int halfPoints(double pointSize)
{
    if (!(pointSize > 0))
        return 0;
    return static_cast<int>(std::clamp(std::lround(pointSize * 2), 1L, 3276L));
}

} // namespace

QByteArray writeRtf(const StyledText &text)
{
    QHash<QString, int> fontIndex;
    QStringList fonts;
    std::unordered_map<textcore::Colour, int> colourIndex;
    std::vector<textcore::Colour> colours;
    std::vector<int> runFont(text.size(), -1);
    std::vector<int> runColour(text.size(), 0);
    qsizetype characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const CharFormat &f = text[i].format;
        characters += text[i].text.size();
        if (!f.fontName.isEmpty()) {
            auto it = fontIndex.constFind(f.fontName);
            if (it == fontIndex.cend()) {
                it = fontIndex.insert(f.fontName, static_cast<int>(fonts.size()));
                fonts.append(f.fontName);
            }
            runFont[i] = *it;
        }
        auto [it, inserted] = colourIndex.try_emplace(f.colour, static_cast<int>(colours.size()) + 1);
        if (inserted)
            colours.push_back(f.colour);
        runColour[i] = it->second;
    }

    std::string out;
    out.reserve(static_cast<std::size_t>(characters) * 2 + 256 + static_cast<std::size_t>(text.size()) * 8);
    out += "{\\rtf1\\ansi\\ansicpg1252";
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out += "{\\f";
        appendNumber(out, i);
        out += "\\fnil\\fcharset0 ";
        appendFontName(out, fonts.at(i));
        out += ";}";
    }
    out += "}\r\n{\\colortbl;";
    for (textcore::Colour c : colours) {
        out += "\\red";
        appendNumber(out, c & 0xFF);
        out += "\\green";
        appendNumber(out, (c >> 8) & 0xFF);
        out += "\\blue";
        appendNumber(out, (c >> 16) & 0xFF);
        out.push_back(';');
    }
    out += "}\r\n\\pard\\plain ";

    // What the reader holds at this point: \plain leaves font and size open.
    int curFont = -1, curSize = 0, curColour = -1;
    bool afterCr = false; // a CR LF split over two runs is still one break
    bool curBold = false, curItalic = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const CharFormat &f = text[i].format;
        const int font = runFont[i];
        const int size = halfPoints(f.pointSize);
        const int colour = runColour[i];
        bool wrote = false;
        if ((curFont >= 0 && font < 0) || (curSize > 0 && size == 0)) {
            // Only \plain can leave a font or size open again.
            out += "\\plain";
            curFont = -1;
            curSize = 0;
            curColour = -1;
            curBold = curItalic = false;
            wrote = true;
        }
        if (font != curFont) {
            out += "\\f";
            appendNumber(out, font);
            curFont = font;
            wrote = true;
        }
        if (size != curSize) {
            out += "\\fs";
            appendNumber(out, size);
            curSize = size;
            wrote = true;
        }
        if (colour != curColour) {
            out += "\\cf";
            appendNumber(out, colour);
            curColour = colour;
            wrote = true;
        }
        if (f.bold != curBold) {
            out += f.bold ? "\\b" : "\\b0";
            curBold = f.bold;
            wrote = true;
        }
        if (f.italic != curItalic) {
            out += f.italic ? "\\i" : "\\i0";
            curItalic = f.italic;
            wrote = true;
        }
        if (wrote)
            out.push_back(' ');

        const QString &s = text[i].text;
        const char16_t *data = reinterpret_cast<const char16_t *>(s.constData());
        const qsizetype n = s.size();
        for (qsizetype k = 0; k < n; ++k) {
            const char16_t ch = data[k];
            if (ch == u'\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = ch == u'\r';
            if (ch >= 0x20 && ch < 0x80) {
                if (ch == u'\\' || ch == u'{' || ch == u'}')
                    out.push_back('\\');
                out.push_back(static_cast<char>(ch));
                continue;
            }
            switch (ch) {
            case u'\r':
            case u'\n': out += "\\par\r\n"; continue;
            case u'\t': out += "\\tab "; continue;
            case textcore::kSoftHyphen: out += "\\-"; continue;
            case 0x00A0: out += "\\~"; continue;
            default: break;
            }
            const auto byte = ch >= 0x80 ? textcore::unicodeToCp1252(ch) : std::nullopt;
            if (byte && (*byte < 0x80 || *byte > 0x9F || ch != *byte)) {
                appendHex(out, *byte);
            } else {
                // Control characters and everything beyond the code page; the
                // '?' is what readers without Unicode show instead.
                out += "\\u";
                appendNumber(out, static_cast<int16_t>(ch));
                out.push_back('?');
            }
        }
    }
    // Paragraphs are joined by line breaks: this last \par closes the final
    // paragraph, so a text that ends with a line break keeps it.
    out += "\\par\r\n}\r\n";
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

} // namespace platform
