#include <benchmark/benchmark.h>

#include "draw_masked.h"
#include "memcpy_baseline.h"
#include "ratio_reporter.h"
#include "surface.h"

namespace {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kSpriteSide = 64;

// A sprite whose mask is a filled circle, the usual shape of a theme object.
void makeSprite(Surface& picture, Surface& mask)
{
    picture = Surface(kSpriteSide, kSpriteSide);
    mask = Surface(kSpriteSide, kSpriteSide);
    const int centre = kSpriteSide / 2;
    for (int y = 0; y < kSpriteSide; ++y) {
        for (int x = 0; x < kSpriteSide; ++x) {
            if ((x - centre) * (x - centre) + (y - centre) * (y - centre) < centre * centre) {
                picture.setPixel(x, y, rgb(200, x * 3, y * 3));
                mask.setPixel(x, y, kBlack);
            }
        }
    }
}

Surface patterned(int w, int h)
{
    Surface surface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            surface.setPixel(x, y, rgb(x, y, x ^ y));
    return surface;
}

void BM_DrawMasked64(benchmark::State& state)
{
    Surface dest = patterned(kCanvasWidth, kCanvasHeight);
    Surface picture;
    Surface mask;
    makeSprite(picture, mask);
    const std::int16_t x = 100;
    const std::int16_t y = 120;
    for (auto _ : state) {
        drawMasked(dest, x, y, picture, mask);
        benchmark::DoNotOptimize(dest.row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawMasked64);

// drawMasked makes two passes over the sprite's pixels.
void BM_MemcpyDrawMaskedBytes(benchmark::State& state)
{
    runMemcpyBaseline(state, 2 * kSpriteSide * kSpriteSide * sizeof(Rgb));
}
BENCHMARK(BM_MemcpyDrawMaskedBytes);

void BM_WholeSurface(benchmark::State& state, RasterOp op)
{
    Surface dest = patterned(kCanvasWidth, kCanvasHeight);
    const Surface source = patterned(kCanvasWidth, kCanvasHeight);
    for (auto _ : state) {
        blit(dest, 0, 0, kCanvasWidth, kCanvasHeight, source, 0, 0, op);
        benchmark::DoNotOptimize(dest.row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_WholeSurface, SrcCopy, RasterOp::SrcCopy);
BENCHMARK_CAPTURE(BM_WholeSurface, MergePaint, RasterOp::MergePaint);
BENCHMARK_CAPTURE(BM_WholeSurface, SrcAnd, RasterOp::SrcAnd);
BENCHMARK_CAPTURE(BM_WholeSurface, SrcInvert, RasterOp::SrcInvert);

void BM_MemcpySurfaceBytes(benchmark::State& state)
{
    runMemcpyBaseline(state, static_cast<std::size_t>(kCanvasWidth) * kCanvasHeight * sizeof(Rgb));
}
BENCHMARK(BM_MemcpySurfaceBytes);

}  // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    reporter.addRatio("BM_DrawMasked64", "BM_MemcpyDrawMaskedBytes", 2.0);
    for (const char* op : {"SrcCopy", "MergePaint", "SrcAnd", "SrcInvert"})
        reporter.addRatio(std::string("BM_WholeSurface/") + op, "BM_MemcpySurfaceBytes", 2.0);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
