#include "game_command_line.h"

#include "theme_files.h"

std::variant<GameStart, CommandLineExit> readGameCommandLine(const QStringList& arguments, const std::string& version)
{
    ProgramCommandLine commandLine(
        "vantor", version,
        QStringLiteral("Vantor, a game of mouse accuracy: carry every object out of its tube into the box without "
                       "touching the tube's walls."));
    const QCommandLineOption theme(
        QStringLiteral("theme"), QStringLiteral("Starts on the theme <name>, not on Theme1."), QStringLiteral("name"));
    const QCommandLineOption themeFolder(QStringLiteral("theme-folder"),
                                         QStringLiteral("Starts on the theme in the folder <folder>."),
                                         QStringLiteral("folder"));
    const QCommandLineOption noScores(
        QStringLiteral("no-scores"),
        QStringLiteral("Keeps the high scores in memory only: no score file is read or written. The editor plays a "
                       "theme being made this way."));
    commandLine.parser().addOption(theme);
    commandLine.parser().addOption(themeFolder);
    commandLine.parser().addOption(noScores);
    if (std::optional<CommandLineExit> exit = commandLine.parse(arguments))
        return *exit;
    if (!commandLine.parser().positionalArguments().isEmpty())
        return commandLine.usageError(
            QStringLiteral("Unexpected argument '%1'.").arg(commandLine.parser().positionalArguments().constFirst()));
    if (commandLine.parser().isSet(theme) && commandLine.parser().isSet(themeFolder))
        return commandLine.usageError(QStringLiteral("--theme and --theme-folder cannot be used together."));

    GameStart start{ThemeFiles::kDefaultTheme, {}, commandLine.parser().isSet(noScores)};
    if (commandLine.parser().isSet(theme))
        start.theme = commandLine.parser().value(theme).toStdString();
    if (commandLine.parser().isSet(themeFolder))
        start.themeFolder = commandLine.parser().value(themeFolder).toStdString();
    return start;
}
