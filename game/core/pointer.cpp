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
void Game::PicCanvas_MouseDown(int button, double x, double y)
{
    if (button != kLeftButton)
        return;
    m_MouseHeld = true;
    for (int i = 0; i <= m_state.LastObj; ++i) {
        if (strictlyInside(x, y, m_state.ObjX[i], m_state.ObjY[i], m_pictures.PicSprite[i])) {
            m_services.sound.PlayWav(m_sounds.pickup);
            m_state.CurObj = static_cast<std::int16_t>(i);
            break;
        }
    }
    const int current = m_state.CurObj;
    if (current < 0 || current >= kMaxObjects)
        return;
    const std::optional<std::int16_t> grabX = toInt16(x - m_state.ObjX[current]);
    const std::optional<std::int16_t> grabY = toInt16(y - m_state.ObjY[current]);
    if (grabX && grabY) {
        m_GrabDX = *grabX;
        m_GrabDY = *grabY;
    }
}

void Game::PicCanvas_MouseMove(double x, double y)
{
    pollRestoreTimer();
    if (m_blankShowsAlternate)
        return;
    const std::optional<std::int16_t> px = toInt16(x);
    const std::optional<std::int16_t> py = toInt16(y);
    if (!px || !py)
        return;
    if (hasCurrentObject()) {
        const int current = m_state.CurObj;
        const bool over = HitMask(*px, *py, m_state.ObjX[current], m_state.ObjY[current], m_pictures.PicMask[current]);
        if (over && m_MouseHeld)
            m_DraggingObj = true;
        if (m_DraggingObj) {
            const std::optional<std::int16_t> objX = toInt16(x - m_GrabDX);
            const std::optional<std::int16_t> objY = toInt16(y - m_GrabDY);
            if (objX && objY) {
                m_state.ObjX[current] = *objX;
                m_state.ObjY[current] = *objY;
            }
        }
    }
    if (m_MouseHeld)
        return;
    for (int i = 0; i <= m_state.LastObj; ++i) {
        if (m_state.ContActive[i] && strictlyInside(x, y, m_state.ContX[i], m_state.ContY[i], m_pictures.PicCont[i])) {
            m_state.CurObj = static_cast<std::int16_t>(i);
            m_state.CurCont = static_cast<std::int16_t>(i);
            break;
        }
    }
}

void Game::PicCanvas_MouseUp()
{
    if (m_DraggingObj) {
        m_services.sound.PlayWav(m_sounds.letGo);
        DropBack();
    }
    m_MouseHeld = false;
    m_DraggingObj = false;
}

void Game::DropBack()
{
    m_blankShowsAlternate = true;
    m_restoreDueMs = m_services.clock.nowMs() + kLockOutMs;
    if (!hasCurrentObject() || !m_state.ObjActive[m_state.CurObj])
        return;
    const int current = m_state.CurObj;
    std::int16_t& x = m_state.ObjX[current];
    std::int16_t& y = m_state.ObjY[current];
    const CanvasPoint target = restingPlace(m_state.ContX[current], m_state.ContY[current], m_pictures.PicCont[current],
                                            m_pictures.PicSprite[current]);
    for (;;) {
        const CanvasPoint before{x, y};
        StepTowards(m_canvasWidth, m_canvasHeight, x, y, target.x, target.y);
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
    return m_blankShowsAlternate ? m_pictures.picBG2 : m_pictures.picBg1;
}
