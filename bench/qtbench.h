#pragma once
// What every window benchmark needs around its measurements: the sample
// texts from tests/data grown to a size, and a main that runs the
// benchmarks inside a QApplication without a display.
#include <QApplication>
#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace qtbench {

enum class LineBreaks {
    AsInFile,
    CrLf
};

// The UTF-8 file tests/data/<path>. A benchmark without its text measures
// nothing, so a missing file ends the program.
inline QString testText(const char *path, LineBreaks breaks = LineBreaks::CrLf)
{
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/") + QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    QString text = QString::fromUtf8(file.readAll());
    if (breaks == LineBreaks::CrLf)
        text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

// `sample` repeated and cut to exactly `size` characters.
inline QString repeatedTo(const QString &sample, qsizetype size)
{
    QString text;
    text.reserve(size + sample.size());
    while (text.size() < size)
        text += sample;
    text.truncate(size);
    return text;
}

// Runs the benchmarks the command line asks for. Widgets need the
// application; the offscreen platform needs no display unless
// QT_QPA_PLATFORM asks for another one. `setUp` runs once the application
// exists, `tearDown` before it goes, for what has to outlive single runs.
inline int runBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {},
                         const std::function<void()> &tearDown = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (setUp)
        setUp();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (tearDown)
        tearDown();
    return 0;
}

} // namespace qtbench

#define QTBENCH_MAIN()                                                                                                 \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        return qtbench::runBenchmarks(argc, argv);                                                                     \
    }
