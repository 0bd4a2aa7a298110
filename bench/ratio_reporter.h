#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual table, then each measured operation as a multiple of its baseline from the same run, so
// the figures compare across machines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // `measured` and `baseline` are benchmark names as registered; `target` is the ratio we aim to stay under.
    void addRatio(std::string measured, std::string baseline, double target);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Ratio {
        std::string measured;
        std::string baseline;
        double target;
    };
    std::vector<Ratio> m_ratios;
    std::map<std::string, double> m_timePerIteration;
};

// Runs every registered benchmark with the ratios printed after them. Returns the process exit code.
int runBenchmarksWithRatios(int argc, char** argv, RatioReporter& reporter);
