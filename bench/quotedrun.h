// Which run of a benchmark the reports quote.
#pragma once

#include <benchmark/benchmark.h>

// The median when the runs are repeated, else the single run; never a failed one.
inline bool isQuotedRun(const benchmark::BenchmarkReporter::Run& run) {
    using Run = benchmark::BenchmarkReporter::Run;
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    return !run.error_occurred && (single || median);
}
