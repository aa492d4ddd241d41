#include "platform/rtfreader.h"

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
        auto it = pairDecoders_.find(codePage);
        if (it == pairDecoders_.end())
            it = pairDecoders_
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
        auto it = tables_.find(codePage);
        if (it != tables_.end())
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
        tables_.emplace(codePage, std::move(t));
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

    std::unordered_map<int, std::unique_ptr<ByteTable>> tables_;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> pairDecoders_;
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
    explicit Parser(const QByteArray &data) : p_(data.constData()), end_(data.constData() + data.size())
    {
        text_.reserve(static_cast<std::size_t>(data.size()));
    }

    RtfReadResult run();

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
    RtfReadResult finish();

    const char *p_;
    const char *end_;
    State st_;
    std::vector<State> stack_;
    int overflowDepth_ = 0;
    bool groupJustOpened_ = false;
    int pendingSkip_ = 0;

    int docCodePage_ = 1252;
    int defaultFont_ = -1;
    QHash<int, FontInfo> fonts_;
    int fontEntry_ = -1;
    FontInfo fontEntryInfo_;
    QString fontNameBuffer_;
    std::vector<long long> colours_; // -1: automatic
    int red_ = -1, green_ = -1, blue_ = -1;

    CodePages codePages_;
    bool formatDirty_ = true;
    bool formatResolved_ = false; // since the last character: check whether a run starts
    CharFormat format_;
    const ByteTable *byteTable_ = &cp1252Table();
    int byteCodePage_ = 1252;
    int pendingLead_ = -1; // a double-byte code page's lead byte waiting for its trail

    std::u16string text_;
    std::vector<RunStart> runs_;
    std::size_t lastParagraphEnd_ = std::string::npos;
    std::size_t cellEnd_ = std::string::npos;
};

RtfReadResult Parser::run()
{
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\r' || *p_ == '\n'))
        ++p_;
    if (end_ - p_ < 5 || std::string_view(p_, 5) != "{\\rtf") {
        RtfReadResult result;
        result.errorMessage
            = p_ == end_ ? QStringLiteral("Die Datei ist leer.") : QStringLiteral("Die Datei enthält keinen RTF-Text.");
        return result;
    }
    ++p_;
    stack_.reserve(64);
    stack_.push_back(st_);
    groupJustOpened_ = true;

    while (p_ < end_) {
        const char c = *p_++;
        switch (c) {
        case '{': openGroup(); break;
        case '}':
            if (!closeGroup())
                return finish();
            break;
        case '\\':
            if (p_ == end_)
                return finish();
            if (isLetter(*p_))
                controlWord();
            else
                controlSymbol();
            groupJustOpened_ = false;
            break;
        case '\r':
        case '\n': break;
        default:
            textByte(static_cast<unsigned char>(c));
            groupJustOpened_ = false;
            break;
        }
    }
    return finish(); // a truncated file gives what it holds
}

void Parser::openGroup()
{
    pendingSkip_ = 0;
    pendingLead_ = -1;
    groupJustOpened_ = true;
    if (stack_.size() >= static_cast<std::size_t>(kRtfMaxGroupDepth)) {
        ++overflowDepth_;
        return;
    }
    stack_.push_back(st_);
}

bool Parser::closeGroup()
{
    pendingSkip_ = 0;
    pendingLead_ = -1;
    groupJustOpened_ = false;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    if (st_.dest == Dest::FontTable)
        commitFontEntry();
    const State inner = st_;
    st_ = stack_.back();
    stack_.pop_back();
    if (st_.dest == Dest::FontTable && inner.dest == Dest::FontTable)
        fontEntry_ = -1;
    if (inner.font != st_.font || inner.halfPoints != st_.halfPoints || inner.colour != st_.colour
        || inner.bold != st_.bold || inner.italic != st_.italic)
        formatDirty_ = true;
    return !stack_.empty();
}

bool Parser::consumeUnicodeFallback()
{
    if (pendingSkip_ == 0)
        return false;
    --pendingSkip_;
    return true;
}

