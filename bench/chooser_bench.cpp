// The theme chooser over fifty themes, in a real window: how soon it is visible, with its previews' cache cold
// and warm, and how soon every preview is drawn, once the cache is warm and, for comparison, with a cold one;
// each against listing the fifty folder names, in the same run. chooser_bench.sh runs it under a virtual X
// server with a window manager.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QWindow>
#include <functional>

#include "qt_prompts.h"
#include "ratio_reporter.h"
#include "theme_chooser.h"
#include "theme_folders.h"
#include "theme_locations.h"

namespace {

constexpr int kThemeCount = 50;
constexpr int kPatienceMs = 60000;
const std::string kCurrentTheme = "Theme1";

// A program folder of fifty themes, copies of the shipped ones in turn, and a cache folder for their previews.
class BenchThemes {
public:
    static BenchThemes& instance()
    {
        static BenchThemes themes;
        return themes;
    }
    std::string programFolder() const { return m_folder.filePath("program").toStdString(); }
    std::string cacheFolder() const { return m_folder.filePath("previews").toStdString(); }
    void clearCache() const { QDir(QString::fromStdString(cacheFolder())).removeRecursively(); }

private:
    BenchThemes()
    {
        const QString program = m_folder.filePath("program");
        QDir().mkpath(program);
        const QString shipped = QStringLiteral(VANTOR_PROGRAM_FOLDER);
        QProcess::execute("cp", {"-r", shipped + "/Theme1", program});
        for (int i = 1; i < kThemeCount; ++i)
            QProcess::execute("cp", {"-r", shipped + (i % 2 ? "/Workshop" : "/Theme1"),
                                     program + QStringLiteral("/Theme %1").arg(i, 2, 10, QLatin1Char('0'))});
    }
    QTemporaryDir m_folder;
};

// Lets the window system and the chooser's worker deliver events until `done` holds; false when it never did.
bool processEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer patience;
    patience.start();
    while (!done()) {
        if (patience.elapsed() > kPatienceMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A chooser on the fifty themes, opened and measured by `measure`, which returns the seconds it took or nothing
// when it failed; the chooser's worker finishes before the next opening.
void measureOpenings(benchmark::State& state, bool warmCache,
                     const std::function<std::optional<double>(ThemeChooser&, const QElapsedTimer&)>& measure)
{
    BenchThemes& themes = BenchThemes::instance();
    const ThemeLocations locations = ThemeLocations::portable(themes.programFolder());
    QtPrompts prompts(nullptr, "Vantor", {});
    for (auto _ : state) {
        themes.clearCache();
        if (warmCache) {
            ThemeChooser warming(locations, kCurrentTheme, themes.cacheFolder(), prompts);
            bool warm = false;
            QObject::connect(&warming, &ThemeChooser::allSummariesShown, [&warm] { warm = true; });
            warming.show();
            processEventsUntil([&warm] { return warm; });
        }
        QThreadPool::globalInstance()->waitForDone();
        QElapsedTimer clock;
        clock.start();
        std::optional<double> seconds;
        {
            ThemeChooser chooser(locations, kCurrentTheme, themes.cacheFolder(), prompts);
            seconds = measure(chooser, clock);
        }
        QThreadPool::globalInstance()->waitForDone();
        if (!seconds) {
            state.SkipWithError("the chooser did not show what was waited for");
            return;
        }
        state.SetIterationTime(*seconds);
    }
}

std::optional<double> untilVisible(ThemeChooser& chooser, const QElapsedTimer& clock)
{
    chooser.show();
    if (!processEventsUntil([&chooser] { return chooser.windowHandle() && chooser.windowHandle()->isExposed(); }))
        return std::nullopt;
    return clock.nsecsElapsed() / 1e9;
}

// Every row's thumbnail and the selected theme's picture have come, and the list has been painted since.
std::optional<double> untilEveryPreviewIsDrawn(ThemeChooser& chooser, const QElapsedTimer& clock)
{
    PaintCounter listPaints;
    chooser.list()->viewport()->installEventFilter(&listPaints);
    bool summaries = false;
    bool picture = false;
    int paintsBeforeLastSummary = 0;
    QObject::connect(&chooser, &ThemeChooser::allSummariesShown, [&] {
        summaries = true;
        paintsBeforeLastSummary = listPaints.paints;
    });
    QObject::connect(&chooser, &ThemeChooser::pictureShown, [&picture] { picture = true; });
    chooser.show();
    if (!processEventsUntil([&] { return summaries && picture && listPaints.paints > paintsBeforeLastSummary; }))
        return std::nullopt;
    return clock.nsecsElapsed() / 1e9;
}

void BM_ListFiftyFolderNames(benchmark::State& state)
{
    const std::string folder = BenchThemes::instance().programFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(listThemeFolders(folder));
}

void BM_ChooserVisibleColdCache(benchmark::State& state)
{
    measureOpenings(state, false, untilVisible);
}

void BM_ChooserVisibleWarmCache(benchmark::State& state)
{
    measureOpenings(state, true, untilVisible);
}

void BM_EveryPreviewDrawnWarmCache(benchmark::State& state)
{
    measureOpenings(state, true, untilEveryPreviewIsDrawn);
}

void BM_EveryPreviewDrawnColdCache(benchmark::State& state)
{
    measureOpenings(state, false, untilEveryPreviewIsDrawn);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("BM_ListFiftyFolderNames", BM_ListFiftyFolderNames);
    benchmark::RegisterBenchmark("BM_ChooserVisibleColdCache", BM_ChooserVisibleColdCache)->UseManualTime();
    benchmark::RegisterBenchmark("BM_ChooserVisibleWarmCache", BM_ChooserVisibleWarmCache)->UseManualTime();
    benchmark::RegisterBenchmark("BM_EveryPreviewDrawnWarmCache", BM_EveryPreviewDrawnWarmCache)->UseManualTime();
    benchmark::RegisterBenchmark("BM_EveryPreviewDrawnColdCache", BM_EveryPreviewDrawnColdCache)
        ->UseManualTime()
        ->Iterations(5);
    RatioReporter reporter;
    for (const char* measured :
         {"BM_ChooserVisibleColdCache/manual_time", "BM_ChooserVisibleWarmCache/manual_time",
          "BM_EveryPreviewDrawnWarmCache/manual_time", "BM_EveryPreviewDrawnColdCache/iterations:5/manual_time"})
        reporter.addReportedRatio(measured, "BM_ListFiftyFolderNames");
    reporter.addCeiling("BM_ChooserVisibleColdCache/manual_time", 0.100);
    reporter.addCeiling("BM_ChooserVisibleWarmCache/manual_time", 0.100);
    reporter.addCeiling("BM_EveryPreviewDrawnWarmCache/manual_time", 0.300);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
