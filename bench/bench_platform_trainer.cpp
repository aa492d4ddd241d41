// Speed of a trainer step as the learner sees it: from the key press on the
// key field to the coloured reading field, on a sentence of a 1 MB text, in
// both trainers. One frame (16 ms) is the budget.
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "qtbench.h"
#include "session/session.h"
#include "support/doubles.h"
#include "trainer/trainerwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTextSize = 1 << 20;

// The sample story repeated to `size` characters, CR LF line breaks, with a
// soft hyphen after the third letter of every word of six letters or more,
// as the editor hands a hyphenated text over.
QString longText(int size)
{
    QString sample = qtbench::testText("platform/lesetext.txt");
    sample.replace(QRegularExpression(QStringLiteral("\\b(\\w{3})(\\w{3,})")), QStringLiteral("\\1\u00AD\\2"));
    return qtbench::repeatedTo(sample, size);
}

class SilentDialogs : public platform::Dialogs {
public:
    platform::Answer message(const platform::MessageRequest &request) override
    {
        return platform::effectiveDefault(request);
    }
    QString input(const QString &, const QString &, const QString &) override { return QString(); }
};

struct Setup {
    platform::RichTextField field;
    SilentDialogs dialogs;
    testsupport::ManualTimers timers;
    session::Session shared{QString()};
    std::unique_ptr<trainer::TrainerWindow> windows[2];

    Setup()
    {
        const QString text = longText(kTextSize);
        shared.workingText().attach(field);
        field.setText(text);
        shared.workingText().buildSentenceList();
        shared.sound().specialGroupsText = u"sch,ch,ei,ie,";
        for (auto kind : {trainer::TrainerKind::Sounds, trainer::TrainerKind::Syllables}) {
            auto &w = windows[kind == trainer::TrainerKind::Sounds ? 0 : 1];
            w = std::make_unique<trainer::TrainerWindow>(kind, shared, dialogs, timers);
            w->open();
        }
    }
};

// Widgets must go before the application object does.
std::unique_ptr<Setup> g_setup;

Setup &setup()
{
    if (!g_setup)
        g_setup = std::make_unique<Setup>();
    return *g_setup;
}

// One key press on the key field, then whatever the event loop has to do
// to get the field on screen (layout and paint on the offscreen surface).
void pressKey(trainer::TrainerWindow &window, Qt::Key key)
{
    QWidget *keyField = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(keyField, &press);
    QApplication::sendEvent(keyField, &release);
    QApplication::processEvents();
}

void BM_TrainerKey(benchmark::State &state, Qt::Key key)
{
    trainer::TrainerWindow &window = *setup().windows[state.range(0)];
    // Start every run in the middle of the text.
    for (int i = 0; i < 5000; ++i)
        window.pressKey(36);
    for (auto _ : state)
        pressKey(window, key);
    state.SetLabel(state.range(0) == 0 ? "sound trainer" : "syllable trainer");
}

// Opening shows and colours the whole text: not a per-key cost, but the
// learner waits for it once.
void BM_TrainerOpen(benchmark::State &state)
{
    trainer::TrainerWindow &window = *setup().windows[state.range(0)];
    for (auto _ : state) {
        window.open();
        QApplication::processEvents();
    }
    state.SetLabel(state.range(0) == 0 ? "sound trainer" : "syllable trainer");
}

} // namespace

BENCHMARK(BM_TrainerOpen)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrainerKey, sentence_home, Qt::Key_Home)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrainerKey, word_end, Qt::Key_End)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrainerKey, syllable_up, Qt::Key_Up)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrainerKey, letter_down, Qt::Key_Down)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrainerKey, font_larger_right, Qt::Key_Right)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return qtbench::runBenchmarks(argc, argv, {}, [] { g_setup.reset(); });
}
