#include "play_test.h"

#include <QDir>
#include <QFile>

#include "file_lookup.h"
#include "game_launcher.h"
#include "save_theme.h"
#include "theme_description_rules.h"
#include "theme_writer.h"
#include "workspace.h"

namespace {

// The files that could not be written, one a line.
std::string listed(const std::vector<std::string>& failures)
{
    std::string text;
    for (const std::string& failure : failures)
        text += (text.empty() ? "" : "\r\n") + failure;
    return text;
}

}  // namespace

PlayTest::PlayTest(GameLauncher& launcher) : m_launcher(launcher) {}

PlayTest::~PlayTest()
{
    stop();
}

std::optional<std::string> PlayTest::start(const Workspace& workspace)
{
    stop();
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/ornavel-play-XXXXXX"));
    if (!folder->isValid())
        return "No temporary folder could be made in \"" + QDir::tempPath().toStdString() +
               "\": " + folder->errorString().toStdString();
    // The game names the theme after its folder, in its caption and its details.
    const ThemeDescription description =
        workspace.themeDescription ? *workspace.themeDescription : ThemeDescription{kInitialThemeName, {}, {}};
    const std::string themeFolder = joinPath(QFile::encodeName(folder->path()).toStdString(), description.name);
    const std::vector<std::string> failures = writeThemePackage(themeFolder, packageOf(workspace, description));
    if (!failures.empty())
        return "The theme could not be written for the game:\r\n" + listed(failures);
    if (std::optional<std::string> problem =
            m_launcher.launch({"--theme-folder", themeFolder, "--no-scores"}, [this] { gameEnded(); }))
        return problem;
    m_folder = std::move(folder);
    m_themeFolder = themeFolder;
    return std::nullopt;
}

void PlayTest::stop()
{
    if (!isRunning())
        return;
    m_launcher.stop();
    gameEnded();
}

void PlayTest::gameEnded()
{
    m_folder.reset();
    m_themeFolder.clear();
}
