// Times loading and saving a configuration file, and importing and exporting its CSV, against what
// the same file costs without the file core: reading it and counting its lines, and writing its
// bytes through the same atomic save.
// Each operation and its floor run alternately, and the ratio of the two is printed at the end
// for the largest file the format allows and for a typical one.
//
//   weather_bench [benchmark flags]     runs the benchmarks, then prints the ratios
//   weather_bench --write-largest FILE [CHANGED]
//                                       writes the largest file the format allows and exits; with
//                                       CHANGED also one as long that differs in every number,
//                                       name and value (for timing --diff)
#include "configfile.h"
#include "csvfile.h"
#include "quotedrun.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <utility>
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

// With `changed`, every number, name and value differs from the table made without it, and the
// file is as long.
ConfigTable makeTable(const Sample& sample, bool changed = false) {
    ConfigTable table;
    table.ConfigCount = sample.count;
    for (int k = 1; k <= sample.count; ++k) {
        WeatherConfig& config = table.Configs(k);
        const int shift = changed ? ConfigTable::MaxRecords : 0; // as wide, all different
        config.Number =
            sample.widest ? std::numeric_limits<qint32>::min() + k - 1 + shift : k - 1 + shift;
        config.Name = QByteArray(Regions[k % std::size(Regions)]) +
                      (changed ? " Climate " : " climate ") +
                      QByteArray::number(k); // names of 25 to 40 bytes
        for (int s = 0; s < SeasonCount; ++s) {
            SeasonWeather& season = config.season(s);
            for (int p = 0; p < SeasonValueCount; ++p) {
                const int everyday = p == 0 ? 1 + 91 * s : (k * 7 + s * 13 + p * 5) % 45;
                season.at(p) = static_cast<qint16>(
                    (sample.widest ? std::numeric_limits<qint16>::min() : everyday) +
                    (changed ? 1 : 0));
            }
        }
    }
    return table;
}

// One sample on disk, with the table it holds and its bytes.
struct Fixture {
    ConfigTable table;
    QByteArray bytes;
    QString path;        // the file the load benchmarks read
    QString savePath;    // the file the save benchmarks replace
    ConfigTable loaded;  // what the load benchmarks read into
    QByteArray csv;      // the table's CSV
    QString csvPath;     // the CSV the import benchmarks read
    QString csvSavePath; // the CSV the export benchmarks replace
};

std::optional<QString> writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return file.errorString();
    return std::nullopt;
}

// Finds every line end, as any reader must.
std::optional<FileError> countLines(QByteArrayView data) {
    qint64 lines = 0;
    const char* pos = data.data();
    const char* const end = pos + data.size();
    while (const void* nl = std::memchr(pos, '\n', static_cast<size_t>(end - pos))) {
        pos = static_cast<const char*>(nl) + 1;
        ++lines;
    }
    benchmark::DoNotOptimize(lines);
    return std::nullopt;
}

std::optional<FileError> readAndCountLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{path, 0, file.errorString()};
    return countLines(file.readAll());
}

using Clock = std::chrono::steady_clock;

// Times `step`, which returns an error or nothing; adds its wall time to `seconds`.
template <typename Step> bool timeStep(benchmark::State& state, Step& step, double& seconds) {
    const Clock::time_point start = Clock::now();
    const auto error = step();
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    if (error)
        state.SkipWithError(qPrintable(error->toString()));
    return !error;
}

// Registers "NAME/SAMPLE", which times `operation` once per iteration and `floor` right after it
// each time, so that whatever else the machine is doing slows both alike. Reports the floor's
// time per operation ("floor_ms") and the ratio of the two; the CPU column covers both.
template <typename Operation, typename Floor>
void registerTimed(const std::string& name, const Sample& sample, const Fixture& f,
                   Operation operation, Floor floor) {
    const auto body = [&f, operation, floor](benchmark::State& state) mutable {
        double operationSeconds = 0;
        double floorSeconds = 0;
        for (auto _ : state) {
            const double before = operationSeconds;
            if (!timeStep(state, operation, operationSeconds) ||
                !timeStep(state, floor, floorSeconds))
                break;
            state.SetIterationTime(operationSeconds - before);
        }
        state.SetBytesProcessed(state.iterations() * f.bytes.size());
        if (floorSeconds > 0) {
            state.counters["floor_ms"] =
                benchmark::Counter(floorSeconds * 1e3, benchmark::Counter::kAvgIterations);
            state.counters["ratio"] = operationSeconds / floorSeconds;
        }
    };
    benchmark::RegisterBenchmark((name + "/" + sample.name).c_str(), body)
        ->Unit(benchmark::kMicrosecond)
        ->UseManualTime();
}

