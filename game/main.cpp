#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <iostream>
#include <variant>

#include "clock.h"
#include "game_command_line.h"
#include "game_window.h"
#include "program_icon.h"
#include "qt_pump.h"
#include "registry_store.h"
#include "sdl_sound_player.h"
#include "theme_import.h"

namespace {

// The name of the desktop entry, which the desktop shows the window's icon and name by.
const QString kDesktopId = QStringLiteral("com.helmwick.vantor");

// Adds the theme named on the command line and tells how it went: 0 when it was added, 1 with the reason on
// standard error when it was not.
int addThemeFromCommandLine(const GameStart& start, const std::string& programFolder)
{
    const ThemeLocations themes(processThemeEnvironment(programFolder));
    const Result<ThemeAddition> addition =
        addTheme(start.themeToAdd, themes, [&](const std::string&, bool) { return start.replaceTheme; });
    if (!addition) {
        std::cerr << addition.error() << "\n";
        return 1;
    }
    if (!addition.value().added) {
        std::cerr << "A theme named \"" << addition.value().name
                  << "\" is there already; --replace replaces it with the one added.\n";
        return 1;
    }
    std::cout << "Added the theme \"" << addition.value().name << "\".\n";
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Read before the application exists, so that --help and --version work without a display.
    const std::variant<GameStart, CommandLineExit> commandLine =
        readGameCommandLine(argumentsOf(argc, argv), VANTOR_VERSION);
    if (const auto* exit = std::get_if<CommandLineExit>(&commandLine))
        return finishEarly(*exit);
    const GameStart& start = std::get<GameStart>(commandLine);
    if (!start.themeToAdd.empty()) {
        QCoreApplication app(argc, argv);
        return addThemeFromCommandLine(start, QCoreApplication::applicationDirPath().toStdString());
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOR_VERSION));
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(programIcon(kDesktopId));

    ThemeLocations themes(processThemeEnvironment(QCoreApplication::applicationDirPath().toStdString()));
    const std::string firstTheme = start.themeFolder.empty() ? start.theme : themes.addNamedFolder(start.themeFolder);

    SteadyClock clock;
    SdlSoundPlayer sound;
    QtPump pump;
    RegistryStore registry(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
                           "/Helmwick");
    GameWindow window(std::move(themes), {clock, sound, pump, registry});
    if (start.noScores)
        window.game().keepScoresInMemoryOnly();
    window.start(firstTheme);
    window.show();
    QTimer::singleShot(0, &window, [&sound] { sound.openDevice(); });
    return app.exec();
}
