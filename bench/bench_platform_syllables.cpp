// Speed of the syllable colour window's colouring pass on a 50 KB text:
// syllable colours into the shown field, caret, SyllableList and count.
#include "editor/editoraccess.h"
#include "fonts/offeredfonts.h"
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "platform/scripteddialogs.h"
#include "platform/timers.h"
#include "soundcolours/soundcolourstate.h"
#include "syllables/syllablecolourwindow.h"
#include "syllables/syllablestate.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// The sample (syllables marked with soft hyphens) repeated up to `size`
// characters, line breaks CR LF.
QString longText(int size)
{
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/engines/sample_de.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    QString sample = QString::fromUtf8(file.readAll());
    sample.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QString text;
    text.reserve(size + sample.size());
    while (text.size() < size)
        text += sample;
    text.truncate(size);
    return text;
}

class BenchEditor : public editor::EditorAccess {
public:
    platform::RichTextField field;
    platform::RichTextField &workingTextField() override { return field; }
    std::vector<std::u16string> sentenceList() const override { return {}; }
    bool printerLocked() const override { return true; }
    QString currentFolder() const override { return {}; }
    QStringList listedFileNames() const override { return {}; }
    void refreshFileList() override {}
    bool loadRtfIntoWorkingText(const QString &) override { return false; }
    void showEditor(std::optional<QPoint>) override {}
    void setReadingFieldsFont(const QString &) override {}
};

struct Window {
    syllables::SyllableState state;
    soundcolours::SoundColourState soundState;
    fonts::OfferedFonts offered;
    BenchEditor editor;
    platform::ScriptedDialogs dialogs;
    platform::RecordingPrinter printer;
    platform::RecordingClipboard clipboard;
    platform::ManualTimers timers;
    syllables::SyllableColourWindow window{state, soundState, offered, editor, dialogs,
                                           printer, clipboard, timers};

    explicit Window(const QString &text)
    {
        editor.field.setText(text);
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

// "Alle mehrsilbigen Wörter" and back: the pass after a mode switch.
void BM_PassAfterModeSwitch50K(benchmark::State &state)
{
    Window w(longText(kSize));
    bool multi = false;
    for (auto _ : state) {
        multi = !multi;
        w.window.chooseCounting(multi ? textcore::SyllableCounting::MultiSyllableWords
                                      : textcore::SyllableCounting::AllSyllablesAlternating);
    }
}

// The same pass including the repaint that follows it on screen.
void BM_PassAndPaint50K(benchmark::State &state)
{
    Window w(longText(kSize));
    bool multi = false;
    for (auto _ : state) {
        multi = !multi;
        w.window.chooseCounting(multi ? textcore::SyllableCounting::MultiSyllableWords
                                      : textcore::SyllableCounting::AllSyllablesAlternating);
        w.window.repaint();
    }
}

} // namespace

BENCHMARK(BM_PassOnFreshText50K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassAfterModeSwitch50K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassAndPaint50K)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The window is shown; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
