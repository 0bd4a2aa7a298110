#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include "clock.h"
#include "game_window.h"
#include "qt_pump.h"
#include "registry_store.h"
#include "sdl_sound_player.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOR_VERSION));

    SteadyClock clock;
    SdlSoundPlayer sound;
    QtPump pump;
    RegistryStore registry(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
                           "/Helmwick");
    GameWindow window(QCoreApplication::applicationDirPath().toStdString(), {clock, sound, pump, registry});
    window.start();
    window.show();
    QTimer::singleShot(0, &window, [&sound] { sound.openDevice(); });
    return app.exec();
}
