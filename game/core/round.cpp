#include <new>
#include <stdexcept>

#include "clock.h"
#include "frame_composer.h"
#include "game.h"
#include "game_view.h"
#include "prompts.h"
#include "pump.h"
#include "score_time.h"
#include "sound_player.h"

namespace {

// Error numbers of the loop's failure message, after the kinds of failure a frame can meet.
constexpr int kOutOfMemory = 7;
constexpr int kInvalidCall = 5;

}  // namespace

void Game::Command1_Click()
{
    m_state.GameOver = false;
    // Without a theme just loaded there is nothing to play, or only a stale state; the load has said why.
    if (!Form_Load() || !m_hasTheme)
        return;
    m_backBuffer.resize(m_canvasWidth, m_canvasHeight);
    if (m_roundRunning) {
        m_restartRound = true;
        return;
    }
    RenderLoop();
}

void Game::Form_Unload()
{
    m_StopRendering = true;
    m_closing = true;
}

void Game::RenderLoop()
{
    struct Running {
        bool& flag;
        explicit Running(bool& running) : flag(running) { flag = true; }
        ~Running() { flag = false; }
    } running(m_roundRunning);
    std::int64_t startTick = m_services.clock.nowMs();
    m_StopRendering = false;
    for (;;) {
        try {
            composeMainFrame(m_backBuffer, blank(), m_state, m_pictures);
            m_services.view.present(m_backBuffer);
            runFrameTests();
        } catch (const std::bad_alloc&) {
            showFailure(kOutOfMemory, "Out of memory");
            return;
        } catch (const std::exception& failure) {
            showFailure(kInvalidCall, failure.what());
            return;
        }

        pollRestoreTimer();
        m_services.pump.processPendingEvents();
        if (m_closing || m_state.GameOver)
            return;
        if (m_restartRound) {
            // A Start in the round: the theme is loaded afresh already; the same loop plays the new round.
            m_restartRound = false;
            m_StopRendering = false;
            startTick = m_services.clock.nowMs();
            continue;
        }

        const bool over = allDelivered();
        const double elapsed = elapsedSeconds(m_services.clock.nowMs() - startTick);
        const std::string shown = formatSeconds(elapsed, m_services.view.decimalPoint());
        m_services.view.setTimeText(shown);
        if (over) {
            m_services.prompts.message("", "Game Over\r\nYou took: " + shown + " seconds", MessageIcon::None);
            // A theme without objects ends its round at once; such a time is no score.
            if (m_state.LastObj >= 0)
                EnterHighScore(elapsed);
            cmdShowHighscores_Click();
            m_StopRendering = true;
            m_state.GameOver = true;
        }
        if (m_StopRendering)
            return;
    }
}

void Game::runFrameTests()
{
    if (!hasCurrentObject())
        return;
    const int current = m_state.CurObj;
    if (MasksOverlap(m_state.ObjX[current], m_state.ObjY[current], m_state.ContX[current], m_state.ContY[current],
                     m_pictures.objectSolid[current], m_pictures.tubeSolid[current], m_overlap)) {
        m_MouseHeld = false;
        m_DraggingObj = false;
        DropBack();
        m_services.sound.PlayWav(m_sounds.hitTube);
    }
    if (CentreInBox(m_state.ObjX[current], m_state.ObjY[current], m_state.BoxX[0], m_state.BoxY[0],
                    m_pictures.PicMask[current], m_pictures.PicPlainMask.at(0))) {
        m_MouseHeld = false;
        m_DraggingObj = false;
        if (m_state.ObjActive[current])
            m_services.sound.PlayWav(m_sounds.putInCont);
        m_state.ObjActive[current] = false;
        if (m_state.CurCont >= 0 && m_state.CurCont < kMaxObjects)
            m_state.ContActive[m_state.CurCont] = false;
    }
}

bool Game::allDelivered() const
{
    int delivered = -1;
    for (int i = 0; i <= m_state.LastObj; ++i) {
        if (!m_state.ObjActive[i])
            ++delivered;
    }
    return delivered == m_state.LastObj;
}

void Game::showFailure(int number, const std::string& description)
{
    m_services.prompts.message(
        "uhh oh!!", "Error: " + std::to_string(number) + "\r\n" + description + "\r\nProblem in main rendering loop",
        MessageIcon::Critical);
    m_StopRendering = true;
}

bool Game::hasCurrentObject() const
{
    return m_state.CurObj >= 0 && m_state.CurObj <= m_state.LastObj;
}
