#include <benchmark/benchmark.h>

#include "frame_composer.h"
#include "game_state.h"
#include "hit_tests.h"
#include "mask_bits.h"
#include "memcpy_baseline.h"
#include "ratio_reporter.h"
#include "surface.h"

namespace {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kObjectSide = 64;
constexpr int kWallMaskWidth = 281;
constexpr int kWallMaskHeight = 265;

Surface discMask(int w, int h)
{
    Surface mask(w, h, kWhite);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double nx = (x - w / 2.0) / (w / 2.0);
            const double ny = (y - h / 2.0) / (h / 2.0);
            if (nx * nx + ny * ny < 1.0)
                mask.setPixel(x, y, kBlack);
        }
    return mask;
}

// A U of 5-pixel walls around an object of w x h.
Surface tubeMask(int w, int h)
{
    Surface mask(w + 14, 2 * h + 2, kWhite);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (x < 5 || x >= mask.width() - 5 || y >= mask.height() - 5)
                mask.setPixel(x, y, kBlack);
    return mask;
}

// A full theme: 21 objects of 64 x 64 in three rows of tubes on a 640 x 480 background.
struct BusyTheme {
    GameState state;
    ThemePictures pictures;
    Surface backBuffer{kCanvasWidth, kCanvasHeight};
    OverlapSurface overlap;
    MaskBits objectSolid;
    MaskBits tubeSolid;

    BusyTheme()
    {
        pictures.background = Surface(kCanvasWidth, kCanvasHeight);
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x)
                pictures.background.setPixel(x, y, rgb(x / 3, y / 2, 120));
        state.lastObject = kMaxObjects - 1;
        for (int i = 0; i < kMaxObjects; ++i) {
            Surface picture = discMask(kObjectSide, kObjectSide);
            for (int y = 0; y < kObjectSide; ++y)
                for (int x = 0; x < kObjectSide; ++x)
                    if (picture.pixel(x, y) == kBlack)
                        picture.setPixel(x, y, rgb(200, 10 * i, 40));
            pictures.objects.push_back(picture);
            pictures.objectMasks.push_back(discMask(kObjectSide, kObjectSide));
            const Surface tube = tubeMask(kObjectSide, kObjectSide);
            pictures.tubes.push_back(tube);
            pictures.tubeMasks.push_back(tube);
            state.tubeX[i] = static_cast<std::int16_t>((i % 8) * 80);
            state.tubeY[i] = static_cast<std::int16_t>((i / 8) * 150);
            state.objectX[i] = static_cast<std::int16_t>(state.tubeX[i] + 5);
            state.objectY[i] = static_cast<std::int16_t>(state.tubeY[i] + tube.height() - 5 - kObjectSide);
            state.inPlay[i] = true;
            state.tubeInPlay[i] = true;
        }
        pictures.boxes.push_back(discMask(120, 90));
        pictures.boxMasks.push_back(discMask(120, 90));
        state.boxX[0] = 500;
        state.boxY[0] = 380;
        state.currentObject = 20;
        state.currentTube = 20;
        objectSolid = MaskBits::ofObjectMask(pictures.objectMasks[20]);
        tubeSolid = MaskBits::ofTubeMask(pictures.tubeMasks[20], OverlapSurface::kBackground);
    }
};

void BM_WholeFrame(benchmark::State& state)
{
    BusyTheme theme;
    const int current = theme.state.currentObject;
    for (auto _ : state) {
        composeMainFrame(theme.backBuffer, theme.pictures.background, theme.state, theme.pictures);
        const bool hit =
            masksOverlap(theme.state.objectX[current], theme.state.objectY[current], theme.state.tubeX[current],
                         theme.state.tubeY[current], theme.objectSolid, theme.tubeSolid, theme.overlap);
        const bool delivered =
            centreInBox(theme.state.objectX[current], theme.state.objectY[current], theme.state.boxX[0],
                        theme.state.boxY[0], theme.pictures.objectMasks[current], theme.pictures.boxMasks[0]);
        benchmark::DoNotOptimize(hit);
        benchmark::DoNotOptimize(delivered);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WholeFrame);

void BM_MemcpyTwoFrames(benchmark::State& state)
{
    runMemcpyBaseline(state, 2 * static_cast<std::size_t>(kCanvasWidth) * kCanvasHeight * sizeof(Rgb));
}
BENCHMARK(BM_MemcpyTwoFrames);

// The worst case of the wall test: a mask as large as it may be, touching nothing, scanned to the end.
void BM_WallTestNoOverlap(benchmark::State& state)
{
    const Surface object = discMask(kWallMaskWidth, kWallMaskHeight);
    Surface tube(kWallMaskWidth, kWallMaskHeight, kWhite);
    for (int y = 0; y < kWallMaskHeight; ++y)
        for (int x = 0; x < kWallMaskWidth; ++x)
            if (object.pixel(x, y) != kBlack)
                tube.setPixel(x, y, kBlack);
    const MaskBits objectSolid = MaskBits::ofObjectMask(object);
    const MaskBits tubeSolid = MaskBits::ofTubeMask(tube, OverlapSurface::kBackground);
    OverlapSurface overlap{kWallMaskWidth, kWallMaskHeight};
    for (auto _ : state) {
        const bool hit = masksOverlap(0, 0, 0, 0, objectSolid, tubeSolid, overlap);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_WallTestNoOverlap);

void BM_MemcpyWallMaskBytes(benchmark::State& state)
{
    runMemcpyBaseline(state, static_cast<std::size_t>(kWallMaskWidth) * kWallMaskHeight * sizeof(Rgb));
}
BENCHMARK(BM_MemcpyWallMaskBytes);

}  // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    reporter.addRatio("BM_WholeFrame", "BM_MemcpyTwoFrames", 3.0);
    reporter.addRatio("BM_WallTestNoOverlap", "BM_MemcpyWallMaskBytes", 2.0);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
