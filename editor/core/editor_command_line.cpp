#include "editor_command_line.h"

#include <QFileInfo>

std::variant<EditorStart, CommandLineExit> readEditorCommandLine(const QStringList& arguments,
                                                                 const std::string& version)
{
    ProgramCommandLine commandLine(
        "ornavel", version,
        QStringLiteral("Ornavel, the theme editor of Vantor: place a background, a container box and objects, and "
                       "save a theme the game plays."));
    commandLine.parser().addPositionalArgument(QStringLiteral("folder"),
                                               QStringLiteral("The theme folder to open; Theme1 when none."),
                                               QStringLiteral("[folder]"));
    if (std::optional<CommandLineExit> exit = commandLine.parse(arguments))
        return *exit;
    const QStringList folders = commandLine.parser().positionalArguments();
    if (folders.size() > 1)
        return commandLine.usageError(
            QStringLiteral("Only one theme folder can be opened, not %1.").arg(folders.size()));
    if (folders.isEmpty())
        return EditorStart{};
    const QFileInfo named(folders.constFirst());
    return EditorStart{(named.isFile() ? named.absolutePath() : named.absoluteFilePath()).toStdString()};
}
