// Times loading and saving a configuration file against what the same file costs without the
// file core: reading it and counting its lines, and writing its bytes through the same atomic save.
//
//   weather_bench [benchmark flags]     runs the benchmarks, then prints the ratios
//   weather_bench --write-largest FILE  writes the largest file the format allows and exits
#include "configfile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace weather;

namespace {

// A generated file: how many configurations and whether every field is as wide as it gets.
struct Sample {
    const char* name;
    int count;
    bool widest;
};

// The largest file: 10000 configurations, every value -32768 and every number of eleven
// characters. The typical one: two dozen configurations with everyday values.
constexpr Sample Largest{"largest", ConfigTable::MaxRecords, true};
constexpr Sample Typical{"typical", 24, false};
constexpr Sample Samples[] = {Largest, Typical};

constexpr const char* Regions[] = {"Northern Highlands", "Coastal Lowlands", "Central Plains",
                                   "Mountain Valley",    "Southern Islands", "River Delta"};

ConfigTable makeTable(const Sample& sample) {
    ConfigTable table;
    table.ConfigCount = sample.count;
    for (int k = 1; k <= sample.count; ++k) {
        WeatherConfig& config = table.Configs(k);
        config.Number = sample.widest ? std::numeric_limits<qint32>::min() + k - 1 : k - 1;
        config.Name = QByteArray(Regions[k % std::size(Regions)]) + " climate " +
                      QByteArray::number(k); // names of 25 to 40 bytes
        for (int s = 0; s < SeasonCount; ++s) {
            SeasonWeather& season = config.season(s);
            for (int p = 0; p < SeasonValueCount; ++p) {
                const int everyday = p == 0 ? 1 + 91 * s : (k * 7 + s * 13 + p * 5) % 45;
                season.at(p) = sample.widest ? std::numeric_limits<qint16>::min()
                                             : static_cast<qint16>(everyday);
            }
        }
    }
    return table;
}

// One sample on disk, with the table it holds and its bytes.
struct Fixture {
    ConfigTable table;
    QByteArray bytes;
    QString path;       // the file the load benchmarks read
    QString savePath;   // the file the save benchmarks replace
    ConfigTable loaded; // what the load benchmarks read into
};

std::optional<QString> writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return file.errorString();
    return std::nullopt;
}

// Reads the file, then finds every line end, as any reader must.
std::optional<FileError> readAndCountLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{path, 0, file.errorString()};
    const QByteArray data = file.readAll();
    qint64 lines = 0;
    const char* pos = data.constData();
    const char* const end = pos + data.size();
    while (const void* nl = std::memchr(pos, '\n', static_cast<size_t>(end - pos))) {
        pos = static_cast<const char*>(nl) + 1;
        ++lines;
    }
    benchmark::DoNotOptimize(lines);
    return std::nullopt;
}

// Registers "NAME/SAMPLE", timing `step` (which returns an error or nothing) once per iteration.
template <typename Step>
void registerStep(const std::string& name, const Sample& sample, const Fixture& f, Step step) {
    const auto body = [&f, step](benchmark::State& state) mutable {
        for (auto _ : state) {
            if (const auto error = step())
                state.SkipWithError(qPrintable(error->toString()));
        }
        state.SetBytesProcessed(state.iterations() * f.bytes.size());
    };
    benchmark::RegisterBenchmark((name + "/" + sample.name).c_str(), body)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->ComputeStatistics("min", [](const std::vector<double>& v) {
            return *std::min_element(v.begin(), v.end());
        });
}

void registerBenchmarks(const Sample& sample, Fixture& f) {
    registerStep("load", sample, f, [&f] { return loadConfigFile(f.path, f.loaded); });
    // The load without the reading of the file: where the time of a slow load goes.
    registerStep("parse", sample, f, [&f] { return parseConfig(f.bytes, f.loaded); });
    registerStep("load_floor", sample, f, [&f] { return readAndCountLines(f.path); });
    registerStep("save", sample, f, [&f] { return saveConfigFile(f.savePath, f.table); });
    registerStep("save_floor", sample, f,
                 [&f] { return writeFileAtomically(f.savePath, f.bytes); });
}

// Shows the runs as usual and keeps each benchmark's wall time per iteration, in seconds: the
// fastest repetition when the runs are repeated (other work on the machine only ever slows a run
// down, so the fastest is the one it disturbed least), else the single run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool fastest = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
            if (single || fastest)
                seconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    std::map<std::string, double> seconds;
};

struct Target {
    const char* operation;
    double limit;
};
constexpr Target Targets[] = {{"load", 4.0}, {"save", 2.0}};

// Prints "load/largest: 41.2 ms / 10.3 ms = 4.00x (target at most 4x)" for each pair measured.
// Returns false when a pair that was measured misses its target.
bool printRatios(const std::map<std::string, double>& seconds) {
    bool met = true;
    std::printf(
        "\nRatios to the floor (wall time per operation; of the fastest run when repeated):\n");
    for (const Sample& sample : Samples) {
        for (const Target& target : Targets) {
            const std::string suffix = std::string("/") + sample.name;
            const auto time = seconds.find(target.operation + suffix);
            const auto floor = seconds.find(target.operation + std::string("_floor") + suffix);
            if (time == seconds.end() || floor == seconds.end() || floor->second <= 0)
                continue;
            const double ratio = time->second / floor->second;
            const bool ok = ratio <= target.limit;
            met = met && ok;
            std::printf("  %s%s: %.3f ms / %.3f ms = %.2fx (target at most %gx): %s\n",
                        target.operation, suffix.c_str(), time->second * 1e3, floor->second * 1e3,
                        ratio, target.limit, ok ? "met" : "MISSED");
        }
    }
    return met;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-largest") == 0) {
        const QString path = QString::fromLocal8Bit(argv[2]);
        if (const auto error = writeFile(path, formatConfig(makeTable(Largest)))) {
            std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(*error));
            return 1;
        }
        return 0;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder: %s\n",
                     qPrintable(dir.errorString()));
        return 1;
    }
    std::vector<Fixture> fixtures(std::size(Samples));
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        const Sample& sample = Samples[i];
        Fixture& f = fixtures[i];
        f.table = makeTable(sample);
        f.bytes = formatConfig(f.table);
        f.path = dir.filePath(QString::fromLatin1(sample.name) + QStringLiteral(".cfg"));
        f.savePath = dir.filePath(QString::fromLatin1(sample.name) + QStringLiteral("-saved.cfg"));
        if (const auto error = writeFile(f.path, f.bytes)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(f.path), qPrintable(*error));
            return 1;
        }
        // The timings mean nothing unless the file reads back as the table it came from.
        ConfigTable loaded;
        if (const auto error = loadConfigFile(f.path, loaded)) {
            std::fprintf(stderr, "%s\n", qPrintable(error->toString()));
            return 1;
        }
        if (!(loaded == f.table)) {
            std::fprintf(stderr, "%s: the file does not read back as the table it was made from\n",
                         qPrintable(f.path));
            return 1;
        }
        std::printf("%s file: %d configurations, %lld bytes\n", sample.name, sample.count,
                    static_cast<long long>(f.bytes.size()));
        registerBenchmarks(sample, f);
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return printRatios(reporter.seconds) ? 0 : 1;
}
