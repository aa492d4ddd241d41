// RTF speed on a long coloured text: 1 MB of characters whose colour changes
// every two characters, as a sound-coloured text has it.
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

platform::StyledText colouredText(qsizetype characters)
{
    const QString sample = QStringLiteral("Wil\u00ADkom\u00ADmen bei Ko\u00ADlo\u00ADrat! Äpfel, Öl und Übermut, "
                                          "die Straße entlang für 5 €.\r\n");
    const textcore::Colour palette[] = {255, 16711680, 32768, 8388736, 0, 33023};
    platform::StyledText text;
    text.reserve(static_cast<std::size_t>(characters / 2 + 1));
    qsizetype pos = 0;
    std::size_t i = 0;
    while (pos < characters) {
        platform::CharFormat f;
        f.colour = palette[i % std::size(palette)];
        f.fontName = QStringLiteral("Arial");
        f.pointSize = 14;
        QString piece;
        for (int k = 0; k < 2; ++k)
            piece += sample.at((pos + k) % sample.size());
        // A CR LF pair stays inside one run.
        if (piece.endsWith(u'\r')) {
            piece += u'\n';
            ++pos;
        }
        pos += 2;
        text.push_back({piece, f});
        ++i;
    }
    return text;
}

const platform::StyledText &megabyte()
{
    static const platform::StyledText text = colouredText(1 << 20);
    return text;
}

void BM_WriteRtf1MB(benchmark::State &state)
{
    const platform::StyledText &text = megabyte();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = platform::writeRtf(text);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
    state.counters["runs"] = static_cast<double>(text.size());
}

void BM_ReadRtf1MB(benchmark::State &state)
{
    const QByteArray rtf = platform::writeRtf(megabyte());
    if (const char *out = std::getenv("KOLORAT_BENCH_RTF_OUT")) {
        // For comparing with other programs' conversion time of the same file.
        QFile file(QString::fromLocal8Bit(out));
        if (file.open(QIODevice::WriteOnly))
            file.write(rtf);
    }
    for (auto _ : state) {
        const textcore::Result<platform::StyledText> result = platform::readRtf(rtf);
        benchmark::DoNotOptimize(result.value().data());
    }
}

} // namespace

BENCHMARK(BM_WriteRtf1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRtf1MB)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
