#include "platform/rtfreader.h"

#include "platform/result.h"
#include "textcore/cp1252.h"
#include "textcore/separators.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

using ByteTable = std::array<char16_t, 256>;

const ByteTable &cp1252Table()
{
    static const ByteTable table = [] {
        ByteTable t{};
        for (int b = 0; b < 256; ++b)
            t[b] = textcore::cp1252ToUnicode(static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

// Code pages other than 1252 come from Qt's converters (ICU); where Qt has
// none, 1252 is the best guess for a German text. The East Asian code pages
// spell most characters as a lead byte and a trail byte.
class CodePages {
public:
    static bool isDoubleByte(int codePage)
    {
        return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
    }

    static bool isLeadByte(int codePage, unsigned char b)
    {
        if (codePage == 932)
            return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        return isDoubleByte(codePage) && b >= 0x81 && b <= 0xFE;
    }

    // The character of a lead and a trail byte; U+FFFD when they form none.
    QString pair(int codePage, unsigned char lead, unsigned char trail)
    {
        auto it = m_pairDecoders.find(codePage);
        if (it == m_pairDecoders.end())
            it = m_pairDecoders
                     .emplace(codePage,
                              std::make_unique<QStringDecoder>(codecName(codePage).constData(),
                                                               QStringConverter::Flag::Stateless))
                     .first;
        QStringDecoder &decoder = *it->second;
        if (!decoder.isValid())
            return QString(QChar(0xFFFD));
        const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        QString s = decoder.decode(QByteArrayView(bytes, 2));
        decoder.resetState();
        return s.isEmpty() || s.size() > 2 ? QString(QChar(0xFFFD)) : s;
    }

    const ByteTable *table(int codePage)
    {
        if (codePage == 1252 || codePage <= 0)
            return &cp1252Table();
        auto it = m_tables.find(codePage);
        if (it != m_tables.end())
            return it->second.get();
        auto t = std::make_unique<ByteTable>(cp1252Table());
        const QByteArray name = codecName(codePage);
        if (!name.isEmpty()) {
            QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
            if (decoder.isValid()) {
                for (int b = 0x80; b < 256; ++b) {
                    const char byte = static_cast<char>(b);
                    const QString s = decoder.decode(QByteArrayView(&byte, 1));
                    (*t)[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
                }
            }
        }
        const ByteTable *result = t.get();
        m_tables.emplace(codePage, std::move(t));
        return result;
    }

private:
    static QByteArray codecName(int codePage)
    {
        if ((codePage >= 1250 && codePage <= 1258) || codePage == 874)
            return "windows-" + QByteArray::number(codePage);
        switch (codePage) {
        case 437:
        case 850:
        case 852:
        case 866: return "IBM" + QByteArray::number(codePage);
        case 10000: return "macintosh";
        case 932: return "Shift_JIS";
        case 936: return "GBK";
        case 949: return "windows-949";
        case 950: return "Big5";
        default: return {};
        }
    }

    std::unordered_map<int, std::unique_ptr<ByteTable>> m_tables;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_pairDecoders;
};

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0; // the document's code page
    }
}

enum class Dest : unsigned char {
    Text,
    Skip,
    FontTable,
    ColourTable
};

enum class Kw : unsigned char {
    Unknown,
    SkipDest,
    FontTable,
    ColourTable,
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Sect,
    Plain,
    Font,
    FontSize,
    Colour,
    Bold,
    Italic,
    Unicode,
    UnicodeSkip,
    Bin,
    AnsiCpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    Charset,
    Cpg,
    Red,
    Green,
    Blue,
    EmDash,
    EnDash,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    Bullet,
    EmSpace,
    EnSpace,
};

const std::unordered_map<std::string_view, Kw> &keywords()
{
    static const std::unordered_map<std::string_view, Kw> map = [] {
        std::unordered_map<std::string_view, Kw> m;
        // Destinations whose text is not part of the body, with or without \*.
        for (std::string_view d : {"info",
                                   "stylesheet",
                                   "pict",
                                   "object",
                                   "header",
                                   "headerl",
                                   "headerr",
                                   "headerf",
                                   "footer",
                                   "footerl",
                                   "footerr",
                                   "footerf",
                                   "footnote",
                                   "annotation",
                                   "atnid",
                                   "atnauthor",
                                   "fldinst",
                                   "xe",
                                   "tc",
                                   "txe",
                                   "rxe",
                                   "listtable",
                                   "listoverridetable",
                                   "revtbl",
                                   "rsidtbl",
                                   "filetbl",
                                   "generator",
                                   "themedata",
                                   "colorschememapping",
                                   "datastore",
                                   "latentstyles",
                                   "xmlnsttbl",
                                   "pgdsctbl",
                                   "listtext",
                                   "pntext",
                                   "pntxta",
                                   "pntxtb",
                                   "private",
                                   "userprops",
                                   "docvar",
                                   "nonshppict",
                                   "shp",
                                   "shpinst",
                                   "shprslt",
                                   "shpgrp",
                                   "do",
                                   "bkmkstart",
                                   "bkmkend",
                                   "objdata",
                                   "objclass",
                                   "result",
                                   "comment",
                                   "author",
                                   "title",
                                   "subject",
                                   "keywords",
                                   "operator",
                                   "doccomm",
                                   "company",
                                   "ftnsep",
                                   "ftnsepc",
                                   "ftncn",
                                   "aftnsep",
                                   "aftnsepc",
                                   "aftncn",
                                   "mmathPr",
                                   "wgrffmtfilter",
                                   "passwordhash",
                                   "template"})
            m.emplace(d, Kw::SkipDest);
        m.emplace("fonttbl", Kw::FontTable);
        m.emplace("colortbl", Kw::ColourTable);
        m.emplace("par", Kw::Par);
        m.emplace("line", Kw::Line);
        m.emplace("tab", Kw::Tab);
        m.emplace("cell", Kw::Cell);
        m.emplace("nestcell", Kw::Cell);
        m.emplace("row", Kw::Row);
        m.emplace("nestrow", Kw::Row);
        m.emplace("sect", Kw::Sect);
        m.emplace("plain", Kw::Plain);
        m.emplace("f", Kw::Font);
        m.emplace("fs", Kw::FontSize);
        m.emplace("cf", Kw::Colour);
        m.emplace("b", Kw::Bold);
        m.emplace("i", Kw::Italic);
        m.emplace("u", Kw::Unicode);
        m.emplace("uc", Kw::UnicodeSkip);
        m.emplace("bin", Kw::Bin);
        m.emplace("ansicpg", Kw::AnsiCpg);
        m.emplace("ansi", Kw::Ansi);
        m.emplace("mac", Kw::Mac);
        m.emplace("pc", Kw::Pc);
        m.emplace("pca", Kw::Pca);
        m.emplace("deff", Kw::DefaultFont);
        m.emplace("fcharset", Kw::Charset);
        m.emplace("cpg", Kw::Cpg);
        m.emplace("red", Kw::Red);
        m.emplace("green", Kw::Green);
        m.emplace("blue", Kw::Blue);
        m.emplace("emdash", Kw::EmDash);
        m.emplace("endash", Kw::EnDash);
        m.emplace("lquote", Kw::LQuote);
        m.emplace("rquote", Kw::RQuote);
        m.emplace("ldblquote", Kw::LDblQuote);
        m.emplace("rdblquote", Kw::RDblQuote);
        m.emplace("bullet", Kw::Bullet);
        m.emplace("emspace", Kw::EmSpace);
        m.emplace("enspace", Kw::EnSpace);
        return m;
    }();
    return map;
}

// A colour table entry costs more memory than its bytes in the file.
constexpr std::size_t kMaxColours = 1 << 16;

// A run without \fs is 12 points in RTF, as Word and LibreOffice show it.
constexpr int kDefaultHalfPoints = 24;

struct State {
    Dest dest = Dest::Text;
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int colour = -1; // index into the colour table; -1: automatic
    bool bold = false;
    bool italic = false;
    int unicodeSkip = 1;
};

struct FontInfo {
    QString name;
    int codePage = 0; // 0: the document's code page
};

struct RunStart {
    qsizetype start;
    CharFormat format;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Parser {
public:
    explicit Parser(const QByteArray &data) : m_p(data.constData()), m_end(data.constData() + data.size())
    {
        m_text.reserve(static_cast<std::size_t>(data.size()));
    }

    textcore::Result<StyledText> run();

private:
    void openGroup();
    bool closeGroup(); // false when the outermost group has closed
    void controlSymbol();
    void controlWord();
    void handleKeyword(Kw kw, bool hasParam, int param);
    void textByte(unsigned char byte);
    void literalByte(unsigned char byte);
    void putByte(unsigned char byte); // in the current font's code page
    void put(char16_t ch);
    void putRaw(char16_t ch);
    void putBreak(bool paragraph);
    bool consumeUnicodeFallback();
    void commitFontEntry();
    void resolveFormat();
    void truncateTo(std::size_t size);
    textcore::Result<StyledText> finish();

    const char *m_p;
    const char *m_end;
    State m_st;
    std::vector<State> m_stack;
    int m_overflowDepth = 0;
    bool m_groupJustOpened = false;
    int m_pendingSkip = 0;

    int m_docCodePage = 1252;
    int m_defaultFont = -1;
    QHash<int, FontInfo> m_fonts;
    int m_fontEntry = -1;
    FontInfo m_fontEntryInfo;
    QString m_fontNameBuffer;
    std::vector<long long> m_colours; // -1: automatic
    int m_red = -1, m_green = -1, m_blue = -1;

    CodePages m_codePages;
    bool m_formatDirty = true;
    bool m_formatResolved = false; // since the last character: check whether a run starts
    CharFormat m_format;
    const ByteTable *m_byteTable = &cp1252Table();
    int m_byteCodePage = 1252;
    int m_pendingLead = -1; // a double-byte code page's lead byte waiting for its trail

    std::u16string m_text;
    std::vector<RunStart> m_runs;
    std::size_t m_lastParagraphEnd = std::string::npos;
    std::size_t m_cellEnd = std::string::npos;
};

textcore::Result<StyledText> Parser::run()
{
    while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n'))
        ++m_p;
    if (m_end - m_p < 5 || std::string_view(m_p, 5) != "{\\rtf") {
        return failure(m_p == m_end ? QStringLiteral("Die Datei ist leer.")
                                    : QStringLiteral("Die Datei enthält keinen RTF-Text."));
    }
    ++m_p;
    m_stack.reserve(64);
    m_stack.push_back(m_st);
    m_groupJustOpened = true;

    while (m_p < m_end) {
        const char c = *m_p++;
        switch (c) {
        case '{': openGroup(); break;
        case '}':
            if (!closeGroup())
                return finish();
            break;
        case '\\':
            if (m_p == m_end)
                return finish();
            if (isLetter(*m_p))
                controlWord();
            else
                controlSymbol();
            m_groupJustOpened = false;
            break;
        case '\r':
        case '\n': break;
        default:
            textByte(static_cast<unsigned char>(c));
            m_groupJustOpened = false;
            break;
        }
    }
    return finish(); // a truncated file gives what it holds
}

void Parser::openGroup()
{
    m_pendingSkip = 0;
    m_pendingLead = -1;
    m_groupJustOpened = true;
    if (m_stack.size() >= static_cast<std::size_t>(kRtfMaxGroupDepth)) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_st);
}

bool Parser::closeGroup()
{
    m_pendingSkip = 0;
    m_pendingLead = -1;
    m_groupJustOpened = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_st.dest == Dest::FontTable)
        commitFontEntry();
    const State inner = m_st;
    m_st = m_stack.back();
    m_stack.pop_back();
    if (m_st.dest == Dest::FontTable && inner.dest == Dest::FontTable)
        m_fontEntry = -1;
    if (inner.font != m_st.font || inner.halfPoints != m_st.halfPoints || inner.colour != m_st.colour
        || inner.bold != m_st.bold || inner.italic != m_st.italic)
        m_formatDirty = true;
    return !m_stack.empty();
}

bool Parser::consumeUnicodeFallback()
{
    if (m_pendingSkip == 0)
        return false;
    --m_pendingSkip;
    return true;
}

void Parser::controlSymbol()
{
    const char c = *m_p++;
    if (c == '\'') {
        int value = -1;
        if (m_end - m_p >= 2) {
            const int hi = hexValue(m_p[0]);
            const int lo = hexValue(m_p[1]);
            if (hi >= 0 && lo >= 0) {
                value = hi * 16 + lo;
                m_p += 2;
            }
        }
        if (consumeUnicodeFallback() || value < 0)
            return;
        if (m_st.dest == Dest::Text || m_st.dest == Dest::FontTable) {
            if (m_formatDirty)
                resolveFormat();
            if (m_st.dest == Dest::FontTable)
                m_fontNameBuffer.append(QChar(cp1252Table()[value]));
            else
                putByte(static_cast<unsigned char>(value));
        }
        return;
    }
    if (c == '*') {
        if (m_groupJustOpened && m_overflowDepth == 0)
            m_st.dest = Dest::Skip;
        return;
    }
    if (consumeUnicodeFallback())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}': literalByte(static_cast<unsigned char>(c)); break;
    case '~':
        if (m_st.dest == Dest::Text)
            put(0x00A0);
        break;
    case '-':
        if (m_st.dest == Dest::Text)
            put(textcore::kSoftHyphen);
        break;
    case '_':
        if (m_st.dest == Dest::Text)
            put(0x2011);
        break;
    case '\r':
    case '\n':
        if (m_st.dest == Dest::Text)
            putBreak(true);
        break;
    case '\t':
        if (m_st.dest == Dest::Text)
            put(u'\t');
        break;
    default: break; // \| \: and the like carry nothing we keep
    }
}

