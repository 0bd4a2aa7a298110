#pragma once

#include <QObject>
#include <QString>

#include "game_launcher.h"

class QProcess;

// The game started as a process of its own: the executable "vantor" in the editor's own program folder, where
// both programs lie side by side, built or installed. It keeps its output on the editor's.
class GameProcess : public QObject, public GameLauncher {
    Q_OBJECT
public:
    explicit GameProcess(QString programFolder, QObject* parent = nullptr);
    ~GameProcess() override;

    std::optional<std::string> launch(const std::vector<std::string>& arguments, std::function<void()> ended) override;
    void stop() override;

private:
    QString m_executable;
    QProcess* m_process = nullptr;
};
