// The reading view on long texts: a key press until the field has repainted
// with syllable arcs and every spacing on (a reader types into a 100 KB
// text), and a ten-page PDF worksheet.
#include "platform/documentpages.h"
#include "platform/richtextfield.h"
#include "qtbench.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace platform;

namespace {

const ReadingView kEverything{true, LetterSpacing::Widest, WordSpacing::VeryWide, LineSpacing::OneAndAHalf};

// The marked sample text (soft hyphens between syllables) grown to `size`,
// every other word coloured, as after a sound colouring.
std::unique_ptr<RichTextField> markedField(int size, bool readingView, bool oneParagraph = false)
{
    QString sample = qtbench::testText("engines/sample_de.txt");
    if (oneParagraph)
        sample.replace(QStringLiteral("\r\n"), QStringLiteral("  "));
    const QString text = qtbench::repeatedTo(sample, size);
    auto field = std::make_unique<RichTextField>();
    field->setFieldFont(QStringLiteral("DejaVu Sans"), 16);
    std::vector<textcore::Colour> colours(size_t(text.size()));
    bool red = false;
    for (int i = 0; i < text.size(); ++i) {
        red = text.at(i) == u' ' ? !red : red;
        colours[size_t(i)] = red ? textcore::kRed : textcore::rgb(0, 0, 255);
    }
    field->setText(text);
    field->applyColours(colours);
    if (readingView)
        field->setReadingView(kEverything);
    return field;
}

void BM_KeyPressToRepaint100K(benchmark::State &state)
{
    // Bit 0: arcs and spacing on; bit 1: the whole text one paragraph, which
    // Qt lays out again as a whole at every key press.
    const bool view = state.range(0) & 1;
    const bool oneParagraph = state.range(0) & 2;
    auto field = markedField(100000, view, oneParagraph);
    field->resize(900, 700);
    field->show();
    benchmark::DoNotOptimize(field->document()->documentLayout()->documentSize());
    field->setSelStart(50000);
    field->ensureCursorVisible();
    field->viewport()->repaint();
    const int before = field->length();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(field.get(), &press);
        // The whole visible page, not only the changed line: the worst case.
        field->viewport()->repaint();
    }
    state.SetLabel(std::string(view ? "arcs and spacing" : "plain view") + (oneParagraph ? ", one paragraph" : ""));
    // Every press typed a letter: the measurement is not of a field that ignored the keys.
    state.counters["typed"] = double(field->length() - before) / double(state.iterations());
}

void BM_PdfOfTenPages(benchmark::State &state)
{
    // About ten A4 pages with arcs and the widest spacing at 16 points.
    auto field = markedField(9300, true);
    QByteArray pdf;
    for (auto _ : state) {
        pdf = pdfOfDocument(*field->document());
        benchmark::DoNotOptimize(pdf.data());
    }
    static const QRegularExpression page(QStringLiteral("/Type /Page[^s]"));
    state.counters["pages"] = double(QString::fromLatin1(pdf).count(page));
}

BENCHMARK(BM_KeyPressToRepaint100K)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfOfTenPages)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QTBENCH_MAIN()
