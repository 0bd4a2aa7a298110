// The editor's render loop on a large canvas: what one pointer event costs, from the event to the part of the
// frame shown again.

#include <benchmark/benchmark.h>

#include <QRegion>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "editor.h"
#include "editor_bench_services.h"
#include "editor_frame.h"
#include "memcpy_baseline.h"
#include "mouse_buttons.h"
#include "picture_file.h"
#include "prompts.h"
#include "pump.h"
#include "ratio_reporter.h"
#include "theme_writer.h"

namespace {

constexpr int kCanvasWidth = 4000;
constexpr int kCanvasHeight = 3000;
// One drag step carries the object this far, and the next one back.
constexpr int kStepX = 3;
constexpr int kStepY = 2;
// The object's sides measured, from a small icon to a large photo.
constexpr int kObjectSides[] = {64, 256, 1024};

// A photo-like picture: no two neighbouring rows or columns alike.
Surface photo(int width, int height)
{
    Surface picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, rgb(x * 7 + y, y * 5 - x, (x ^ y) * 3));
    return picture;
}

// A disc of photo on white, the white to be cut away by its derived mask.
Surface discPicture(int side)
{
    Surface picture = photo(side, side);
    const double radius = side / 2.0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if ((x + 0.5 - radius) * (x + 0.5 - radius) + (y + 0.5 - radius) * (y + 0.5 - radius) >= radius * radius)
                picture.setPixel(x, y, kWhite);
    return picture;
}

// Folders written once for the whole run: per object side a program folder whose "Theme1" has one such object
// in the middle of the canvas and the box to its right, and the large background.
class BenchThemes {
public:
    static BenchThemes& instance()
    {
        static BenchThemes themes;
        return themes;
    }
    std::string programFolder(int side) const { return m_folder.filePath(QString::number(side)).toStdString(); }
    std::string backgroundPath() const { return m_folder.filePath("background.bmp").toStdString(); }

private:
    BenchThemes()
    {
        const Surface background = photo(kCanvasWidth, kCanvasHeight);
        savePictureBmp(background, backgroundPath());
        for (const int side : kObjectSides) {
            ThemePackage theme;
            ThemeObject object;
            object.x = static_cast<std::int16_t>(kCanvasWidth / 2 - side / 2);
            object.y = static_cast<std::int16_t>(kCanvasHeight / 2 - side / 2);
            object.picture = discPicture(side);
            object.mask = object.picture;
            object.tube = object.picture;
            object.tubeMask = object.picture;
            theme.objects.push_back(object);
            theme.background = Surface(8, 8);
            theme.boxX = static_cast<std::int16_t>(kCanvasWidth / 2 + side);
            theme.boxY = static_cast<std::int16_t>(kCanvasHeight / 2);
            theme.boxPicture = discPicture(300);
            theme.boxMask = Surface(300, 300, kBlack);
            writeThemePackage(programFolder(side) + "/Theme1", theme);
        }
    }
    QTemporaryDir m_folder;
};

// Answers the picture-open dialog with the benchmark's background, every time.
class BackgroundPrompts : public PrintingPrompts {
public:
    BackgroundPrompts() : PrintingPrompts("editor_render_bench") {}
    std::optional<std::string> openPicture() override { return BenchThemes::instance().backgroundPath(); }
};

// Each pass of the loop's event processing runs the next step.
class StepPump : public Pump {
public:
    void processPendingEvents() override { step(); }
    std::function<void()> step = [] {};
};

// The editor on the large canvas with an object of `side` pixels, the pointer at the object's centre.
struct BenchEditor {
    explicit BenchEditor(int side) : editor(BenchThemes::instance().programFolder(side), {prompts, pump, view, game})
    {
        editor.start();
        editor.changeBackground();
        const Workspace& ws = editor.workspace();
        pointerX = ws.objectX[0] + side / 2 + 0.5;
        pointerY = ws.objectY[0] + side / 2 + 0.5;
    }

    // Runs the render loop with `event` before each of its passes but the first, one per iteration, as long as
    // the benchmark runs.
    void runLoop(benchmark::State& state, const std::function<void(int)>& event)
    {
        int count = 0;
        pump.step = [&] {
            if (state.KeepRunning())
                event(count++);
            else
                editor.windowClosing();
        };
        editor.runRenderLoop();
    }

    BackgroundPrompts prompts;
    StepPump pump;
    BlindView view;
    NoGame game;
    Editor editor;
    double pointerX = 0;
    double pointerY = 0;
};

// The pointer carries the object one step, and the loop shows the result.
void BM_DragStep(benchmark::State& state)
{
    BenchEditor bench(static_cast<int>(state.range(0)));
    bench.editor.canvasPressed(kLeftButton, bench.pointerX, bench.pointerY);
    bench.editor.canvasMoved(bench.pointerX, bench.pointerY, kLeftButton);
    bench.runLoop(state, [&](int count) {
        const int there = count % 2 == 0 ? 1 : 0;
        bench.editor.canvasMoved(bench.pointerX + there * kStepX, bench.pointerY + there * kStepY, kLeftButton);
    });
    if (bench.editor.framesShown() < state.iterations())
        state.SkipWithError("a drag step showed nothing");
}

// A memcpy of the pixels of one drag step's old and new rectangles of the object.
void BM_MemcpyDragRegion(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    const QRegion region = QRegion(0, 0, side, side) + QRegion(kStepX, kStepY, side, side);
    std::size_t pixels = 0;
    for (const QRect& rect : region)
        pixels += static_cast<std::size_t>(rect.width()) * rect.height();
    runMemcpyBaseline(state, pixels * sizeof(Rgb));
}

// The pointer moves over the object with no button held: nothing changes, and the loop waits.
void BM_IdleMove(benchmark::State& state)
{
    BenchEditor bench(static_cast<int>(state.range(0)));
    int framesBefore = 0;
    bench.runLoop(state, [&](int count) {
        if (count == 0)
            framesBefore = bench.editor.framesShown();
        bench.editor.canvasMoved(bench.pointerX + count % 2, bench.pointerY, 0);
    });
    if (bench.editor.framesShown() != framesBefore)
        state.SkipWithError("a move that changes nothing showed a frame");
}

// The least that every pointer event cost when the loop composed the whole frame after each (it then compared
// it with the frame shown, too).
void BM_WholeFrame(benchmark::State& state)
{
    BenchEditor bench(static_cast<int>(state.range(0)));
    Surface frame;
    for (auto _ : state) {
        composeEditorFrame(frame, bench.editor.workspace());
        benchmark::DoNotOptimize(frame.row(0));
        benchmark::ClobberMemory();
    }
}

void registerBenchmarks(RatioReporter& reporter)
{
    for (const int side : kObjectSides) {
        const std::string size = "/" + std::to_string(side);
        benchmark::RegisterBenchmark("BM_DragStep", BM_DragStep)->Arg(side)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("BM_MemcpyDragRegion", BM_MemcpyDragRegion)
            ->Arg(side)
            ->Unit(benchmark::kMicrosecond);
        reporter.addRatio("BM_DragStep" + size, "BM_MemcpyDragRegion" + size, 4.0);
    }
    benchmark::RegisterBenchmark("BM_IdleMove", BM_IdleMove)->Arg(256)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_WholeFrame", BM_WholeFrame)->Arg(256)->Unit(benchmark::kMillisecond);
    reporter.addRatio("BM_IdleMove/256", "BM_WholeFrame/256", 0.01);
    reporter.addCeiling("BM_IdleMove/256", 50e-6);
}

}  // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    registerBenchmarks(reporter);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