void Parser::controlSymbol()
{
    const char c = *p_++;
    if (c == '\'') {
        int value = -1;
        if (end_ - p_ >= 2) {
            const int hi = hexValue(p_[0]);
            const int lo = hexValue(p_[1]);
            if (hi >= 0 && lo >= 0) {
                value = hi * 16 + lo;
                p_ += 2;
            }
        }
        if (consumeUnicodeFallback() || value < 0)
            return;
        if (st_.dest == Dest::Text || st_.dest == Dest::FontTable) {
            if (formatDirty_)
                resolveFormat();
            if (st_.dest == Dest::FontTable)
                fontNameBuffer_.append(QChar(cp1252Table()[value]));
            else
                putByte(static_cast<unsigned char>(value));
        }
        return;
    }
    if (c == '*') {
        if (groupJustOpened_ && overflowDepth_ == 0)
            st_.dest = Dest::Skip;
        return;
    }
    if (consumeUnicodeFallback())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}': literalByte(static_cast<unsigned char>(c)); break;
    case '~':
        if (st_.dest == Dest::Text)
            put(0x00A0);
        break;
    case '-':
        if (st_.dest == Dest::Text)
            put(textcore::kSoftHyphen);
        break;
    case '_':
        if (st_.dest == Dest::Text)
            put(0x2011);
        break;
    case '\r':
    case '\n':
        if (st_.dest == Dest::Text)
            putBreak(true);
        break;
    case '\t':
        if (st_.dest == Dest::Text)
            put(u'\t');
        break;
    default: break; // \| \: and the like carry nothing we keep
    }
}

void Parser::controlWord()
{
    pendingLead_ = -1; // a lead byte needs its trail byte right behind it
    const char *start = p_;
    while (p_ < end_ && isLetter(*p_))
        ++p_;
    const std::string_view word(start, static_cast<std::size_t>(p_ - start));
    bool negative = false;
    if (p_ < end_ && *p_ == '-' && p_ + 1 < end_ && isDigit(p_[1])) {
        negative = true;
        ++p_;
    }
    bool hasParam = false;
    long long value = 0;
    while (p_ < end_ && isDigit(*p_)) {
        hasParam = true;
        if (value < 100000000000LL)
            value = value * 10 + (*p_ - '0');
        ++p_;
    }
    if (p_ < end_ && *p_ == ' ')
        ++p_;
    if (negative)
        value = -value;
    const int param = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));

    const auto &map = keywords();
    const auto it = word.size() <= 32 ? map.find(word) : map.end();
    const Kw kw = it == map.end() ? Kw::Unknown : it->second;

    if (kw == Kw::Bin) {
        // Binary data is skipped by its length whatever the destination.
        const long long available = end_ - p_;
        const long long n = std::clamp<long long>(hasParam ? value : 0, 0, available);
        p_ += n;
        consumeUnicodeFallback();
        return;
    }
    if (consumeUnicodeFallback())
        return;
    handleKeyword(kw, hasParam, param);
}

