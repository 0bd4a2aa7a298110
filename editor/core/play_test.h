#pragma once

#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

class GameLauncher;
struct Workspace;

// Play Theme: the workspace written as a theme folder of its own inside a new temporary folder (under the user's
// temporary folder, never among the themes), through the same writer as a save, and the game started on it with
// "--theme-folder DIR --no-scores", so that it keeps no score anywhere. The temporary folder is removed when the
// game ends, when another play-test takes its place, and when the editor closes, which ends the game too.
class PlayTest {
public:
    explicit PlayTest(GameLauncher& launcher);
    ~PlayTest();

    // Ends a play-test still running, then starts one on the workspace. Nothing when the game started; otherwise
    // what went wrong, and nothing is left on disk.
    std::optional<std::string> start(const Workspace& workspace);
    // Ends the game and removes the temporary folder.
    void stop();

    bool isRunning() const { return m_folder != nullptr; }
    // The theme folder the game plays; empty when none.
    const std::string& themeFolder() const { return m_themeFolder; }

private:
    void gameEnded();

    GameLauncher& m_launcher;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::string m_themeFolder;
};
