#include "platform/richtextfield_p.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <unordered_map>

namespace platform {

RichTextField::RichTextField(QWidget *parent) : QTextEdit(parent), d(std::make_unique<Private>())
{
    // Our document, connected before QTextEdit connects its own handlers,
    // so that the position map is current when the widget's signals run.
    d->doc = new QTextDocument(this);
    connect(d->doc, &QTextDocument::contentsChange, this,
            [this](int pos, int removed, int added) { d->updateMap(pos, removed, added); });
    connect(d->doc, &QTextDocument::contentsChanged, this, [this] {
        if (d->ownChange == 0)
            emit changed();
    });
    setDocument(d->doc);
    // Shaping (kerning, ligatures) is cosmetic for Latin script, and every
    // colour change splits the text into separately shaped pieces: without
    // it a fully coloured text lays out three times faster, and a ligature
    // can no longer join two letters that want different colours.
    QFont f = font();
    f.setStyleStrategy(QFont::PreferNoShaping);
    setFont(f);
    d->doc->setDefaultFont(f);
    setAcceptRichText(false);
    setAccessibleName(QStringLiteral("Textfeld"));
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    setPalette(p);
    d->rebuildMap();
}

RichTextField::~RichTextField() = default;

// --- plain text ---------------------------------------------------------------

QString RichTextField::text() const
{
    return withCrLf(d->doc->toRawText());
}

int RichTextField::length() const
{
    return d->plainLength();
}

void RichTextField::setText(const QString &plain, History history)
{
    if (history == History::OneStep) {
        replaceAllAsOneStep([&](QTextCursor &c) { c.insertText(normaliseLineBreaks(plain), QTextCharFormat()); });
        return;
    }
    ++d->ownChange;
    d->doc->setPlainText(normaliseLineBreaks(plain));
    reapplyReadingView();
    d->doc->clearUndoRedoStacks();
    d->mapValid = false;
    d->cachedLength = -1;
    QTextCursor c(d->doc);
    setTextCursor(c);
    setCurrentCharFormat(QTextCharFormat());
    --d->ownChange;
    emit changed();
}

// --- whole field ------------------------------------------------------------

void RichTextField::setBackColor(textcore::Colour colour)
{
    d->back = colour & textcore::kMaxColour;
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(d->back));
    setPalette(p);
}

textcore::Colour RichTextField::backColor() const
{
    return d->back;
}

void RichTextField::setFieldFont(const QString &name, double pointSize)
{
    setFontForAll(name, pointSize);
}

void RichTextField::setFieldFontName(const QString &name)
{
    setFontForAll(name, 0);
}

void RichTextField::setFieldFontSize(double pointSize)
{
    setFontForAll(QString(), pointSize);
}

void RichTextField::setFieldFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    QTextCharFormat fmt;
    fmt.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    setFontOfWholeField(f, fmt);
}

QString RichTextField::fieldFontName() const
{
    return font().family();
}

double RichTextField::fieldFontSize() const
{
    return font().pointSizeF();
}

// --- selection ----------------------------------------------------------------

int RichTextField::selStart() const
{
    return d->toPlain(textCursor().selectionStart());
}

int RichTextField::selLength() const
{
    const QTextCursor c = textCursor();
    return d->toPlain(c.selectionEnd()) - d->toPlain(c.selectionStart());
}

