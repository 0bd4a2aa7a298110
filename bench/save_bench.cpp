#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "prompts.h"
#include "ratio_reporter.h"
#include "save_theme.h"
#include "workspace.h"

namespace {

// A full theme: 21 objects of 64 x 64 with their tubes, on a 640 x 480 background.
Workspace fullWorkspace()
{
    Workspace ws;
    ws.objects.clear();
    for (int i = 0; i < 21; ++i) {
        ws.objects.push_back({Surface(64, 64, rgb(200, i * 10, 0)), Surface(64, 64, kBlack),
                              Surface(78, 130, rgb(0, 255, 255)), Surface(78, 130, kBlack)});
        ws.objectX[i] = static_cast<std::int16_t>(i * 30);
    }
    ws.background = Surface(640, 480, rgb(30, 90, 30));
    ws.box = Surface(120, 80, rgb(150, 75, 0));
    ws.boxMask = Surface(120, 80, kBlack);
    return ws;
}

const ThemeDescription kDescription{"Bench", "A theme of 21 objects\r\nsaved again and again", "On the 7.12.2026"};

void BM_SaveTheme21(benchmark::State& state)
{
    QTemporaryDir program;
    const Workspace ws = fullWorkspace();
    for (auto _ : state) {
        const std::vector<std::string> failures = saveTheme(program.path().toStdString(), ws, kDescription);
        if (!failures.empty())
            state.SkipWithError(failures.front().c_str());
    }
}
BENCHMARK(BM_SaveTheme21)->Unit(benchmark::kMillisecond);

// The same files' bytes, each written with one plain write to its final name.
void BM_PlainWritesOfTheSameBytes(benchmark::State& state)
{
    QTemporaryDir program;
    saveTheme(program.path().toStdString(), fullWorkspace(), kDescription);
    const QDir saved(program.filePath("Bench"));
    std::vector<std::pair<QString, QByteArray>> files;
    for (const QString& name : saved.entryList(QDir::Files)) {
        QFile file(saved.filePath(name));
        file.open(QIODevice::ReadOnly);
        files.emplace_back(name, file.readAll());
    }
    QTemporaryDir target;
    for (auto _ : state) {
        for (const auto& [name, bytes] : files) {
            QFile file(target.filePath(name));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
                state.SkipWithError("cannot write");
        }
    }
}
BENCHMARK(BM_PlainWritesOfTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    // Every file of a save goes to a temporary name, is flushed to the disk and renamed, and every picture is
    // encoded; plain writes do none of that.
    reporter.addRatio("BM_SaveTheme21", "BM_PlainWritesOfTheSameBytes", 5.0);
    return runBenchmarksWithRatios(argc, argv, reporter);
}
