// Speed of the sound colour window on a 20-page text (50 KB): recolouring
// the preview after a palette field was dropped on a category, the 200 ms
// activation step (copy the WorkingText and colour it), and "Abbruch" with
// Yes copying every colour back. Layout is included: the document is laid
// out to its end and the visible part painted.
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "qtbench.h"
#include "session/session.h"
#include "soundcolours/soundcolourwindow.h"
#include "support/doubles.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTwentyPages = 50 * 1024;

// The German sample (with soft hyphens, as handed over) repeated to `size`.
QString longText(int size)
{
    return qtbench::repeatedTo(qtbench::testText("engines/sample_de.txt", qtbench::LineBreaks::AsInFile), size);
}

struct Fixture {
    Fixture()
    {
        state.specialGroupsText = u"ß,chs,";
        shared.workingText().attach(field);
        field.setText(longText(kTwentyPages));
        window = std::make_unique<soundcolours::SoundColourWindow>(shared, dialogs, printer, clipboard, timers);
        window->openAt(QPoint(0, 0));
        timers.fireAll();
        settle();
    }

    // Lays the whole document out and paints what the preview shows.
    void settle()
    {
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->preview().document()->size());
        benchmark::DoNotOptimize(window->preview().viewport()->grab());
    }

    platform::RichTextField field;
    session::Session shared{QString()};
    session::SoundColourState &state = shared.sound();
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrinter printer;
    testsupport::RecordingClipboard clipboard;
    testsupport::ManualTimers timers;
    std::unique_ptr<soundcolours::SoundColourWindow> window;
};

void BM_RecolourAfterDrop(benchmark::State &bench)
{
    Fixture f;
    // Orange and red in turn, so that every drop changes every capital.
    const QString fields[2] = {QStringLiteral("Farbe14"), QStringLiteral("Farbe3")};
    int turn = 0;
    for (auto _ : bench) {
        f.window->dropOnCategory(textcore::SoundClass::Capitals, fields[turn]);
        f.settle();
        turn = 1 - turn;
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * kTwentyPages * 2);
}
BENCHMARK(BM_RecolourAfterDrop)->Unit(benchmark::kMillisecond);

void BM_RecolourAfterVowelDrop(benchmark::State &bench)
{
    Fixture f;
    const QString fields[2] = {QStringLiteral("Farbe5"), QStringLiteral("Farbe9")};
    int turn = 0;
    for (auto _ : bench) {
        f.window->dropOnCategory(textcore::SoundClass::Vowels, fields[turn]);
        f.settle();
        turn = 1 - turn;
    }
}
BENCHMARK(BM_RecolourAfterVowelDrop)->Unit(benchmark::kMillisecond);

void BM_ActivationStep(benchmark::State &bench)
{
    Fixture f;
    for (auto _ : bench) {
        f.window->openAt(QPoint(0, 0));
        f.timers.fireAll();
        f.settle();
    }
}
BENCHMARK(BM_ActivationStep)->Unit(benchmark::kMillisecond);

void BM_CancelCopiesColours(benchmark::State &bench)
{
    Fixture f;
    const QString fields[2] = {QStringLiteral("Farbe14"), QStringLiteral("Farbe3")};
    int turn = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        f.window->openAt(QPoint(0, 0));
        f.timers.fireAll();
        f.window->dropOnCategory(textcore::SoundClass::Capitals, fields[turn]);
        turn = 1 - turn;
        f.dialogs.queueAnswer(platform::Answer::Yes);
        bench.ResumeTiming();
        f.window->cancel();
    }
}
BENCHMARK(BM_CancelCopiesColours)->Unit(benchmark::kMillisecond);

} // namespace

QTBENCH_MAIN()
