// Times the parts of the game's start-up one after another, as main() runs them, on a copy of the shipped
// "Theme1": the toolkit, the sound device, the main window with its drawn pictures, the theme load, and the
// window until it is exposed on the screen. Run it under an X server, as startup_time.sh does.
// Usage: startup_probe [PROGRAM_FOLDER]

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>

#include "clock.h"
#include "game_window.h"
#include "qt_pump.h"
#include "registry_store.h"
#include "sdl_sound_player.h"

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    const auto lap = [&](const char* what) {
        const qint64 now = clock.nsecsElapsed();
        std::printf("%-28s %6.1f ms\n", what, static_cast<double>(now - last) / 1e6);
        last = now;
    };

    QApplication app(argc, argv);
    lap("toolkit");
    const QString shipped = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VANTOR_PROGRAM_FOLDER);
    QTemporaryDir folder;
    QTemporaryDir settings;
    if (QProcess::execute("cp", {"-r", shipped + "/Theme1", folder.path()}) != 0)
        return 1;
    clock.restart();
    last = 0;
    SteadyClock steady;
    SdlSoundPlayer sound;
    QtPump pump;
    RegistryStore registry(settings.path().toStdString());
    GameWindow window(folder.path().toStdString(), {steady, sound, pump, registry});
    lap("main window and its pictures");
    window.game().initialize();
    lap("program folder recorded");
    window.game().loadCurrentTheme();
    lap("theme load");
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    lap("shown until exposed");
    sound.openDevice();
    lap("sound device, after the window");
    std::printf("%-28s %6.1f ms\n", "total after the toolkit", static_cast<double>(clock.nsecsElapsed()) / 1e6);
    return 0;
}
