// Speed of the rich-text field on long texts: colouring a plain text,
// recolouring after one colour class changed, and the CR LF position map.
#include "platform/richtextfield.h"
#include "qtbench.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

using platform::RichTextField;
using textcore::Colour;

namespace {

// The sample text repeated up to `size` characters, line breaks CR LF.
QString longText(int size)
{
    return qtbench::repeatedTo(qtbench::testText("platform/lesetext.txt"), size);
}

enum class Kind {
    Capital,
    Vowel,
    Umlaut,
    Consonant,
    Punctuation,
    Other
};

Kind kindOf(QChar c)
{
    if (c.isUpper())
        return Kind::Capital;
    if (QStringLiteral("aeiou").contains(c))
        return Kind::Vowel;
    if (QStringLiteral("äöüß").contains(c))
        return Kind::Umlaut;
    if (c.isLetter())
        return Kind::Consonant;
    if (c.isPunct())
        return Kind::Punctuation;
    return Kind::Other;
}

// A colouring like the sound colouring's: one colour per letter class.
std::vector<Colour> classColours(const QString &text, Colour capitals)
{
    std::vector<Colour> out(size_t(text.size()));
    for (int i = 0; i < text.size(); ++i) {
        switch (kindOf(text.at(i))) {
        case Kind::Capital: out[size_t(i)] = capitals; break;
        case Kind::Vowel: out[size_t(i)] = 49152; break;
        case Kind::Umlaut: out[size_t(i)] = 16744448; break;
        case Kind::Consonant: out[size_t(i)] = 16711680; break;
        case Kind::Punctuation: out[size_t(i)] = 8421504; break;
        case Kind::Other: out[size_t(i)] = 0; break;
        }
    }
    return out;
}

std::unique_ptr<RichTextField> makeField()
{
    auto field = std::make_unique<RichTextField>();
    field->setUndoEnabled(false);
    field->setFieldFont(QStringLiteral("DejaVu Sans"), 16);
    field->resize(900, 700);
    field->show();
    return field;
}

// Lays out the whole document, as the field does before it can show the end.
void finishLayout(RichTextField &field)
{
    benchmark::DoNotOptimize(field.document()->documentLayout()->documentSize());
}

void colourFromPlain(benchmark::State &state, int size, bool includingSetText)
{
    const QString text = longText(size);
    const std::vector<Colour> colours = classColours(text, 255);
    auto field = makeField();
    for (auto _ : state) {
        if (!includingSetText)
            state.PauseTiming();
        field->setText(text);
        if (!includingSetText) {
            finishLayout(*field);
            state.ResumeTiming();
        }
        field->applyColours(colours);
        finishLayout(*field);
    }
    state.counters["chars"] = double(text.size());
}

void BM_ColourFromPlain100K(benchmark::State &state)
{
    colourFromPlain(state, 100000, false);
}
void BM_SetTextAndColour100K(benchmark::State &state)
{
    colourFromPlain(state, 100000, true);
}
void BM_ColourFromPlain1M(benchmark::State &state)
{
    colourFromPlain(state, 1000000, false);
}
void BM_SetTextAndColour1M(benchmark::State &state)
{
    colourFromPlain(state, 1000000, true);
}

void BM_RecolourOneClass100K(benchmark::State &state)
{
    const QString text = longText(100000);
    const std::vector<Colour> a = classColours(text, 255);
    const std::vector<Colour> b = classColours(text, 65535);
    size_t changed = 0;
    for (size_t i = 0; i < a.size(); ++i)
        changed += a[i] != b[i];
    auto field = makeField();
    field->setText(text);
    field->applyColours(a);
    finishLayout(*field);
    bool toB = true;
    for (auto _ : state) {
        field->applyColours(toB ? b : a);
        finishLayout(*field);
        toB = !toB;
    }
    state.counters["changed%"] = 100.0 * double(changed) / double(a.size());
}

void BM_PositionMapAll1M(benchmark::State &state)
{
    const QString text = longText(1000000);
    auto field = makeField();
    field->setText(text);
    field->documentPosition(0); // builds the map once, as the first query after a change does
    const int n = field->length();
    for (auto _ : state) {
        long long sum = 0;
        for (int p = 0; p < n; ++p)
            sum += field->documentPosition(p);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["positions"] = double(n);
}

void BM_ColoursOfAllPositions1M(benchmark::State &state)
{
    const QString text = longText(1000000);
    auto field = makeField();
    field->setText(text);
    field->applyColours(classColours(text, 255));
    for (auto _ : state)
        benchmark::DoNotOptimize(field->coloursOfAllPositions());
}

// What a loaded RTF file hands over: a colour change every two characters.
platform::StyledText twoCharacterRuns(const QString &text)
{
    platform::StyledText runs;
    for (int i = 0; i < text.size(); i += 2) {
        platform::CharFormat f;
        f.colour = (i / 2) % 2 ? 255 : 49152;
        runs.push_back({text.mid(i, 2), f});
    }
    return runs;
}

void BM_SetStyledText1M(benchmark::State &state)
{
    const platform::StyledText runs = twoCharacterRuns(longText(1000000));
    auto field = makeField();
    for (auto _ : state) {
        field->setStyledText(runs);
        finishLayout(*field);
    }
    state.counters["runs"] = double(runs.size());
}

void BM_StyledText1M(benchmark::State &state)
{
    auto field = makeField();
    field->setStyledText(twoCharacterRuns(longText(1000000)));
    for (auto _ : state)
        benchmark::DoNotOptimize(field->styledText());
}

BENCHMARK(BM_ColourFromPlain100K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTextAndColour100K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecolourOneClass100K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColourFromPlain1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SetTextAndColour1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PositionMapAll1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColoursOfAllPositions1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetStyledText1M)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_StyledText1M)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QTBENCH_MAIN()