void Parser::controlWord()
{
    m_pendingLead = -1; // a lead byte needs its trail byte right behind it
    const char *start = m_p;
    while (m_p < m_end && isLetter(*m_p))
        ++m_p;
    const std::string_view word(start, static_cast<std::size_t>(m_p - start));
    bool negative = false;
    if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && isDigit(m_p[1])) {
        negative = true;
        ++m_p;
    }
    bool hasParam = false;
    long long value = 0;
    while (m_p < m_end && isDigit(*m_p)) {
        hasParam = true;
        if (value < 100000000000LL)
            value = value * 10 + (*m_p - '0');
        ++m_p;
    }
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    if (negative)
        value = -value;
    const int param = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));

    const auto &map = keywords();
    const auto it = word.size() <= 32 ? map.find(word) : map.end();
    const Kw kw = it == map.end() ? Kw::Unknown : it->second;

    if (kw == Kw::Bin) {
        // Binary data is skipped by its length whatever the destination.
        const long long available = m_end - m_p;
        const long long n = std::clamp<long long>(hasParam ? value : 0, 0, available);
        m_p += n;
        consumeUnicodeFallback();
        return;
    }
    if (consumeUnicodeFallback())
        return;
    handleKeyword(kw, hasParam, param);
}

void Parser::handleKeyword(Kw kw, bool hasParam, int param)
{
    if (m_st.dest == Dest::Skip)
        return;
    if (m_st.dest == Dest::ColourTable) {
        const int component = std::clamp(param, 0, 255);
        if (kw == Kw::Red)
            m_red = component;
        else if (kw == Kw::Green)
            m_green = component;
        else if (kw == Kw::Blue)
            m_blue = component;
        return;
    }
    if (m_st.dest == Dest::FontTable) {
        switch (kw) {
        case Kw::Font:
            commitFontEntry();
            m_fontEntry = param;
            m_fontEntryInfo = FontInfo{};
            m_fontNameBuffer.clear();
            return;
        case Kw::Charset: m_fontEntryInfo.codePage = codePageOfCharset(param); return;
        case Kw::Cpg: m_fontEntryInfo.codePage = param; return;
        case Kw::SkipDest: m_st.dest = Dest::Skip; return;
        case Kw::Unicode:
            if (param != 0)
                m_fontNameBuffer.append(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param)));
            m_pendingSkip = m_st.unicodeSkip;
            return;
        case Kw::UnicodeSkip: m_st.unicodeSkip = std::clamp(param, 0, kRtfMaxUnicodeSkip); return;
        default: return;
        }
    }

    switch (kw) {
    case Kw::Unknown: return;
    case Kw::SkipDest: m_st.dest = Dest::Skip; return;
    case Kw::FontTable:
        m_st.dest = Dest::FontTable;
        m_fontEntry = -1;
        m_fontNameBuffer.clear();
        m_formatDirty = true;
        return;
    case Kw::ColourTable:
        m_st.dest = Dest::ColourTable;
        m_colours.clear();
        m_red = m_green = m_blue = -1;
        m_formatDirty = true;
        return;
    case Kw::Par: putBreak(true); return;
    case Kw::Sect:
        // A section break ends the paragraph still open; right after a \par
        // it opens no empty paragraph of its own, so a text whose writer puts
        // one behind its last paragraph ends there.
        if (m_lastParagraphEnd != m_text.size())
            putBreak(true);
        return;
    case Kw::Line: putBreak(false); return;
    case Kw::Tab: put(u'\t'); return;
    case Kw::Cell:
        put(u'\t');
        m_cellEnd = m_text.size();
        return;
    case Kw::Row:
        // Cells are joined by tabs: the last cell's tab gives way to the break.
        if (m_cellEnd == m_text.size())
            truncateTo(m_text.size() - 1);
        putBreak(true);
        return;
    case Kw::Plain:
        m_st.font = -1;
        m_st.halfPoints = kDefaultHalfPoints;
        m_st.colour = -1;
        m_st.bold = m_st.italic = false;
        m_formatDirty = true;
        return;
    case Kw::Font:
        m_st.font = param;
        m_formatDirty = true;
        return;
    case Kw::FontSize:
        // \fs0 gives no size at all, as the writer leaves an open size: the default.
        m_st.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : kDefaultHalfPoints;
        m_formatDirty = true;
        return;
    case Kw::Colour:
        m_st.colour = param;
        m_formatDirty = true;
        return;
    case Kw::Bold:
        m_st.bold = !hasParam || param != 0;
        m_formatDirty = true;
        return;
    case Kw::Italic:
        m_st.italic = !hasParam || param != 0;
        m_formatDirty = true;
        return;
    case Kw::Unicode: {
        int unit = param;
        if (unit < 0)
            unit += 65536;
        if (unit > 0 && unit <= 0xFFFF)
            put(static_cast<char16_t>(unit));
        m_pendingSkip = m_st.unicodeSkip;
        return;
    }
    case Kw::UnicodeSkip: m_st.unicodeSkip = std::clamp(param, 0, kRtfMaxUnicodeSkip); return;
    case Kw::AnsiCpg:
        if (param > 0)
            m_docCodePage = param;
        m_formatDirty = true;
        return;
    case Kw::Ansi:
        m_docCodePage = 1252;
        m_formatDirty = true;
        return;
    case Kw::Mac:
        m_docCodePage = 10000;
        m_formatDirty = true;
        return;
    case Kw::Pc:
        m_docCodePage = 437;
        m_formatDirty = true;
        return;
    case Kw::Pca:
        m_docCodePage = 850;
        m_formatDirty = true;
        return;
    case Kw::DefaultFont:
        m_defaultFont = param;
        m_formatDirty = true;
        return;
    case Kw::EmDash: put(0x2014); return;
    case Kw::EnDash: put(0x2013); return;
    case Kw::LQuote: put(0x2018); return;
    case Kw::RQuote: put(0x2019); return;
    case Kw::LDblQuote: put(0x201C); return;
    case Kw::RDblQuote: put(0x201D); return;
    case Kw::Bullet: put(0x2022); return;
    case Kw::EmSpace: put(0x2003); return;
    case Kw::EnSpace: put(0x2002); return;
    default: return;
    }
}

