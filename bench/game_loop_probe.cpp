// Measures the game's real frame loop: the main window on a copy of the default theme, one round left to run
// for a fixed time and then ended the way closing the window ends it. Before it, in the same run and on the
// same X server, it measures the ceiling: a bare loop that only repaints a picture of the canvas's size and
// processes events. Prints both in frames per second, the game's share of the ceiling, and the process's peak
// memory. Run it under an X server with game_loop_probe.sh beside this file.
// Usage: game_loop_probe [SECONDS [PROGRAM_FOLDER]]

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock.h"
#include "game_window.h"
#include "prompts.h"
#include "pump.h"
#include "registry_store.h"
#include "sdl_sound_player.h"
#include "surface_canvas.h"

namespace {

constexpr double kDefaultSeconds = 5.0;
const char* const kThemeName = "Theme1";

// Runs the pending events like the game's own pump, counts the loop's passes while a round renders, and
// ends the round once the measuring time is over. It also counts the canvas's paints in that time: the loop
// asks for one per pass, and the toolkit may merge requests that come faster than it paints.
class CountingPump : public QObject, public Pump {
public:
    CountingPump(Clock& clock, std::int64_t durationMs) : m_clock(clock), m_durationMs(durationMs) {}

    void watch(GameWindow& window)
    {
        m_game = &window.game();
        window.canvas()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_passes > 0 && !m_reachedEnd)
            ++m_paints;
        return QObject::eventFilter(watched, event);
    }

    void processPendingEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!m_game || !m_game->isRendering())
            return;
        const std::int64_t now = m_clock.nowMs();
        if (m_passes == 0)
            m_firstMs = now;
        ++m_passes;
        m_lastMs = now;
        if (now - m_firstMs >= m_durationMs) {
            m_reachedEnd = true;
            m_game->windowClosing();
        }
    }

    long long passes() const { return m_passes; }
    long long paints() const { return m_paints; }
    double seconds() const { return static_cast<double>(m_lastMs - m_firstMs) / 1000.0; }
    bool reachedEnd() const { return m_reachedEnd; }

private:
    Clock& m_clock;
    std::int64_t m_durationMs;
    Game* m_game = nullptr;
    long long m_passes = 0;
    long long m_paints = 0;
    std::int64_t m_firstMs = 0;
    std::int64_t m_lastMs = 0;
    bool m_reachedEnd = false;
};

// Nobody is there to answer a box during a measurement: every message is kept and reported instead.
class RecordingPrompts : public Prompts {
public:
    void message(const std::string& title, const std::string& text, MessageIcon) override
    {
        m_messages.push_back(title + ": " + text);
    }
    std::string input(const std::string& prompt, const std::string&, const std::string&) override
    {
        m_messages.push_back("input box: " + prompt);
        return {};
    }
    std::optional<std::string> chooseTheme(const std::string&, const std::string&) override
    {
        m_messages.push_back("theme chooser");
        return std::nullopt;
    }
    std::optional<std::string> chooseThemeAmong(const ThemeLocations&, const std::string&) override
    {
        m_messages.push_back("theme chooser");
        return std::nullopt;
    }
    void showAbout() override { m_messages.push_back("About window"); }
    std::optional<std::string> pickFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> openPicture() override { return std::nullopt; }
    std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>&) override
    {
        return std::nullopt;
    }
    Answer ask(const std::string&, const std::string&, MessageIcon, QuestionButtons) override { return Answer::Cancel; }
    const std::vector<std::string>& messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
};

// The least a frame loop can do: paint a kept picture over the whole widget, nothing else.
class BareCanvas : public QWidget {
public:
    explicit BareCanvas(QSize size) : m_image(size, QImage::Format_RGB32)
    {
        m_image.fill(Qt::darkGreen);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
};

// Repaints a bare canvas in its own window and processes events, as fast as it goes, for `seconds`.
double bareRepaintsPerSecond(QSize size, double seconds)
{
    QWidget window;
    auto* canvas = new BareCanvas(size);
    canvas->setParent(&window);
    canvas->move(8, 8);
    window.resize(size + QSize(16, 16));
    window.show();
    QElapsedTimer settle;
    settle.start();
    while (!window.windowHandle()->isExposed() && settle.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QElapsedTimer clock;
    clock.start();
    long long frames = 0;
    while (clock.elapsed() < static_cast<qint64>(seconds * 1000.0)) {
        canvas->repaint();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        ++frames;
    }
    return static_cast<double>(frames) / (static_cast<double>(clock.elapsed()) / 1000.0);
}

bool copyTheme(const QString& fromFolder, const QString& toFolder)
{
    const QDir source(fromFolder + QLatin1Char('/') + QLatin1String(kThemeName));
    if (!source.exists() || !QDir(toFolder).mkdir(QLatin1String(kThemeName)))
        return false;
    const QString target = toFolder + QLatin1Char('/') + QLatin1String(kThemeName) + QLatin1Char('/');
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), target + name))
            return false;
    }
    return true;
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux counts it in KiB
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : kDefaultSeconds;
    const QString programFolder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(VANTOR_PROGRAM_FOLDER);
    if (seconds <= 0.0) {
        std::fprintf(stderr, "usage: game_loop_probe [SECONDS [PROGRAM_FOLDER]]\n");
        return 2;
    }

    // The game may write its scores beside the theme: it plays on a copy.
    QTemporaryDir folder;
    if (!folder.isValid() || !copyTheme(programFolder, folder.path())) {
        std::fprintf(stderr, "game_loop_probe: cannot copy %s from %s\n", kThemeName, qPrintable(programFolder));
        return 1;
    }

    const QSize canvasSize = QImage(folder.filePath(QString(kThemeName) + "/bg.bmp")).size();
    const double ceiling = bareRepaintsPerSecond(canvasSize, seconds);

    SteadyClock clock;
    SdlSoundPlayer sound;
    CountingPump pump(clock, static_cast<std::int64_t>(seconds * 1000.0));
    RecordingPrompts prompts;
    QTemporaryDir settings;
    RegistryStore registry(settings.path().toStdString());
    GameWindow window(folder.path().toStdString(), {clock, sound, pump, registry, &prompts});
    pump.watch(window);
    window.start();
    window.show();
    sound.openDevice();
    QTimer::singleShot(0, &window, [&window] {
        window.game().startRound();
        QCoreApplication::quit();
    });
    app.exec();

    for (const std::string& text : prompts.messages())
        std::fprintf(stderr, "game_loop_probe: the game said \"%s\"\n", text.c_str());
    if (!pump.reachedEnd() || pump.seconds() <= 0.0) {
        std::fprintf(stderr, "game_loop_probe: the round ended after %lld frames, before the measuring time\n",
                     pump.passes());
        return 1;
    }
    std::printf("platform: %s, canvas %d x %d\n", qPrintable(QGuiApplication::platformName()),
                window.game().canvasWidth(), window.game().canvasHeight());
    const double framesPerSecond = static_cast<double>(pump.passes() - 1) / pump.seconds();
    std::printf("ceiling: a bare loop repainting %d x %d: %.0f frames/s\n", canvasSize.width(), canvasSize.height(),
                ceiling);
    std::printf("frames: %lld in %.2f s = %.0f frames/s\n", pump.passes(), pump.seconds(), framesPerSecond);
    std::printf("share of the ceiling: %.0f%%\n", 100.0 * framesPerSecond / ceiling);
    std::printf("paints: %lld = %.0f paints/s\n", pump.paints(), static_cast<double>(pump.paints()) / pump.seconds());
    std::printf("peak memory: %.1f MiB\n", peakMemoryMiB());
    return 0;
}
