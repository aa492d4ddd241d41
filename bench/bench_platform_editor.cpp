// Separator display on a long text in the real editor window: showing and
// hiding must stay instant (target: 100 KB in at most 100 ms each way).
// Setting the syllable marks automatically, marks applied to the field
// included, takes at most 200 ms on 100 KB; the patterns load beforehand.
// The first marking of a one-page text, asked for 5 s after the program
// started, answers in at most 300 ms: the patterns load in the background.
#include "editor/editorwindow.h"
#include "editor/welcometext.h"
#include "platform/richtextfield.h"
#include "qtbench.h"
#include "session/session.h"
#include "support/doubles.h"
#include "syllabify/letters.h"
#include "syllabify/syllabifier.h"

#include <chrono>
#include <thread>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Setup {
    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    session::Session shared{dir.path()};
    std::unique_ptr<editor::EditorWindow> window;
    QString text;

    Setup()
    {
        window = std::make_unique<editor::EditorWindow>(shared, dialogs);
        window->setEndProgram([] {});
        window->startUpTimer().stop();
        dialogs.queueAnswer(platform::Answer::Ok); // no settings file here
        window->startUpStep();
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

// The separator button shows the separators while it reads "Trennzeichen aus".
void setSeparatorsShown(editor::EditorWindow &w, bool shown)
{
    auto *button = w.findChild<QPushButton *>(QStringLiteral("separatorButton"));
    if ((button->text() == QStringLiteral("Trennzeichen aus")) != shown)
        button->click();
}

void trigger(editor::EditorWindow &w, const char *action)
{
    w.findChild<QAction *>(QString::fromLatin1(action))->trigger();
}

void BM_ShowSeparators100KB(benchmark::State &state)
{
    editor::EditorWindow &w = *setup().window;
    platform::RichTextField &field = *w.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(setup().text);
        setSeparatorsShown(w, false);
        state.ResumeTiming();
        setSeparatorsShown(w, true);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * setup().text.size() * 2);
}
BENCHMARK(BM_ShowSeparators100KB)->Unit(benchmark::kMillisecond);

void BM_HideSeparators100KB(benchmark::State &state)
{
    editor::EditorWindow &w = *setup().window;
    platform::RichTextField &field = *w.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(setup().text);
        setSeparatorsShown(w, true);
        state.ResumeTiming();
        setSeparatorsShown(w, false);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * setup().text.size() * 2);
}
BENCHMARK(BM_HideSeparators100KB)->Unit(benchmark::kMillisecond);

void BM_ChooseSeparatorColour100KB(benchmark::State &state)
{
    editor::EditorWindow &w = *setup().window;
    w.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"))->setText(setup().text);
    bool blue = false;
    for (auto _ : state) {
        blue = !blue;
        trigger(w, blue ? "colourBlueEntry" : "colourRedEntry");
    }
}
BENCHMARK(BM_ChooseSeparatorColour100KB)->Unit(benchmark::kMillisecond);

QString withoutMarks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!syllabify::isBoundaryMark(c.unicode()))
            out += c;
    return out;
}

// About 100 KB of running text from the collected test words in random
// order: some thousand different words, so the marker's word cache helps
// far less than on the repeated welcome text.
QString wordListText()
{
    QStringList words;
    for (const char *name : {"heldout.txt", "tuning.txt", "welcome-words.txt"}) {
        QFile file(QStringLiteral(KOLORAT_TEST_DATA "/syllables/") + QString::fromLatin1(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
                words << withoutMarks(line.trimmed());
    }
    const QStringList glue{QStringLiteral(" "),  QStringLiteral(" und "), QStringLiteral(" die "),
                           QStringLiteral(", "), QStringLiteral(". "),    QStringLiteral("!\r\n")};
    QRandomGenerator random(11);
    QString text;
    while (!words.isEmpty() && text.size() < 100 * 1024)
        text += words[int(random.bounded(words.size()))] + glue[int(random.bounded(glue.size()))];
    return text;
}

// range(0): 0 the welcome text without its marks, repeated, in the field's
// default format; 1 the word-list text with every letter in a colour of
// its own, as after colouring by sounds.
void BM_SetSyllablesAutomatically100KB(benchmark::State &state)
{
    editor::EditorWindow &w = *setup().window;
    platform::RichTextField &field = *w.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
    static const auto syllabifier = std::make_shared<syllabify::Syllabifier>();
    if (!syllabifier->isReady()) {
        state.SkipWithError("no hyphenation patterns");
        return;
    }
    w.setSyllabifier(syllabifier);
    const bool coloured = state.range(0) == 1;
    const QString text = coloured ? wordListText() : withoutMarks(setup().text);
    std::vector<textcore::Colour> colours;
    for (qsizetype i = 0; coloured && i < text.size(); ++i)
        colours.push_back(textcore::rgb(unsigned(i * 37 % 256), unsigned(i * 91 % 256), 128));
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(text);
        if (coloured)
            field.applyColours(colours);
        state.ResumeTiming();
        trigger(w, "autoSyllablesEntry");
    }
    state.counters["marks"] = double(field.text().size() - text.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size() * 2);
}
BENCHMARK(BM_SetSyllablesAutomatically100KB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The first "Silben automatisch setzen" of a program that started range(0)
// seconds ago, on a page of about 3000 characters of varied words: the
// patterns were asked for in the background when the window came up, as
// the program does, with (range(1) = 1) or without a prepared copy in the
// cache folder from an earlier run. Wall-clock time, since the loading runs
// on a worker thread the teacher waits for.
void BM_FirstMarkingOfAPage(benchmark::State &state)
{
    const QString page = wordListText().left(3000);
    if (!std::make_unique<syllabify::Syllabifier>()->isReady()) {
        state.SkipWithError("no hyphenation patterns");
        return;
    }
    QTemporaryDir cacheFolder;
    const QString cache = state.range(1) ? cacheFolder.filePath(QStringLiteral("silbenmuster.table")) : QString();
    if (state.range(1))
        syllabify::Syllabifier(syllabify::defaultPatternFile, {1, 1, true, cache.toStdString()});
    for (auto _ : state) {
        state.PauseTiming();
        testsupport::ScriptedDialogs dialogs;
        QTemporaryDir dir;
        session::Session shared(dir.path());
        editor::EditorWindow w(shared, dialogs);
        platform::RichTextField &field = *w.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
        w.setEndProgram([] {});
        w.setPatternCache(cache);
        w.preloadSyllabifier();
        std::this_thread::sleep_for(std::chrono::seconds(state.range(0)));
        field.setText(page);
        state.ResumeTiming();
        trigger(w, "autoSyllablesEntry");
        state.PauseTiming();
        if (field.text().size() <= page.size())
            state.SkipWithError("no marks set");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstMarkingOfAPage)
    ->ArgNames({"seconds", "cached"})
    ->Args({5, 1})
    ->Args({0, 1})
    ->Args({5, 0})
    ->Args({0, 0})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return qtbench::runBenchmarks(
        argc, argv, [] { g_setup = std::make_unique<Setup>(); }, [] { g_setup.reset(); });
}