void Parser::textByte(unsigned char byte)
{
    if (!consumeUnicodeFallback())
        literalByte(byte);
}

void Parser::literalByte(unsigned char byte)
{
    switch (m_st.dest) {
    case Dest::Skip: return;
    case Dest::ColourTable:
        if (byte == ';') {
            if (m_colours.size() >= kMaxColours) {
                // Indices beyond the bound read as automatic.
            } else if (m_red < 0 && m_green < 0 && m_blue < 0)
                m_colours.push_back(-1);
            else
                m_colours.push_back(std::max(m_red, 0) + 256LL * std::max(m_green, 0) + 65536LL * std::max(m_blue, 0));
            m_red = m_green = m_blue = -1;
        }
        return;
    case Dest::FontTable:
        if (byte == ';')
            commitFontEntry();
        else
            m_fontNameBuffer.append(QChar(cp1252Table()[byte]));
        return;
    case Dest::Text:
        if (byte == 0)
            return;
        if (m_formatDirty)
            resolveFormat();
        putByte(byte);
        return;
    }
}

void Parser::putByte(unsigned char byte)
{
    if (m_pendingLead >= 0) {
        const QString s = m_codePages.pair(m_byteCodePage, static_cast<unsigned char>(m_pendingLead), byte);
        m_pendingLead = -1;
        for (QChar c : s)
            put(c.unicode());
    } else if (CodePages::isLeadByte(m_byteCodePage, byte)) {
        m_pendingLead = byte;
    } else {
        put((*m_byteTable)[byte]);
    }
}

