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

void Game::startRound()
{
    m_state.gameOver = false;
    // Without a theme just loaded there is nothing to play, or only a stale state; the load has said why.
    if (!loadCurrentTheme() || !m_hasTheme)
        return;
    m_backBuffer.resize(m_canvasWidth, m_canvasHeight);
    if (m_roundRunning) {
        m_restartRound = true;
        return;
    }
    runRoundLoop();
}

void Game::windowClosing()
{
    m_stopRendering = true;
    m_closing = true;
}

void Game::runRoundLoop()
{
    struct Running {
        bool& flag;
        explicit Running(bool& running) : flag(running) { flag = true; }
        ~Running() { flag = false; }
    } running(m_roundRunning);
    std::int64_t startTick = m_services.clock.nowMs();
    m_stopRendering = false;
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
        if (m_closing || m_state.gameOver)
            return;
        if (m_restartRound) {
            // A Start in the round: the theme is loaded afresh already; the same loop plays the new round.
            m_restartRound = false;
            m_stopRendering = false;
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
            if (m_state.lastObject >= 0)
                enterHighScore(elapsed);
            showHighScores();
            m_stopRendering = true;
            m_state.gameOver = true;
        }
        if (m_stopRendering)
            return;
    }
}

void Game::runFrameTests()
{
    if (!hasCurrentObject())
        return;
    const int current = m_state.currentObject;
    if (masksOverlap(m_state.objectX[current], m_state.objectY[current], m_state.tubeX[current], m_state.tubeY[current],
                     m_pictures.objectSolid[current], m_pictures.tubeSolid[current], m_overlap)) {
        m_buttonHeld = false;
        m_carrying = false;
        slideBack();
        m_services.sound.play(m_sounds.hitTube);
    }
    if (centreInBox(m_state.objectX[current], m_state.objectY[current], m_state.boxX[0], m_state.boxY[0],
                    m_pictures.objectMasks[current], m_pictures.boxMasks.at(0))) {
        m_buttonHeld = false;
        m_carrying = false;
        if (m_state.inPlay[current])
            m_services.sound.play(m_sounds.putInCont);
        m_state.inPlay[current] = false;
        if (m_state.currentTube >= 0 && m_state.currentTube < kMaxObjects)
            m_state.tubeInPlay[m_state.currentTube] = false;
    }
}

bool Game::allDelivered() const
{
    int delivered = -1;
    for (int i = 0; i <= m_state.lastObject; ++i) {
        if (!m_state.inPlay[i])
            ++delivered;
    }
    return delivered == m_state.lastObject;
}

void Game::showFailure(int number, const std::string& description)
{
    m_services.prompts.message(
        "uhh oh!!", "Error: " + std::to_string(number) + "\r\n" + description + "\r\nProblem in main rendering loop",
        MessageIcon::Critical);
    m_stopRendering = true;
}

bool Game::hasCurrentObject() const
{
    return m_state.currentObject >= 0 && m_state.currentObject <= m_state.lastObject;
}