void registerBenchmarks(const Sample& sample, Fixture& f) {
    registerTimed(
        "load", sample, f, [&f] { return loadConfigFile(f.path, f.loaded); },
        [&f] { return readAndCountLines(f.path); });
    // The load without reading the file, against finding the line ends in memory: where the
    // time of a slow load goes.
    registerTimed(
        "parse", sample, f, [&f] { return parseConfig(f.bytes, f.loaded); },
        [&f] { return countLines(f.bytes); });
    registerTimed(
        "save", sample, f, [&f] { return saveConfigFile(f.savePath, f.table); },
        [&f] { return writeFileAtomically(f.savePath, f.bytes); });
    registerTimed(
        "import", sample, f, [&f] { return loadCsvFile(f.csvPath, f.loaded); },
        [&f] { return readAndCountLines(f.csvPath); });
    registerTimed(
        "export", sample, f, [&f] { return saveCsvFile(f.csvSavePath, f.table); },
        [&f] { return writeFileAtomically(f.csvSavePath, f.csv); });
}

// What the ratio lines report of one benchmark.
struct Figures {
    double seconds = 0;      // wall time per operation
    double floorSeconds = 0; // wall time of the floor per operation
    double ratio = 0;        // operation / floor
};

// Shows the runs as usual and keeps the figures of each benchmark that has a floor: the median
// when the runs are repeated, else the single run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto floor = run.counters.find("floor_ms");
            const auto ratio = run.counters.find("ratio");
            if (!isQuotedRun(run) || floor == run.counters.end() || ratio == run.counters.end())
                continue;
            figures[run.run_name.function_name] = {
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
                floor->second.value / 1e3, ratio->second.value};
        }
    }

    std::map<std::string, Figures> figures;
};

struct Target {
    const char* operation;
    double limit;
};
constexpr Target Targets[] = {{"load", 4.0}, {"save", 2.0}, {"import", 4.0}, {"export", 4.0}};

// Prints "load/largest: 41.2 ms, floor 10.3 ms: 4.00x (target at most 4x): met" for each
// benchmark measured. Returns false when one misses its target.
bool printRatios(const std::map<std::string, Figures>& figures) {
    bool met = true;
    std::printf("\nRatios to the floor (wall time per operation; the median when repeated):\n");
    for (const Sample& sample : Samples) {
        for (const Target& target : Targets) {
            const std::string name = target.operation + std::string("/") + sample.name;
            const auto found = figures.find(name);
            if (found == figures.end())
                continue;
            const Figures& f = found->second;
            const bool ok = f.ratio <= target.limit;
            met = met && ok;
            std::printf("  %s: %.3f ms, floor %.3f ms: %.2fx (target at most %gx): %s\n",
                        name.c_str(), f.seconds * 1e3, f.floorSeconds * 1e3, f.ratio, target.limit,
                        ok ? "met" : "MISSED");
        }
    }
    return met;
}

} // namespace

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--write-largest") == 0) {
        for (int i = 2; i < argc; ++i) {
            const bool changed = i == 3;
            const QString path = QString::fromLocal8Bit(argv[i]);
            if (const auto error = writeFile(path, formatConfig(makeTable(Largest, changed)))) {
                std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(*error));
                return 1;
            }
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
        f.csv = formatCsv(f.table);
        f.csvPath = dir.filePath(QString::fromLatin1(sample.name) + QStringLiteral(".csv"));
        f.csvSavePath =
            dir.filePath(QString::fromLatin1(sample.name) + QStringLiteral("-saved.csv"));
        for (const auto& [path, bytes] :
             {std::pair(f.path, f.bytes), std::pair(f.csvPath, f.csv)}) {
            if (const auto error = writeFile(path, bytes)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(*error));
                return 1;
            }
        }
        // The timings mean nothing unless the files read back as the table they came from.
        ConfigTable loaded;
        ConfigTable imported;
        const std::optional<FileError> errors[] = {loadConfigFile(f.path, loaded),
                                                   loadCsvFile(f.csvPath, imported)};
        const auto* failed = std::find_if(std::begin(errors), std::end(errors),
                                          [](const auto& error) { return error.has_value(); });
        if (failed != std::end(errors)) {
            std::fprintf(stderr, "%s\n", qPrintable((*failed)->toString()));
            return 1;
        }
        if (!(loaded == f.table) || !(imported == f.table)) {
            std::fprintf(stderr,
                         "%s: the files do not read back as the table they were made from\n",
                         qPrintable(f.path));
            return 1;
        }
        std::printf("%s file: %d configurations, %lld bytes, its CSV %lld bytes\n", sample.name,
                    sample.count, static_cast<long long>(f.bytes.size()),
                    static_cast<long long>(f.csv.size()));
        registerBenchmarks(sample, f);
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return printRatios(reporter.figures) ? 0 : 1;
}