void Parser::commitFontEntry()
{
    if (m_fontEntry < 0)
        return;
    m_fontEntryInfo.name = m_fontNameBuffer.trimmed();
    m_fonts.insert(m_fontEntry, m_fontEntryInfo);
    m_fontEntry = -1;
    m_fontNameBuffer.clear();
    m_formatDirty = true;
}

void Parser::resolveFormat()
{
    m_formatDirty = false;
    CharFormat f;
    const int fontNumber = m_st.font >= 0 ? m_st.font : m_defaultFont;
    int codePage = 0;
    const auto font = m_fonts.constFind(fontNumber);
    if (fontNumber >= 0 && font != m_fonts.cend()) {
        f.fontName = font->name;
        codePage = font->codePage;
    }
    m_byteCodePage = codePage > 0 ? codePage : m_docCodePage;
    m_byteTable = m_codePages.table(m_byteCodePage);
    f.pointSize = m_st.halfPoints / 2.0;
    if (m_st.colour >= 0 && static_cast<std::size_t>(m_st.colour) < m_colours.size()
        && m_colours[static_cast<std::size_t>(m_st.colour)] >= 0)
        f.colour = static_cast<textcore::Colour>(m_colours[static_cast<std::size_t>(m_st.colour)]);
    f.bold = m_st.bold;
    f.italic = m_st.italic;
    m_format = std::move(f);
    m_formatResolved = true;
}

