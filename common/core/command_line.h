#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>

// The end of a program that its command line settled before any window: the text to print, where, and the
// exit status.
struct CommandLineExit {
    int status;
    std::string text;
    bool toStandardError;
};

// The exit status of a command line the program does not understand.
constexpr int kUsageErrorStatus = 2;

// The options both programs share (--help, --version) and the handling of mistakes, around Qt's parser. It needs
// no application object, so it runs before anything would open the display.
class ProgramCommandLine {
public:
    ProgramCommandLine(std::string programName, std::string version, const QString& description);

    // Where the program adds its own options and positional arguments before parsing.
    QCommandLineParser& parser() { return m_parser; }

    // Parses the arguments, the program's name first. Nothing when the program is to run; otherwise how it ends:
    // --help and --version print on standard output with status 0, a mistake prints what is wrong and the usage
    // on standard error with status 2.
    std::optional<CommandLineExit> parse(const QStringList& arguments);

    // A mistake the program found in what parsed well, told as parse() tells its own.
    CommandLineExit usageError(const QString& problem) const;

private:
    QString helpText() const;

    std::string m_programName;
    std::string m_version;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_versionOption;
};

// The arguments of main() as text.
QStringList argumentsOf(int argc, char* argv[]);

// Prints the text where it belongs and returns the status to exit with.
int finishEarly(const CommandLineExit& exit);
