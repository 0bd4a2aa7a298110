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
    const QCommandLineOption addTheme(
        QStringLiteral("add-theme"),
        QStringLiteral("Adds the theme in <file> (a zip archive of one theme folder, or a theme folder) to your "
                       "themes, then ends."),
        QStringLiteral("file"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("With --add-theme: replaces a theme of the same name."));
    for (const QCommandLineOption& option : {theme, themeFolder, noScores, addTheme, replace})
        commandLine.parser().addOption(option);
    if (std::optional<CommandLineExit> exit = commandLine.parse(arguments))
        return *exit;
    if (!commandLine.parser().positionalArguments().isEmpty())
        return commandLine.usageError(
            QStringLiteral("Unexpected argument '%1'.").arg(commandLine.parser().positionalArguments().constFirst()));
    if (commandLine.parser().isSet(theme) && commandLine.parser().isSet(themeFolder))
        return commandLine.usageError(QStringLiteral("--theme and --theme-folder cannot be used together."));
    if (commandLine.parser().isSet(addTheme) &&
        (commandLine.parser().isSet(theme) || commandLine.parser().isSet(themeFolder)))
        return commandLine.usageError(QStringLiteral("--add-theme starts no game: it takes no --theme."));
    if (commandLine.parser().isSet(replace) && !commandLine.parser().isSet(addTheme))
        return commandLine.usageError(QStringLiteral("--replace goes with --add-theme."));

    GameStart start;
    start.theme = ThemeFiles::kDefaultTheme;
    start.noScores = commandLine.parser().isSet(noScores);
    if (commandLine.parser().isSet(theme))
        start.theme = commandLine.parser().value(theme).toStdString();
    if (commandLine.parser().isSet(themeFolder))
        start.themeFolder = commandLine.parser().value(themeFolder).toStdString();
    if (commandLine.parser().isSet(addTheme)) {
        start.themeToAdd = commandLine.parser().value(addTheme).toStdString();
        start.replaceTheme = commandLine.parser().isSet(replace);
    }
    return start;
}