void Parser::put(char16_t ch)
{
    // A CR or LF the file spells as a character is a line break like any
    // other: the field knows line breaks only as CR LF.
    if (ch == u'\r' || ch == u'\n')
        putBreak(false);
    else if (ch != 0) // NUL ends strings in too many places to keep it
        putRaw(ch);
}

void Parser::putRaw(char16_t ch)
{
    if (m_st.dest != Dest::Text)
        return;
    if (m_formatDirty)
        resolveFormat();
    if (m_formatResolved && (m_runs.empty() || !(m_runs.back().format == m_format))) {
        if (!m_runs.empty() && m_runs.back().start == static_cast<qsizetype>(m_text.size()))
            m_runs.back().format = m_format;
        else
            m_runs.push_back(RunStart{static_cast<qsizetype>(m_text.size()), m_format});
        if (m_runs.size() >= 2 && m_runs[m_runs.size() - 2].format == m_runs.back().format)
            m_runs.pop_back();
    }
    m_formatResolved = false;
    m_text.push_back(ch);
}

void Parser::putBreak(bool paragraph)
{
    if (m_st.dest != Dest::Text)
        return;
    putRaw(u'\r');
    putRaw(u'\n');
    m_lastParagraphEnd = paragraph ? m_text.size() : std::string::npos;
}

void Parser::truncateTo(std::size_t size)
{
    m_text.resize(size);
    while (!m_runs.empty() && m_runs.back().start >= static_cast<qsizetype>(size))
        m_runs.pop_back();
    m_formatResolved = true; // the next character checks its run again
}

textcore::Result<StyledText> Parser::finish()
{
    // Paragraphs are joined by line breaks: the break of a final \par is no
    // line of its own.
    if (m_lastParagraphEnd == m_text.size() && m_text.size() >= 2)
        truncateTo(m_text.size() - 2);

    StyledText result;
    result.reserve(m_runs.size());
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        const qsizetype start = m_runs[i].start;
        const qsizetype stop = i + 1 < m_runs.size() ? m_runs[i + 1].start : static_cast<qsizetype>(m_text.size());
        result.push_back(StyledRun{QString(reinterpret_cast<const QChar *>(m_text.data() + start), stop - start),
                                   std::move(m_runs[i].format)});
    }
    return result;
}

} // namespace

textcore::Result<StyledText> readRtf(const QByteArray &data)
{
    Parser parser(data);
    return parser.run();
}

} // namespace platform
