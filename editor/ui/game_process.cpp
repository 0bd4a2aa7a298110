#include "game_process.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// Starting a program takes milliseconds; a start that takes longer than this has failed.
constexpr int kStartTimeoutMs = 10000;
// A game asked to end gets this long before it is killed.
constexpr int kEndTimeoutMs = 3000;

}  // namespace

GameProcess::GameProcess(QString programFolder, QObject* parent)
    : QObject(parent), m_executable(programFolder + QStringLiteral("/vantor"))
{
}

GameProcess::~GameProcess()
{
    stop();
}

std::optional<std::string> GameProcess::launch(const std::vector<std::string>& arguments, std::function<void()> ended)
{
    stop();
    if (!QFileInfo(m_executable).isExecutable())
        return "The game \"" + m_executable.toStdString() + "\" is not beside the editor.";
    QStringList texts;
    // Paths are the file system's bytes, as the game reads them back.
    for (const std::string& argument : arguments)
        texts << QFile::decodeName(QByteArray::fromStdString(argument));
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process, &QProcess::finished, this, [this, ended = std::move(ended)] {
        m_process->deleteLater();
        m_process = nullptr;
        ended();
    });
    m_process->start(m_executable, texts);
    if (m_process->waitForStarted(kStartTimeoutMs))
        return std::nullopt;
    const std::string reason = m_process->errorString().toStdString();
    stop();
    return "The game \"" + m_executable.toStdString() + "\" could not be started: " + reason;
}

void GameProcess::stop()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(kEndTimeoutMs)) {
            m_process->kill();
            m_process->waitForFinished(kEndTimeoutMs);
        }
    }
    delete m_process;
    m_process = nullptr;
}
