// Measures the editor's real render loop under an X server: frames per second while the current object is
// dragged (a pointer move arrives before every frame), then the processor time the editor takes while it sits
// idle. Run it with editor_loop_probe.sh beside this file.
// Usage: editor_loop_probe [DRAG_SECONDS [IDLE_SECONDS [PROGRAM_FOLDER]]]

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "editor_bench_services.h"
#include "editor_window.h"
#include "prompts.h"
#include "pump.h"
#include "surface_canvas.h"

namespace {

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the toolkit's events like the program's own pump. While dragging, it first moves the pointer one pixel
// to and fro with the left button held, so every frame has something new to show.
class ProbePump : public Pump {
public:
    // Picks the object up at `grab` and carries it to `onCanvas`, where every frame shows it.
    void startDrag(SurfaceCanvas* canvas, QPointF grab, QPointF onCanvas)
    {
        m_canvas = canvas;
        m_point = grab;
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        m_point = onCanvas;
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    }
    void stopDrag()
    {
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        m_canvas = nullptr;
    }
    void processPendingEvents() override
    {
        if (m_canvas) {
            m_point.rx() += (m_step = -m_step);
            send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    void waitForEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }

private:
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, m_point, m_canvas->mapToGlobal(m_point), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(m_canvas, &event);
    }
    SurfaceCanvas* m_canvas = nullptr;
    QPointF m_point;
    double m_step = 1.0;
};

// The first solid pixel of the current object, scanning from its centre.
QPointF grabPoint(const Workspace& ws)
{
    const Surface& mask = ws.current().mask;
    for (int y = mask.height() / 2; y < mask.height(); ++y)
        for (int x = mask.width() / 2; x < mask.width(); ++x)
            if (mask.pixel(x, y) == kBlack)
                return QPointF(ws.objectX[ws.currentObject] + x + 0.5, ws.objectY[ws.currentObject] + y + 0.5);
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const double dragSeconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const double idleSeconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    const QString programFolder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral(VANTOR_PROGRAM_FOLDER);
    QTemporaryDir folder;
    if (dragSeconds <= 0 || idleSeconds <= 0 ||
        QProcess::execute("cp", {"-r", programFolder + "/Theme1", folder.path()}) != 0) {
        std::fprintf(stderr, "usage: editor_loop_probe [DRAG_SECONDS [IDLE_SECONDS [PROGRAM_FOLDER]]]\n");
        return 2;
    }

    ProbePump pump;
    PrintingPrompts prompts("editor_loop_probe");
    EditorWindow window(folder.path().toStdString(), {pump, &prompts});
    const Editor& editor = window.editor();
    int dragFrames = 0;
    double dragElapsed = 0;
    double idleShare = 0;
    QElapsedTimer clock;
    QTimer::singleShot(0, &window, [&] {
        pump.startDrag(window.canvas(), grabPoint(editor.workspace()), QPointF(150, 120));
        clock.start();
        const int framesBefore = editor.framesShown();
        QTimer::singleShot(static_cast<int>(dragSeconds * 1000), &window, [&, framesBefore] {
            dragFrames = editor.framesShown() - framesBefore;
            dragElapsed = clock.elapsed() / 1000.0;
            pump.stopDrag();
            QTimer::singleShot(500, &window, [&] {
                const double cpuBefore = processorSeconds();
                clock.restart();
                QTimer::singleShot(static_cast<int>(idleSeconds * 1000), &window, [&, cpuBefore] {
                    idleShare = (processorSeconds() - cpuBefore) / (clock.elapsed() / 1000.0);
                    window.close();
                });
            });
        });
    });
    window.run();

    std::printf("platform: %s, canvas %d x %d\n", qPrintable(QGuiApplication::platformName()),
                editor.workspace().canvasWidth, editor.workspace().canvasHeight);
    std::printf("drag: %d frames in %.2f s = %.0f frames/s\n", dragFrames, dragElapsed, dragFrames / dragElapsed);
    std::printf("idle: %.2f%% of one core over %.1f s\n", idleShare * 100.0, idleSeconds);
    return 0;
}
