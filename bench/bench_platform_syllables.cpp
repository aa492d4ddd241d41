// Speed of the syllable colour window's colouring pass on a 50 KB text:
// syllable colours into the shown field, caret, SyllableList and count.
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "qtbench.h"
#include "session/session.h"
#include "support/doubles.h"
#include "syllables/syllablecolourwindow.h"

#include <QListWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The sample (syllables marked with soft hyphens) repeated up to `size`
// characters, line breaks CR LF.
QString longText(int size)
{
    return qtbench::repeatedTo(qtbench::testText("engines/sample_de.txt"), size);
}

struct Window {
    platform::RichTextField field;
    session::Session shared{QString()};
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrinter printer;
    testsupport::RecordingClipboard clipboard;
    testsupport::ManualTimers timers;
    syllables::SyllableColourWindow window{shared, dialogs, printer, clipboard, timers};

    explicit Window(const QString &text)
    {
        shared.workingText().attach(field);
        field.setText(text);
        window.openAt(QPoint(0, 0));
        timers.fireAll();
        QCoreApplication::processEvents();
    }
};

constexpr int kSize = 50 * 1024;

// The text has just arrived uncoloured: every character changes colour.
void BM_PassOnFreshText50K(benchmark::State &state)
{
    const QString text = longText(kSize);
    Window w(text);
    for (auto _ : state) {
        state.PauseTiming();
        w.window.textField()->setText(text);
        state.ResumeTiming();
        w.window.colourPass();
    }
    state.counters["syllables"] = double(w.window.syllableListWidget()->count());
}

// "Alle mehrsilbigen Wörter" and back, so that every switch recolours.
void switchCounting(Window &w, bool &multi)
{
    multi = !multi;
    w.window.chooseCounting(multi ? textcore::SyllableCounting::MultiSyllableWords
                                  : textcore::SyllableCounting::AllSyllablesAlternating);
}

// The pass after a mode switch.
void BM_PassAfterModeSwitch50K(benchmark::State &state)
{
    Window w(longText(kSize));
    bool multi = false;
    for (auto _ : state)
        switchCounting(w, multi);
}

// The same pass including the repaint that follows it on screen.
void BM_PassAndPaint50K(benchmark::State &state)
{
    Window w(longText(kSize));
    bool multi = false;
    for (auto _ : state) {
        switchCounting(w, multi);
        w.window.repaint();
    }
}

} // namespace

BENCHMARK(BM_PassOnFreshText50K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassAfterModeSwitch50K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassAndPaint50K)->Unit(benchmark::kMillisecond);

QTBENCH_MAIN()
