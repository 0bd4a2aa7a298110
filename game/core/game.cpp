#include "game.h"

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

Game::Game(std::string programFolder, GameServices services)
    : m_programFolder(std::move(programFolder)), m_services(services)
{
}

void Game::Form_Initialize()
{
    recordProgramFolder(m_services.registry, m_programFolder);
    ThemeName = ThemeFiles::kDefaultTheme;
}

bool Game::Form_Load()
{
    const bool loaded = LoadTheme(ThemeName);
    m_state.CurObj = 0;
    m_state.CurCont = 0;
    m_services.view.fitWindowToCanvas();
    return loaded;
}

bool Game::LoadTheme(const std::string& name)
{
    if (loadTheme(name, false))
        return true;
    // The theme on screen stays, and so its name: the caption, the next Start and the scores follow it.
    if (m_hasTheme)
        ThemeName = m_themeOnScreen;
    return false;
}

bool Game::loadTheme(const std::string& name, bool fallingBack)
{
    ThemeReadResult result = readThemePackage(m_programFolder, name);
    if (result.ok()) {
        applyTheme(name, std::move(result.value()));
        return true;
    }
    reportLoadFailure(name, result.error());

    // A broken default theme is reported once and never retried, so the fallback cannot go round in circles.
    const std::string defaultFolder = themeFolder(m_programFolder, ThemeFiles::kDefaultTheme);
    const bool defaultLooksLoadable = FileExist(findInFolder(defaultFolder, ThemeFiles::kPositions)) &&
                                      FileExist(findInFolder(defaultFolder, ThemeFiles::kBoxPosition));
    if (fallingBack || name == ThemeFiles::kDefaultTheme || !defaultLooksLoadable) {
        m_services.prompts.message("Theme not found", "Can't find Default theme", MessageIcon::Exclamation);
        return false;
    }
    return loadTheme(ThemeFiles::kDefaultTheme, true);
}

void Game::Image2_Click()
{
    if (const std::optional<std::string> picked = m_services.prompts.chooseTheme(m_programFolder))
        ThemeName = *picked;
    // Cancel reloads the current theme as well, which ends a running round.
    if (!ThemeName.empty())
        LoadTheme(ThemeName);
}

void Game::imgAbout_MouseUp(int button)
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
    ThemeName = name;
    m_themeOnScreen = name;
    m_sounds = std::move(package.sounds);
    m_services.sound.loadCues({m_sounds.hitTube, m_sounds.putInCont, m_sounds.pickup, m_sounds.letGo});

    m_state.ObjX = {};
    m_state.ObjY = {};
    m_state.ContX = {};
    m_state.ContY = {};
    m_state.ObjActive = {};
    m_state.ContActive = {};
    m_pictures.PicSprite.clear();
    m_pictures.PicMask.clear();
    m_pictures.PicCont.clear();
    m_pictures.PicContMask.clear();
    m_pictures.objectSolid.clear();
    m_pictures.tubeSolid.clear();
    for (std::size_t i = 0; i < package.objects.size(); ++i) {
        ThemeObject& object = package.objects[i];
        m_state.ObjX[i] = object.objX;
        m_state.ObjY[i] = object.objY;
        m_state.ContX[i] = object.contX;
        m_state.ContY[i] = object.contY;
        m_state.ObjActive[i] = true;
        m_state.ContActive[i] = true;
        m_pictures.objectSolid.push_back(MaskBits::ofObjectMask(object.mask));
        m_pictures.tubeSolid.push_back(MaskBits::ofTubeMask(object.tubeMask, OverlapSurface::kBackground));
        m_pictures.PicSprite.push_back(std::move(object.picture));
        m_pictures.PicMask.push_back(std::move(object.mask));
        m_pictures.PicCont.push_back(std::move(object.tube));
        m_pictures.PicContMask.push_back(std::move(object.tubeMask));
    }
    m_state.LastObj = static_cast<int>(package.objects.size()) - 1;
    if (package.background) {
        m_pictures.picBg1 = *package.background;
        m_pictures.picBG2 = std::move(*package.background);
    }
    m_state.BoxX[0] = package.boxX;
    m_state.BoxY[0] = package.boxY;
    m_pictures.PicPlainSprite = {std::move(package.boxPicture)};
    m_pictures.PicPlainMask = {std::move(package.boxMask)};
    m_hasTheme = true;

    m_blankShowsAlternate = false;
    resizeCanvas(m_pictures.picBg1.width(), m_pictures.picBg1.height());
    m_services.view.setCaption(kProgramTitle + " - " + ThemeName);
    m_services.view.setTimeText(kInitialTime);
    m_description = package.hasDetails ? std::move(package.description) : std::string();
    m_dateLine = package.hasDetails ? std::move(package.dateLine) : std::string();
    m_detailsCutShort = package.detailsCutShort;
    LoadHighScores();

    m_StopRendering = true;
    m_services.pump.processPendingEvents();
}

void Game::resizeCanvas(int width, int height)
{
    m_canvasWidth = width;
    m_canvasHeight = height;
    m_backBuffer.resize(width, height);
    m_services.view.setCanvasSize(width, height);
}

std::string Game::themeFilePath(const std::string& fileName) const
{
    return findInFolder(themeFolder(m_programFolder, ThemeName), fileName);
}