void Parser::handleKeyword(Kw kw, bool hasParam, int param)
{
    if (st_.dest == Dest::Skip)
        return;
    if (st_.dest == Dest::ColourTable) {
        const int component = std::clamp(param, 0, 255);
        if (kw == Kw::Red)
            red_ = component;
        else if (kw == Kw::Green)
            green_ = component;
        else if (kw == Kw::Blue)
            blue_ = component;
        return;
    }
    if (st_.dest == Dest::FontTable) {
        switch (kw) {
        case Kw::Font:
            commitFontEntry();
            fontEntry_ = param;
            fontEntryInfo_ = FontInfo{};
            fontNameBuffer_.clear();
            return;
        case Kw::Charset: fontEntryInfo_.codePage = codePageOfCharset(param); return;
        case Kw::Cpg: fontEntryInfo_.codePage = param; return;
        case Kw::SkipDest: st_.dest = Dest::Skip; return;
        case Kw::Unicode:
            if (param != 0)
                fontNameBuffer_.append(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param)));
            pendingSkip_ = st_.unicodeSkip;
            return;
        case Kw::UnicodeSkip: st_.unicodeSkip = std::clamp(param, 0, kRtfMaxUnicodeSkip); return;
        default: return;
        }
    }

    switch (kw) {
    case Kw::Unknown: return;
    case Kw::SkipDest: st_.dest = Dest::Skip; return;
    case Kw::FontTable:
        st_.dest = Dest::FontTable;
        fontEntry_ = -1;
        fontNameBuffer_.clear();
        formatDirty_ = true;
        return;
    case Kw::ColourTable:
        st_.dest = Dest::ColourTable;
        colours_.clear();
        red_ = green_ = blue_ = -1;
        formatDirty_ = true;
        return;
    case Kw::Par: putBreak(true); return;
    case Kw::Sect:
        // A section break ends the paragraph still open; right after a \par
        // it opens no empty paragraph of its own, so a text whose writer puts
        // one behind its last paragraph ends there.
        if (lastParagraphEnd_ != text_.size())
            putBreak(true);
        return;
    case Kw::Line: putBreak(false); return;
    case Kw::Tab: put(u'\t'); return;
    case Kw::Cell:
        put(u'\t');
        cellEnd_ = text_.size();
        return;
    case Kw::Row:
        // Cells are joined by tabs: the last cell's tab gives way to the break.
        if (cellEnd_ == text_.size())
            truncateTo(text_.size() - 1);
        putBreak(true);
        return;
    case Kw::Plain:
        st_.font = -1;
        st_.halfPoints = kDefaultHalfPoints;
        st_.colour = -1;
        st_.bold = st_.italic = false;
        formatDirty_ = true;
        return;
    case Kw::Font:
        st_.font = param;
        formatDirty_ = true;
        return;
    case Kw::FontSize:
        // \fs0 gives no size at all, as the writer leaves an open size: the default.
        st_.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : kDefaultHalfPoints;
        formatDirty_ = true;
        return;
    case Kw::Colour:
        st_.colour = param;
        formatDirty_ = true;
        return;
    case Kw::Bold:
        st_.bold = !hasParam || param != 0;
        formatDirty_ = true;
        return;
    case Kw::Italic:
        st_.italic = !hasParam || param != 0;
        formatDirty_ = true;
        return;
    case Kw::Unicode: {
        int unit = param;
        if (unit < 0)
            unit += 65536;
        if (unit > 0 && unit <= 0xFFFF)
            put(static_cast<char16_t>(unit));
        pendingSkip_ = st_.unicodeSkip;
        return;
    }
    case Kw::UnicodeSkip: st_.unicodeSkip = std::clamp(param, 0, kRtfMaxUnicodeSkip); return;
    case Kw::AnsiCpg:
        if (param > 0)
            docCodePage_ = param;
        formatDirty_ = true;
        return;
    case Kw::Ansi:
        docCodePage_ = 1252;
        formatDirty_ = true;
        return;
    case Kw::Mac:
        docCodePage_ = 10000;
        formatDirty_ = true;
        return;
    case Kw::Pc:
        docCodePage_ = 437;
        formatDirty_ = true;
        return;
    case Kw::Pca:
        docCodePage_ = 850;
        formatDirty_ = true;
        return;
    case Kw::DefaultFont:
        defaultFont_ = param;
        formatDirty_ = true;
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
    switch (st_.dest) {
    case Dest::Skip: return;
    case Dest::ColourTable:
        if (byte == ';') {
            if (colours_.size() >= kMaxColours) {
                // Indices beyond the bound read as automatic.
            } else if (red_ < 0 && green_ < 0 && blue_ < 0)
                colours_.push_back(-1);
            else
                colours_.push_back(std::max(red_, 0) + 256LL * std::max(green_, 0) + 65536LL * std::max(blue_, 0));
            red_ = green_ = blue_ = -1;
        }
        return;
    case Dest::FontTable:
        if (byte == ';')
            commitFontEntry();
        else
            fontNameBuffer_.append(QChar(cp1252Table()[byte]));
        return;
    case Dest::Text:
        if (byte == 0)
            return;
        if (formatDirty_)
            resolveFormat();
        putByte(byte);
        return;
    }
}

