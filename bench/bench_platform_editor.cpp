// Separator display on a long text in the real editor window: showing and
// hiding must stay instant (target: 100 KB in at most 100 ms each way).
#include "editor/editorwindow.h"
#include "editor/program.h"
#include "editor/welcometext.h"
#include "platform/richtextfield.h"
#include "platform/scripteddialogs.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Setup {
    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<editor::Program> program;
    QString text;

    Setup()
    {
        program = std::make_unique<editor::Program>(dialogs, dir.path());
        program->editor().setEndProgram([] {});
        program->editor().startUpTimer().stop();
        dialogs.queueAnswer(platform::Answer::Ok); // no settings file here
        program->editor().startUpStep();
        // About 100 KB of marked German text, about one mark in five characters.
        const QString block = editor::welcomeText();
        while (text.size() < 100 * 1024)
            text += block;
    }
};

// Lives inside main, so the window goes before the application does.
std::unique_ptr<Setup> g_setup;

Setup &setup()
{
    return *g_setup;
}

void BM_ShowSeparators100KB(benchmark::State &state)
{
    editor::EditorWindow &w = setup().program->editor();
    platform::RichTextField &field = w.workingTextField();
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(setup().text);
        w.hideSeparators();
        state.ResumeTiming();
        w.showSeparators();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * setup().text.size() * 2);
}
BENCHMARK(BM_ShowSeparators100KB)->Unit(benchmark::kMillisecond);

void BM_HideSeparators100KB(benchmark::State &state)
{
    editor::EditorWindow &w = setup().program->editor();
    platform::RichTextField &field = w.workingTextField();
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(setup().text);
        state.ResumeTiming();
        w.hideSeparators();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * setup().text.size() * 2);
}
BENCHMARK(BM_HideSeparators100KB)->Unit(benchmark::kMillisecond);

void BM_ChooseSeparatorColour100KB(benchmark::State &state)
{
    editor::EditorWindow &w = setup().program->editor();
    w.workingTextField().setText(setup().text);
    bool blue = false;
    for (auto _ : state) {
        blue = !blue;
        w.chooseSeparatorColour(blue ? textcore::rgb(0, 0, 255) : textcore::kRed);
    }
}
BENCHMARK(BM_ChooseSeparatorColour100KB)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    g_setup = std::make_unique<Setup>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_setup.reset();
    return 0;
}
