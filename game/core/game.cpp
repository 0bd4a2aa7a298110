#include "game.h"

#include "ask_for_theme.h"
#include "file_lookup.h"
#include "game_view.h"
#include "program_folder_record.h"
#include "prompts.h"
#include "pump.h"
#include "sound_player.h"
#include "theme_files.h"
#include "theme_reader.h"

namespace {

const std::string kProgramTitle = "Vantor";
const std::string kInitialTime = "00.00";

}  // namespace

Game::Game(ThemeLocations themes, GameServices services) : m_themes(std::move(themes)), m_services(services) {}

Game::Game(const std::string& programFolder, GameServices services)
    : Game(ThemeLocations::portable(programFolder), services)
{
}

void Game::initialize(const std::string& firstTheme)
{
    recordProgramFolder(m_services.registry, m_themes.programFolder());
    themeName = firstTheme;
}

bool Game::loadCurrentTheme()
{
    const bool loaded = loadTheme(themeName);
    m_state.currentObject = 0;
    m_state.currentTube = 0;
    m_services.view.fitWindowToCanvas();
    return loaded;
}

bool Game::loadTheme(const std::string& name)
{
    if (loadThemeOrDefault(name, false))
        return true;
    // The theme on screen stays, and so its name: the caption, the next Start and the scores follow it.
    if (m_hasTheme)
        themeName = m_themeOnScreen;
    return false;
}

bool Game::loadThemeOrDefault(const std::string& name, bool fallingBack)
{
    const std::optional<ThemeEntry> theme = m_themes.findTheme(name);
    ThemeReadResult result =
        theme ? readThemeFolder(theme->folder, name) : ThemeReadResult::failure(missingTheme(name));
    if (result.ok()) {
        applyTheme(name, std::move(result.value()));
        return true;
    }
    reportLoadFailure(name, result.error());

    // A broken default theme is reported once and never retried, so the fallback cannot go round in circles.
    const std::string defaultFolder = m_themes.themeFolder(ThemeFiles::kDefaultTheme);
    const bool defaultLooksLoadable = fileExists(findInFolder(defaultFolder, ThemeFiles::kPositions)) &&
                                      fileExists(findInFolder(defaultFolder, ThemeFiles::kBoxPosition));
    if (fallingBack || name == ThemeFiles::kDefaultTheme || !defaultLooksLoadable) {
        m_services.prompts.message("Theme not found", "Can't find Default theme", MessageIcon::Exclamation);
        return false;
    }
    return loadThemeOrDefault(ThemeFiles::kDefaultTheme, true);
}

void Game::chooseTheme()
{
    if (const std::optional<std::string> picked = askForTheme(m_services.prompts, m_themes, themeName))
        themeName = *picked;
    // Cancel reloads the current theme as well, which ends a running round.
    if (!themeName.empty())
        loadTheme(themeName);
}

void Game::aboutButtonReleased(int button)
{
    if (button == kLeftButton) {
        m_services.prompts.showAbout();
    } else if (button == kRightButton) {
        std::string text = m_description.empty() && m_dateLine.empty()
                               ? "No details found"
                               : "Description:\r\n\t" + m_description + "\r\nDate:\r\n\t" + m_dateLine + "\r\n";
        if (m_detailsCutShort)
            text +=
                "\r\nThe details file of this theme is damaged: it ends inside a quoted text, so some of it may "
                "be missing.";
        m_services.prompts.message("Theme Details", text, MessageIcon::Information);
    }
}

void Game::reportLoadFailure(const std::string& name, const ThemeLoadError& error)
{
    if (error.problem == ThemeLoadProblem::MissingTextFile) {
        m_services.prompts.message(
            "File(s) missing",
            "There is an important file missing. Can not load theme " + name + "\r\nLoading default theme..",
            MessageIcon::Exclamation);
        return;
    }
    m_services.prompts.message(
        "Theme damaged",
        "The theme " + name + " is damaged and can not be loaded:\r\n" + error.message + "\r\nLoading default theme..",
        MessageIcon::Exclamation);
}

void Game::applyTheme(const std::string& name, ThemePackage package)
{
    // The theme on screen is the one whose name the caption shows and whose table the scores go to, also
    // after falling back to the default theme.
    themeName = name;
    m_themeOnScreen = name;
    m_sounds = std::move(package.sounds);
    m_services.sound.loadCues({m_sounds.hitTube, m_sounds.putInCont, m_sounds.pickup, m_sounds.letGo});

    m_state.objectX = {};
    m_state.objectY = {};
    m_state.tubeX = {};
    m_state.tubeY = {};
    m_state.inPlay = {};
    m_state.tubeInPlay = {};
    m_pictures.objects.clear();
    m_pictures.objectMasks.clear();
    m_pictures.tubes.clear();
    m_pictures.tubeMasks.clear();
    m_pictures.objectSolid.clear();
    m_pictures.tubeSolid.clear();
    for (std::size_t i = 0; i < package.objects.size(); ++i) {
        ThemeObject& object = package.objects[i];
        m_state.objectX[i] = object.x;
        m_state.objectY[i] = object.y;
        m_state.tubeX[i] = object.tubeX;
        m_state.tubeY[i] = object.tubeY;
        m_state.inPlay[i] = true;
        m_state.tubeInPlay[i] = true;
        m_pictures.objectSolid.push_back(MaskBits::ofObjectMask(object.mask));
        m_pictures.tubeSolid.push_back(MaskBits::ofTubeMask(object.tubeMask, OverlapSurface::kBackground));
        m_pictures.objects.push_back(std::move(object.picture));
        m_pictures.objectMasks.push_back(std::move(object.mask));
        m_pictures.tubes.push_back(std::move(object.tube));
        m_pictures.tubeMasks.push_back(std::move(object.tubeMask));
    }
    m_state.lastObject = static_cast<int>(package.objects.size()) - 1;
    if (package.background) {
        m_pictures.background = *package.background;
        m_pictures.lockOutBackground = std::move(*package.background);
    }
    m_state.boxX[0] = package.boxX;
    m_state.boxY[0] = package.boxY;
    m_pictures.boxes = {std::move(package.boxPicture)};
    m_pictures.boxMasks = {std::move(package.boxMask)};
    m_hasTheme = true;

    m_blankShowsAlternate = false;
    resizeCanvas(m_pictures.background.width(), m_pictures.background.height());
    m_services.view.setCaption(kProgramTitle + " - " + themeName);
    m_services.view.setTimeText(kInitialTime);
    m_description = package.hasDetails ? std::move(package.description) : std::string();
    m_dateLine = package.hasDetails ? std::move(package.dateLine) : std::string();
    m_detailsCutShort = package.detailsCutShort;
    loadHighScores();

    m_stopRendering = true;
    m_services.pump.processPendingEvents();
}

void Game::resizeCanvas(int width, int height)
{
    m_canvasWidth = width;
    m_canvasHeight = height;
    m_backBuffer.resize(width, height);
    m_services.view.setCanvasSize(width, height);
}