void RichTextField::setSel(int start, int length)
{
    const int n = d->plainLength();
    start = std::clamp(start, 0, n);
    length = std::clamp(length, 0, n - start);
    QTextCursor c(d->doc);
    c.setPosition(d->docStart(start));
    if (length > 0)
        c.setPosition(d->docEnd(start + length), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void RichTextField::setSelStart(int start)
{
    setSel(start, 0);
}

QString RichTextField::selText() const
{
    QString raw = textCursor().selectedText();
    return withCrLf(raw);
}

namespace {
void mergeIntoSelection(RichTextField *field, const QTextCharFormat &fmt)
{
    QTextCursor c = field->textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(fmt);
    else
        field->mergeCurrentCharFormat(fmt);
}
} // namespace

void RichTextField::setSelColor(textcore::Colour colour)
{
    QTextCharFormat fmt;
    fmt.setForeground(toQColor(colour & textcore::kMaxColour));
    mergeIntoSelection(this, fmt);
}

void RichTextField::setSelBold(bool bold)
{
    QTextCharFormat fmt;
    fmt.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeIntoSelection(this, fmt);
}

void RichTextField::setSelItalic(bool italic)
{
    QTextCharFormat fmt;
    fmt.setFontItalic(italic);
    mergeIntoSelection(this, fmt);
}

// --- bulk operations ----------------------------------------------------------

void RichTextField::applyColours(const std::vector<textcore::Colour> &perPosition)
{
    const QList<QTextFormat> formats = d->doc->allFormats();
    std::vector<std::int64_t> colourCache(size_t(formats.size()), -1);
    auto colourOfIndex = [&](int index) -> textcore::Colour {
        if (index < 0 || index >= int(colourCache.size()))
            return textcore::kBlack;
        std::int64_t &cached = colourCache[size_t(index)];
        if (cached < 0)
            cached = colourOf(formats.at(index));
        return textcore::Colour(cached);
    };

    struct Change {
        int start;
        int length;
        int format;
        textcore::Colour colour;
    };
    std::vector<Change> changes;
    auto want = [&](int docPos, int format, textcore::Colour colour) {
        if (!changes.empty()) {
            Change &last = changes.back();
            if (last.start + last.length == docPos && last.format == format && last.colour == colour) {
                ++last.length;
                return;
            }
        }
        changes.push_back({docPos, 1, format, colour});
    };

    // Within block number k a character's plain position is its document
    // position + k (each earlier line break adds its LF).
    const int n = int(std::min<size_t>(perPosition.size(), size_t(d->plainLength())));
    int blockNumber = 0;
    for (QTextBlock b = d->doc->begin(); b.isValid(); b = b.next(), ++blockNumber) {
        const int blockStart = b.position();
        if (blockStart + blockNumber >= n)
            break;
        // Fragment positions counted along: QTextFragment::position() searches the tree.
        int fragStart = blockStart;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const int fragLength = fr.length();
            const int format = fr.charFormatIndex();
            const textcore::Colour current = colourOfIndex(format);
            const int end = std::min(fragStart + fragLength, n - blockNumber);
            for (int pos = fragStart; pos < end; ++pos) {
                const textcore::Colour c = perPosition[size_t(pos + blockNumber)] & textcore::kMaxColour;
                if (c != current)
                    want(pos, format, c);
            }
            fragStart += fragLength;
        }
        const QTextBlock next = b.next();
        const int sep = blockStart + b.length() - 1;
        if (next.isValid() && sep + blockNumber < n) {
            // The LF's entry wins, as when every position is selected and
            // coloured in order; the CR's counts when the vector ends there.
            const int lf = std::min(sep + blockNumber + 1, n - 1);
            const int format = next.charFormatIndex();
            const textcore::Colour c = perPosition[size_t(lf)] & textcore::kMaxColour;
            if (c != colourOfIndex(format))
                want(sep, format, c);
        }
    }
    if (changes.empty())
        return;

    std::unordered_map<std::uint64_t, QTextCharFormat> newFormats;
    QTextCursor c(d->doc);
    d->formatOnly = true;
    c.beginEditBlock();
    for (const Change &ch : changes) {
        const std::uint64_t key = (std::uint64_t(std::uint32_t(ch.format)) << 32) | ch.colour;
        auto it = newFormats.find(key);
        if (it == newFormats.end()) {
            QTextCharFormat f = formats.value(ch.format).toCharFormat();
            f.setForeground(toQColor(ch.colour));
            it = newFormats.emplace(key, f).first;
        }
        c.setPosition(ch.start);
        c.setPosition(ch.start + ch.length, QTextCursor::KeepAnchor);
        c.setCharFormat(it->second);
    }
    c.endEditBlock();
    d->formatOnly = false;
}

std::vector<textcore::Colour> RichTextField::coloursOfAllPositions() const
{
    std::vector<textcore::Colour> out(size_t(d->plainLength()));
    const QList<QTextFormat> formats = d->doc->allFormats();
    size_t i = 0;
    for (QTextBlock b = d->doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const textcore::Colour colour = colourOf(formats.value(fr.charFormatIndex()));
            const size_t end = std::min(out.size(), i + size_t(fr.length()));
            std::fill(out.begin() + std::ptrdiff_t(i), out.begin() + std::ptrdiff_t(end), colour);
            i = end;
        }
        const QTextBlock next = b.next();
        if (next.isValid() && i + 2 <= out.size()) {
            const textcore::Colour colour = colourOf(formats.value(next.charFormatIndex()));
            out[i++] = colour;
            out[i++] = colour;
        }
    }
    return out;
}

void RichTextField::setFontForAll(const QString &name, double pointSize)
{
    QFont f = font();
    QTextCharFormat fmt;
    if (!name.isEmpty()) {
        f.setFamily(name);
        fmt.setFontFamilies(QStringList{name});
    }
    if (pointSize > 0) {
        f.setPointSizeF(pointSize);
        fmt.setFontPointSize(pointSize);
    }
    if (fmt.properties().isEmpty())
        return;
    setFontOfWholeField(f, fmt);
}

// The field's font, every character's format and the typing format change
// together, so text typed later matches. Only formats change, so the
// position map stays valid.
void RichTextField::setFontOfWholeField(const QFont &font, const QTextCharFormat &format)
{
    setFont(font);
    d->doc->setDefaultFont(font);
    QTextCursor c(d->doc);
    c.select(QTextCursor::Document);
    d->formatOnly = true;
    if (c.hasSelection())
        c.mergeCharFormat(format);
    d->formatOnly = false;
    if (!textCursor().hasSelection())
        mergeCurrentCharFormat(format);
    reapplyReadingView();
}

