#include <benchmark/benchmark.h>

#include "build_mask.h"
#include "memcpy_baseline.h"
#include "ratio_reporter.h"
#include "surface.h"

namespace {

constexpr int kSide = 2000;
constexpr Rgb kKey = rgb(0, 160, 0);

// A large photo-like picture on a key-coloured ground: a disc of changing colours.
Surface keyedPicture()
{
    Surface picture(kSide, kSide, kKey);
    const int centre = kSide / 2;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if ((x - centre) * (x - centre) + (y - centre) * (y - centre) < centre * centre)
                picture.setPixel(x, y, rgb(x, y, x ^ y));
    return picture;
}

void BM_BuildMask2000(benchmark::State& state)
{
    const Surface source = keyedPicture();
    Surface pictureOut;
    Surface maskOut;
    for (auto _ : state) {
        buildMask(pictureOut, maskOut, source, kKey);
        benchmark::DoNotOptimize(maskOut.row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildMask2000)->Unit(benchmark::kMillisecond);

void BM_MemcpyPictureBytes(benchmark::State& state)
{
    runMemcpyBaseline(state, static_cast<std::size_t>(kSide) * kSide * sizeof(Rgb));
}
BENCHMARK(BM_MemcpyPictureBytes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    reporter.addRatio("BM_BuildMask2000", "BM_MemcpyPictureBytes", 4.0);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
