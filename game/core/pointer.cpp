#include "clock.h"
#include "frame_composer.h"
#include "game.h"
#include "game_view.h"
#include "hit_mask.h"
#include "rounding.h"
#include "slide_back.h"
#include "sound_player.h"

namespace {

bool strictlyInside(double x, double y, int left, int top, const Surface& picture)
{
    return left < x && x < left + picture.width() && top < y && y < top + picture.height();
}

}  // namespace

// Positions arrive as reals and the rules work on 16-bit integers rounded halves to even; a position that does
// not fit a 16-bit integer is no position on any canvas and is ignored.
void Game::canvasPressed(int button, double x, double y)
{
    if (button != kLeftButton)
        return;
    m_buttonHeld = true;
    for (int i = 0; i <= m_state.lastObject; ++i) {
        if (strictlyInside(x, y, m_state.objectX[i], m_state.objectY[i], m_pictures.objects[i])) {
            m_services.sound.play(m_sounds.pickup);
            m_state.currentObject = static_cast<std::int16_t>(i);
            break;
        }
    }
    const int current = m_state.currentObject;
    if (current < 0 || current >= kMaxObjects)
        return;
    const std::optional<std::int16_t> grabX = toInt16(x - m_state.objectX[current]);
    const std::optional<std::int16_t> grabY = toInt16(y - m_state.objectY[current]);
    if (grabX && grabY) {
        m_grabX = *grabX;
        m_grabY = *grabY;
    }
}

void Game::canvasMoved(double x, double y)
{
    pollRestoreTimer();
    if (m_blankShowsAlternate)
        return;
    const std::optional<std::int16_t> px = toInt16(x);
    const std::optional<std::int16_t> py = toInt16(y);
    if (!px || !py)
        return;
    if (hasCurrentObject()) {
        const int current = m_state.currentObject;
        const bool over =
            hitsMask(*px, *py, m_state.objectX[current], m_state.objectY[current], m_pictures.objectMasks[current]);
        if (over && m_buttonHeld)
            m_carrying = true;
        if (m_carrying) {
            const std::optional<std::int16_t> objectX = toInt16(x - m_grabX);
            const std::optional<std::int16_t> objectY = toInt16(y - m_grabY);
            if (objectX && objectY) {
                m_state.objectX[current] = *objectX;
                m_state.objectY[current] = *objectY;
            }
        }
    }
    if (m_buttonHeld)
        return;
    for (int i = 0; i <= m_state.lastObject; ++i) {
        if (m_state.tubeInPlay[i] && strictlyInside(x, y, m_state.tubeX[i], m_state.tubeY[i], m_pictures.tubes[i])) {
            m_state.currentObject = static_cast<std::int16_t>(i);
            m_state.currentTube = static_cast<std::int16_t>(i);
            break;
        }
    }
}

void Game::canvasReleased()
{
    if (m_carrying) {
        m_services.sound.play(m_sounds.letGo);
        slideBack();
    }
    m_buttonHeld = false;
    m_carrying = false;
}

void Game::slideBack()
{
    m_blankShowsAlternate = true;
    m_restoreDueMs = m_services.clock.nowMs() + kLockOutMs;
    if (!hasCurrentObject() || !m_state.inPlay[m_state.currentObject])
        return;
    const int current = m_state.currentObject;
    std::int16_t& x = m_state.objectX[current];
    std::int16_t& y = m_state.objectY[current];
    const CanvasPoint target = restingPlace(m_state.tubeX[current], m_state.tubeY[current], m_pictures.tubes[current],
                                            m_pictures.objects[current]);
    for (;;) {
        const CanvasPoint before{x, y};
        stepTowards(m_canvasWidth, m_canvasHeight, x, y, target.x, target.y);
        if (hasArrived(x, y, target))
            break;
        // A resting place beyond the canvas's edge stops the slide at the edge; it ends there instead of
        // waiting for ever.
        if (x == before.x && y == before.y)
            break;
        composeSlideFrame(m_backBuffer, blank(), m_state, m_pictures);
        m_services.view.present(m_backBuffer);
    }
    x = target.x;
    y = target.y;
}

void Game::pollRestoreTimer()
{
    if (m_blankShowsAlternate && m_services.clock.nowMs() >= m_restoreDueMs)
        m_blankShowsAlternate = false;
}

const Surface& Game::blank() const
{
    return m_blankShowsAlternate ? m_pictures.lockOutBackground : m_pictures.background;
}
