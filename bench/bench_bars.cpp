// Times drawing a group's bars as the window draws them while the user types: a box's text
// changes, every bar of its group takes the group's new values and renders into an image of its
// size, at scale 1 and 2. Prints the median time per keystroke against the target of at most 1 ms.
//
//   weather_bars_bench [benchmark flags]
#include "quotedrun.h"
#include "valuebars.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double TargetMs = 1.0;

// A group of `count` bars about as large as the window's (a row of 160 x 19 logical pixels
// each), drawn at `scale` device pixels per logical one; each drawing follows a keystroke in one
// of its boxes.
// cppcheck-suppress constParameter ; the loop over `state` runs the benchmark
void drawBars(benchmark::State& state, int count, int scale) {
    std::vector<std::unique_ptr<weather::ValueBar>> bars;
    for (int i = 0; i < count; ++i) {
        bars.push_back(std::make_unique<weather::ValueBar>());
        bars.back()->resize(160, 19);
    }
    QStringList texts = QStringList{"9", "16", "-16", "25", "16", "16", "2"}.mid(0, count);
    QImage image(bars.front()->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    int typed = 0;
    for (auto _ : state) {
        texts[typed % count] = QString::number(typed % 40 - 5); // one box, as typed
        ++typed;
        const weather::GroupValues values = weather::groupValues(texts);
        for (int i = 0; i < count; ++i) {
            bars[std::size_t(i)]->setValues(values, i);
            bars[std::size_t(i)]->render(&image);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

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
                "bars/" + std::to_string(count) + " bars/scale " + std::to_string(scale);
            benchmark::RegisterBenchmark(name.c_str(), [count, scale](benchmark::State& state) {
                drawBars(state, count, scale);
            })->Unit(benchmark::kMicrosecond);
        }
    }
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool met = true;
    std::printf(
        "\nDrawing a group's bars after a keystroke (wall time; the median when repeated):\n");
    for (const auto& [name, ms] : reporter.ms) {
        const bool ok = ms <= TargetMs;
        met = met && ok;
        std::printf("  %s: %.3f ms (target at most %g ms): %s\n", name.c_str(), ms, TargetMs,
                    ok ? "met" : "MISSED");
    }
    return met ? 0 : 1;
}
