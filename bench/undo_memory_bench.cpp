// What the editor's undo history holds in memory: 100 steps of Change Background with 2000 x 2000 pictures, as
// heap in use after the steps beyond what was in use before them, against the heap that one such picture takes,
// measured in the same run.

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QImage>
#include <QTemporaryDir>
#include <deque>
#include <functional>

#include "editor.h"
#include "editor_bench_services.h"
#include "prompts.h"
#include "pump.h"
#include "ratio_reporter.h"
#include "theme_writer.h"

namespace {

constexpr int kPictureSide = 2000;
constexpr int kSteps = 100;
const std::string kHeapCounter = "heap_MiB";

// Bytes the program has taken from the heap and not given back, mapped blocks included.
double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

void reportHeap(benchmark::State& state, double bytes)
{
    state.counters[kHeapCounter] = bytes / (1024.0 * 1024.0);
}

class IdlePump : public Pump {
public:
    void processPendingEvents() override {}
};

// A program folder with a small default theme, and `count` pictures of 2000 x 2000, each of a colour of its own.
// JPEG keeps the files small; the editor holds every picture decoded.
class BenchFolder {
public:
    explicit BenchFolder(int count)
    {
        ThemePackage theme;
        theme.objects.push_back(
            {10, 10, 5, 5, Surface(10, 10, kBlack), Surface(10, 10, kBlack), Surface(24, 22), Surface(24, 22, kBlack)});
        theme.background = Surface(320, 240);
        theme.boxPicture = Surface(40, 30, kBlack);
        theme.boxMask = Surface(40, 30, kBlack);
        writeThemePackage(programFolder() + "/Theme1", theme);
        for (int i = 0; i < count; ++i) {
            QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
            picture.fill(qRgb(i * 37 % 256, i * 11 % 256, 90 + i));
            const QString path = m_folder.filePath(QStringLiteral("picture%1.jpg").arg(i));
            picture.save(path, "JPEG");
            paths.push_back(path.toStdString());
        }
    }
    std::string programFolder() const { return m_folder.path().toStdString(); }
    std::vector<std::string> paths;

private:
    QTemporaryDir m_folder;
};

// The heap one picture takes, as the editor holds it.
void BM_OnePicture(benchmark::State& state)
{
    for (auto _ : state) {
        const double before = heapInUse();
        const Surface picture(kPictureSide, kPictureSide);
        reportHeap(state, heapInUse() - before);
        benchmark::DoNotOptimize(picture.row(0));
    }
}
BENCHMARK(BM_OnePicture)->Iterations(1);

// 100 steps of Change Background: with `distinct` pictures chosen in turn, from the editor at start-up.
void BM_HundredBackgrounds(benchmark::State& state)
{
    const int distinct = static_cast<int>(state.range(0));
    const BenchFolder folder(distinct);
    for (auto _ : state) {
        PrintingPrompts prompts("undo_memory_bench");
        IdlePump pump;
        BlindView view;
        NoGame game;
        Editor editor(folder.programFolder(), {prompts, pump, view, game});
        editor.start();
        for (int i = 0; i < kSteps; ++i)
            prompts.pictures.push_back(folder.paths[static_cast<std::size_t>(i % distinct)]);
        const double before = heapInUse();
        for (int i = 0; i < kSteps; ++i)
            editor.changeBackground();
        reportHeap(state, heapInUse() - before);
        if (editor.history().stepCount() != kSteps)
            state.SkipWithError("the steps were not all kept");
    }
}
BENCHMARK(BM_HundredBackgrounds)->Arg(2)->Arg(kSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    // Two pictures in turn are held once each; a hundred different ones, a hundred times one.
    reporter.addCounterRatio("BM_HundredBackgrounds/2/iterations:1", "BM_OnePicture/iterations:1", kHeapCounter, 2.5);
    reporter.addCounterRatio("BM_HundredBackgrounds/100/iterations:1", "BM_OnePicture/iterations:1", kHeapCounter,
                             101.0);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
