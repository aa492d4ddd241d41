// Speaks a German text into a WAV file instead of a sound device and prints
// every word as one JSON line: the word, its UTF-16 start and length in the
// text, and where it begins in the audio.
#include "platform/espeaksynthesizer.h"
#include "textcore/readaloud.h"
#include "textcore/utf8.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fputs("Aufruf: kolorat-speak [--rate langsam|mittel|normal] [--wav AUSGABE.wav] TEXT\n", stderr);
    return 2;
}

std::string json(const std::string &utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void putLittleEndian(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xFF));
}

bool writeWav(const std::string &path, const std::vector<std::int16_t> &samples)
{
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    const std::uint32_t rate = platform::EspeakSynthesizer::kSampleRate;
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4); // format chunk size
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, rate, 4);
    putLittleEndian(out, rate * 2, 4); // bytes per second
    putLittleEndian(out, 2, 2);        // bytes per frame
    putLittleEndian(out, 16, 2);       // bits per sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        putLittleEndian(out, std::uint16_t(sample), 2);
    return bool(out.flush());
}

} // namespace

int main(int argc, char *argv[])
{
    textcore::SpeechRate rate = textcore::SpeechRate::Normal;
    std::string wavPath;
    std::string textArg;
    bool haveText = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rate" && i + 1 < argc) {
            const auto name = textcore::decodeUtf8(argv[++i]);
            const auto chosen = name ? textcore::SpeechRateFromName(*name) : std::nullopt;
            if (!chosen)
                return usage();
            rate = *chosen;
        } else if (arg == "--wav" && i + 1 < argc) {
            wavPath = argv[++i];
        } else if (!haveText) {
            textArg = arg;
            haveText = true;
        } else {
            return usage();
        }
    }
    const std::optional<std::u16string> text = textcore::decodeUtf8(textArg);
    if (!haveText || !text) {
        if (haveText)
            std::fputs("Der Text ist kein gültiges UTF-8.\n", stderr);
        return usage();
    }

    std::vector<std::int16_t> samples;
    const bool spoken = platform::EspeakSynthesizer::synthesize(
        *text, false, textcore::WordsPerMinute(rate), [&](const platform::SpeechChunk &chunk) {
            samples.insert(samples.end(), chunk.samples, chunk.samples + chunk.sampleCount);
            for (const platform::SpokenWord &word : chunk.words) {
                const std::u16string_view spokenWord = std::u16string_view(*text).substr(word.start, word.length);
                const std::string utf8 = textcore::encodeUtf8(spokenWord);
                std::printf("{\"word\":%s,\"start\":%zu,\"length\":%zu,\"ms\":%d}\n", json(utf8).c_str(), word.start,
                            word.length, word.milliseconds);
            }
            return true;
        });
    if (!spoken) {
        std::fputs("Die deutsche Sprachausgabe (eSpeak NG mit deutscher Stimme) ist nicht installiert.\n", stderr);
        return 1;
    }
    if (!wavPath.empty() && !writeWav(wavPath, samples)) {
        std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden.\n", wavPath.c_str());
        return 1;
    }
    return 0;
}