void RichTextField::setReadingView(const ReadingView &view)
{
    const bool arcsChanged = view.syllableArcs != readingView().syllableArcs;
    ++d->ownChange;
    d->formatOnly = true;
    applyReadingView(*d->doc, view);
    d->formatOnly = false;
    --d->ownChange;
    if (arcsChanged)
        viewport()->update();
}

ReadingView RichTextField::readingView() const
{
    return readingViewOf(*d->doc);
}

void RichTextField::reapplyReadingView()
{
    if (readingView() == ReadingView())
        return;
    setReadingView(readingView());
}

void RichTextField::setUndoEnabled(bool enabled)
{
    d->doc->setUndoRedoEnabled(enabled);
}

// --- runs ---------------------------------------------------------------------

StyledText RichTextField::styledText() const
{
    StyledText runs;
    const QString raw = d->doc->toRawText();
    const QList<QTextFormat> formats = d->doc->allFormats();
    const QFont defaults = d->doc->defaultFont();
    // Resolved once per format index; -1 until needed.
    std::vector<int> resolvedIndex(size_t(formats.size()), -1);
    std::vector<CharFormat> resolved;
    int lastIndex = -1;
    auto append = [&](int index, QStringView text) {
        if (index != lastIndex || runs.empty()) {
            int &slot = resolvedIndex[size_t(index)];
            if (slot < 0) {
                slot = int(resolved.size());
                resolved.push_back(effectiveFormat(formats.at(index), defaults));
            }
            const CharFormat &f = resolved[size_t(slot)];
            if (runs.empty() || !(runs.back().format == f))
                runs.push_back({QString(), f});
            lastIndex = index;
        }
        runs.back().text += text;
    };
    for (QTextBlock b = d->doc->begin(); b.isValid(); b = b.next()) {
        int pos = b.position();
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const int len = fr.length();
            append(fr.charFormatIndex(), QStringView(raw).mid(pos, len));
            pos += len;
        }
        const QTextBlock next = b.next();
        if (next.isValid())
            append(next.charFormatIndex(), u"\r\n");
    }
    return runs;
}

namespace {
// Neighbouring runs with one format go in as one piece. A CR LF split
// between two runs is still one line break: the LF is dropped.
void insertRuns(QTextCursor &c, const StyledText &runs)
{
    bool pendingCr = false;
    auto take = [&pendingCr](const QString &t) {
        QString out = (pendingCr && t.startsWith(u'\n')) ? t.mid(1) : t;
        if (!t.isEmpty())
            pendingCr = t.endsWith(u'\r');
        return out;
    };
    for (size_t i = 0; i < runs.size();) {
        QString text = take(runs[i].text);
        size_t j = i + 1;
        while (j < runs.size() && runs[j].format == runs[i].format)
            text += take(runs[j++].text);
        if (!text.isEmpty())
            c.insertText(normaliseLineBreaks(text), toQtFormat(runs[i].format));
        i = j;
    }
}
} // namespace

void RichTextField::setStyledText(const StyledText &runs, History history)
{
    if (history == History::OneStep) {
        replaceAllAsOneStep([&](QTextCursor &c) { insertRuns(c, runs); });
        return;
    }
    ++d->ownChange;
    const bool undo = d->doc->isUndoRedoEnabled();
    d->doc->setUndoRedoEnabled(false);
    d->doc->clear();
    d->mapValid = false;
    d->cachedLength = -1;
    QTextCursor c(d->doc);
    c.beginEditBlock();
    insertRuns(c, runs);
    c.endEditBlock();
    reapplyReadingView();
    d->doc->setUndoRedoEnabled(undo);
    d->mapValid = false;
    d->cachedLength = -1;
    setTextCursor(QTextCursor(d->doc));
    setCurrentCharFormat(QTextCharFormat());
    --d->ownChange;
    emit changed();
}

void RichTextField::replaceAllAsOneStep(const std::function<void(QTextCursor &)> &insert)
{
    ++d->ownChange;
    QTextCursor c(d->doc);
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    // The emptied first paragraph keeps its formats; the new content starts
    // from none, as after a fresh start.
    c.setBlockFormat(QTextBlockFormat());
    c.setBlockCharFormat(QTextCharFormat());
    insert(c);
    // Inside the step, so that undoing it takes the view's paragraph
    // formats back with the text.
    reapplyReadingView();
    c.endEditBlock();
    d->mapValid = false;
    d->cachedLength = -1;
    setTextCursor(QTextCursor(d->doc));
    setCurrentCharFormat(QTextCharFormat());
    --d->ownChange;
    emit changed();
}

std::unique_ptr<QTextDocument> RichTextField::selectionAsDocument() const
{
    auto out = std::make_unique<QTextDocument>();
    out->setDefaultFont(d->doc->defaultFont());
    QTextCursor(out.get()).insertFragment(textCursor().selection());
    applyReadingView(*out, readingView());
    return out;
}

} // namespace platform
