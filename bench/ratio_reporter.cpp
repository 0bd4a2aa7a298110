#include "ratio_reporter.h"

#include <cstdio>

void RatioReporter::addRatio(std::string measured, std::string baseline, double target)
{
    m_ratios.push_back({std::move(measured), std::move(baseline), target, {}});
}

void RatioReporter::addCounterRatio(std::string measured, std::string baseline, std::string counter, double target)
{
    m_ratios.push_back({std::move(measured), std::move(baseline), target, std::move(counter)});
}

void RatioReporter::addReportedRatio(std::string measured, std::string baseline)
{
    m_ratios.push_back({std::move(measured), std::move(baseline), std::nullopt, {}});
}

void RatioReporter::addCeiling(std::string measured, double seconds)
{
    m_ceilings.push_back({std::move(measured), seconds});
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.iterations <= 0)
            continue;
        m_secondsPerIteration[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        for (const auto& [name, counter] : run.counters)
            m_counters[name][run.benchmark_name()] = counter.value;
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-76s %10s %8s\n", "ratio to baseline (same run)", "ratio", "target");
    for (const Ratio& ratio : m_ratios) {
        const std::map<std::string, double>& figures =
            ratio.counter.empty() ? m_secondsPerIteration : m_counters[ratio.counter];
        const auto measured = figures.find(ratio.measured);
        const auto baseline = figures.find(ratio.baseline);
        if (measured == figures.end() || baseline == figures.end() || baseline->second <= 0)
            continue;
        const double value = measured->second / baseline->second;
        const std::string name =
            ratio.measured + " / " + ratio.baseline + (ratio.counter.empty() ? "" : ", " + ratio.counter);
        if (!ratio.target)
            std::printf("%-76s %9.3gx %8s\n", name.c_str(), value, "-");
        else
            std::printf("%-76s %9.3gx %7.3gx %s\n", name.c_str(), value, *ratio.target,
                        value <= *ratio.target ? "within" : "OVER");
    }
    if (m_ceilings.empty())
        return;
    std::printf("\n%-76s %10s %8s\n", "time per iteration (us)", "time", "limit");
    for (const Ceiling& ceiling : m_ceilings) {
        const auto measured = m_secondsPerIteration.find(ceiling.measured);
        if (measured == m_secondsPerIteration.end())
            continue;
        std::printf("%-76s %10.2f %8.1f %s\n", ceiling.measured.c_str(), measured->second * 1e6, ceiling.seconds * 1e6,
                    measured->second <= ceiling.seconds ? "within" : "OVER");
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
