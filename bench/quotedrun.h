// Which run of a benchmark the reports quote.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The median when the runs are repeated, else the single run; never a failed one.
inline bool isQuotedRun(const benchmark::BenchmarkReporter::Run& run) {
    using Run = benchmark::BenchmarkReporter::Run;
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    return !run.error_occurred && (single || median);
}

// Prints the runs as the console does and keeps the quoted time of each benchmark, in ms.
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
