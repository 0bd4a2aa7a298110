#include "command_line.h"

#include <cstdio>

ProgramCommandLine::ProgramCommandLine(std::string programName, std::string version, const QString& description)
    : m_programName(std::move(programName)),
      m_version(std::move(version)),
      m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help and exits.")),
      m_versionOption({QStringLiteral("v"), QStringLiteral("version")},
                      QStringLiteral("Displays the version and exits."))
{
    m_parser.setApplicationDescription(description);
    // "-platform" is one unknown option, not the letters p, l, a, ...
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_versionOption);
}

std::optional<CommandLineExit> ProgramCommandLine::parse(const QStringList& arguments)
{
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help))
        return CommandLineExit{0, helpText().toStdString(), false};
    if (m_parser.isSet(m_versionOption))
        return CommandLineExit{0, m_programName + " " + m_version + "\n", false};
    return std::nullopt;
}

CommandLineExit ProgramCommandLine::usageError(const QString& problem) const
{
    return {kUsageErrorStatus, m_programName + ": " + problem.toStdString() + "\n\n" + helpText().toStdString(), true};
}

QString ProgramCommandLine::helpText() const
{
    // Without an application object Qt cannot know the program's name and puts a placeholder there.
    QString text = m_parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QString::fromStdString(m_programName));
    return text;
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int finishEarly(const CommandLineExit& exit)
{
    std::fputs(exit.text.c_str(), exit.toStandardError ? stderr : stdout);
    return exit.status;
}
