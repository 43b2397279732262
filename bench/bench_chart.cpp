// Times drawing one column chart as the window draws it while the user types: the box texts
// change, then the chart renders into an image of its size, at scale 1 and 2. Prints the median
// time per drawing against the target of at most 1 ms.
//
//   weather_chart_bench [benchmark flags]
#include "columnchart.h"
#include "quotedrun.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double TargetMs = 1.0;

// A chart of `count` bars about as large as the window's (130 x 40 logical pixels), drawn at
// `scale` device pixels per logical one; each drawing follows a keystroke in one of its boxes.
// cppcheck-suppress constParameter ; the loop over `state` runs the benchmark
void drawChart(benchmark::State& state, int count, int scale) {
    const QStringList captions = {"Freezing", "Cold", "Mild", "Fine", "Warm", "Hot", "Very Hot"};
    weather::ColumnChart chart;
    chart.resize(130, 40);
    chart.setCaptions(captions.mid(0, count));
    QStringList texts = QStringList{"9", "16", "16", "25", "16", "16", "2"}.mid(0, count);
    QImage image(chart.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    int typed = 0;
    for (auto _ : state) {
        texts[typed % count] = QString::number(typed % 40); // one box, as typed
        ++typed;
        chart.setTexts(texts);
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Keeps the median time per drawing of each benchmark.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (isQuotedRun(run))
                ms[run.run_name.function_name] = run.GetAdjustedRealTime() /
                                                 benchmark::GetTimeUnitMultiplier(run.time_unit) *
                                                 1e3;
        }
    }

    std::map<std::string, double> ms;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    for (const int count : {5, 7}) {
        for (const int scale : {1, 2}) {
            const std::string name =
                "chart/" + std::to_string(count) + " bars/scale " + std::to_string(scale);
            benchmark::RegisterBenchmark(name.c_str(), [count, scale](benchmark::State& state) {
                drawChart(state, count, scale);
            })->Unit(benchmark::kMicrosecond);
        }
    }
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool met = true;
    std::printf("\nDrawing one chart (wall time per drawing; the median when repeated):\n");
    for (const auto& [name, ms] : reporter.ms) {
        const bool ok = ms <= TargetMs;
        met = met && ok;
        std::printf("  %s: %.3f ms (target at most %g ms): %s\n", name.c_str(), ms, TargetMs,
                    ok ? "met" : "MISSED");
    }
    return met ? 0 : 1;
}
