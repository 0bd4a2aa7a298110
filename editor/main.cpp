#include <QApplication>
#include <variant>

#include "editor_command_line.h"
#include "editor_window.h"
#include "program_icon.h"
#include "qt_pump.h"

namespace {

// The name of the desktop entry, which the desktop shows the window's icon and name by.
const QString kDesktopId = QStringLiteral("com.helmwick.ornavel");

}  // namespace

int main(int argc, char* argv[])
{
    // Read before the application exists, so that --help and --version work without a display.
    const std::variant<EditorStart, CommandLineExit> commandLine =
        readEditorCommandLine(argumentsOf(argc, argv), VANTOR_VERSION);
    if (const auto* exit = std::get_if<CommandLineExit>(&commandLine))
        return finishEarly(*exit);
    const EditorStart& start = std::get<EditorStart>(commandLine);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornavel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOR_VERSION));
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(programIcon(kDesktopId));

    ThemeLocations themes(processThemeEnvironment(QCoreApplication::applicationDirPath().toStdString()));
    const std::string openedTheme =
        start.themeFolder.empty() ? std::string() : themes.addNamedFolder(start.themeFolder);

    QtPump pump;
    EditorWindow window(std::move(themes), {pump});
    if (openedTheme.empty())
        window.run();
    else
        window.run(openedTheme);
    return 0;
}
