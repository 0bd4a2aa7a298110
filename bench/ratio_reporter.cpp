#include "ratio_reporter.h"

#include <cstdio>

void RatioReporter::addRatio(std::string measured, std::string baseline, double target)
{
    m_ratios.push_back({std::move(measured), std::move(baseline), target});
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && run.iterations > 0)
            m_timePerIteration[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-52s %10s %8s\n", "ratio to baseline (same run)", "ratio", "target");
    for (const Ratio& ratio : m_ratios) {
        const auto measured = m_timePerIteration.find(ratio.measured);
        const auto baseline = m_timePerIteration.find(ratio.baseline);
        if (measured == m_timePerIteration.end() || baseline == m_timePerIteration.end() || baseline->second <= 0)
            continue;
        const double value = measured->second / baseline->second;
        std::printf("%-52s %9.2fx %7.1fx %s\n", (ratio.measured + " / " + ratio.baseline).c_str(), value, ratio.target,
                    value <= ratio.target ? "within" : "OVER");
    }
}

int runBenchmarksWithRatios(int argc, char** argv, RatioReporter& reporter)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