void Parser::putByte(unsigned char byte)
{
    if (pendingLead_ >= 0) {
        const QString s = codePages_.pair(byteCodePage_, static_cast<unsigned char>(pendingLead_), byte);
        pendingLead_ = -1;
        for (QChar c : s)
            put(c.unicode());
    } else if (CodePages::isLeadByte(byteCodePage_, byte)) {
        pendingLead_ = byte;
    } else {
        put((*byteTable_)[byte]);
    }
}

void Parser::commitFontEntry()
{
    if (fontEntry_ < 0)
        return;
    fontEntryInfo_.name = fontNameBuffer_.trimmed();
    fonts_.insert(fontEntry_, fontEntryInfo_);
    fontEntry_ = -1;
    fontNameBuffer_.clear();
    formatDirty_ = true;
}

void Parser::resolveFormat()
{
    formatDirty_ = false;
    CharFormat f;
    const int fontNumber = st_.font >= 0 ? st_.font : defaultFont_;
    int codePage = 0;
    const auto font = fonts_.constFind(fontNumber);
    if (fontNumber >= 0 && font != fonts_.cend()) {
        f.fontName = font->name;
        codePage = font->codePage;
    }
    byteCodePage_ = codePage > 0 ? codePage : docCodePage_;
    byteTable_ = codePages_.table(byteCodePage_);
    f.pointSize = st_.halfPoints / 2.0;
    if (st_.colour >= 0 && static_cast<std::size_t>(st_.colour) < colours_.size()
        && colours_[static_cast<std::size_t>(st_.colour)] >= 0)
        f.colour = static_cast<textcore::Colour>(colours_[static_cast<std::size_t>(st_.colour)]);
    f.bold = st_.bold;
    f.italic = st_.italic;
    format_ = std::move(f);
    formatResolved_ = true;
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
    if (st_.dest != Dest::Text)
        return;
    if (formatDirty_)
        resolveFormat();
    if (formatResolved_ && (runs_.empty() || !(runs_.back().format == format_))) {
        if (!runs_.empty() && runs_.back().start == static_cast<qsizetype>(text_.size()))
            runs_.back().format = format_;
        else
            runs_.push_back(RunStart{static_cast<qsizetype>(text_.size()), format_});
        if (runs_.size() >= 2 && runs_[runs_.size() - 2].format == runs_.back().format)
            runs_.pop_back();
    }
    formatResolved_ = false;
    text_.push_back(ch);
}

void Parser::putBreak(bool paragraph)
{
    if (st_.dest != Dest::Text)
        return;
    putRaw(u'\r');
    putRaw(u'\n');
    lastParagraphEnd_ = paragraph ? text_.size() : std::string::npos;
}

void Parser::truncateTo(std::size_t size)
{
    text_.resize(size);
    while (!runs_.empty() && runs_.back().start >= static_cast<qsizetype>(size))
        runs_.pop_back();
    formatResolved_ = true; // the next character checks its run again
}

RtfReadResult Parser::finish()
{
    // Paragraphs are joined by line breaks: the break of a final \par is no
    // line of its own.
    if (lastParagraphEnd_ == text_.size() && text_.size() >= 2)
        truncateTo(text_.size() - 2);

    RtfReadResult result;
    result.ok = true;
    result.text.reserve(runs_.size());
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        const qsizetype start = runs_[i].start;
        const qsizetype stop = i + 1 < runs_.size() ? runs_[i + 1].start : static_cast<qsizetype>(text_.size());
        result.text.push_back(StyledRun{QString(reinterpret_cast<const QChar *>(text_.data() + start), stop - start),
                                        std::move(runs_[i].format)});
    }
    return result;
}

} // namespace

RtfReadResult readRtf(const QByteArray &data)
{
    Parser parser(data);
    return parser.run();
}

} // namespace platform
