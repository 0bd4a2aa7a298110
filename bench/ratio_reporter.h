#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Prints the usual table, then each measured operation as a multiple of its baseline from the same run, so
// the figures compare across machines, and the operations held to an absolute limit against it.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // `measured` and `baseline` are benchmark names as registered; `target` is the ratio we aim to stay under.
    void addRatio(std::string measured, std::string baseline, double target);
    // The same, printed for comparison only, for an operation whose target is a time of its own.
    void addReportedRatio(std::string measured, std::string baseline);
    // `measured` must take at most `seconds` per iteration: a limit a user feels whatever the machine.
    void addCeiling(std::string measured, double seconds);
    // The same ratio of a counter that both benchmarks report (a memory figure) instead of their times.
    void addCounterRatio(std::string measured, std::string baseline, std::string counter, double target);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Ratio {
        std::string measured;
        std::string baseline;
        std::optional<double> target;  // none: printed for comparison only
        std::string counter;           // empty: the time per iteration
    };
    struct Ceiling {
        std::string measured;
        double seconds;
    };
    std::vector<Ratio> m_ratios;
    std::vector<Ceiling> m_ceilings;
    // Real seconds per iteration, whatever unit each benchmark prints in.
    std::map<std::string, double> m_secondsPerIteration;
    // Each counter by its name, and its value by the benchmark that reported it.
    std::map<std::string, std::map<std::string, double>> m_counters;
};

// Runs every registered benchmark with the ratios printed after them. Returns the process exit code.
int runBenchmarksWithRatios(int argc, char** argv, RatioReporter& reporter);
