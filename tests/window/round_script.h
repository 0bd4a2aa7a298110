#pragma once

#include <QCoreApplication>
#include <QMouseEvent>

#include "fake_services.h"
#include "frm_main.h"
#include "surface_canvas.h"

// Each pass first runs the next scripted step, which posts the player's pointer events, then lets Qt deliver
// everything pending, as the real program's pump does.
class ScriptedQtPump : public ScriptedPump {
public:
    void processPendingEvents() override
    {
        ScriptedPump::processPendingEvents();
        QCoreApplication::processEvents();
    }
};

// The player's hand on the game's real window: steps for the pump that pick objects up, carry them and let go,
// as pointer events posted to the canvas.
class RoundScript {
public:
    RoundScript(ScriptedPump& pump, FakeClock& clock) : m_pump(pump), m_clock(clock) {}
    void setWindow(FrmMain* window) { m_window = window; }

    // Hovers over the object's tube to make it current, presses on a solid pixel of the object, lifts it clear
    // of its tube, carries it into the box, and lets go `heldMs` later on the test's clock.
    void queueDelivery(int object, std::int64_t heldMs = 1000)
    {
        queuePickUp(object);
        queueLift(object);
        m_pump.steps.push_back([this, object] {
            const Game& game = m_window->game();
            const Surface& box = game.pictures().PicPlainSprite[0];
            const Surface& sprite = game.pictures().PicSprite[object];
            const QPointF boxCentre(game.state().BoxX[0] + box.width() / 2.0,
                                    game.state().BoxY[0] + box.height() / 2.0);
            const QPointF objectCentre(game.state().ObjX[object] + sprite.width() / 2.0,
                                       game.state().ObjY[object] + sprite.height() / 2.0);
            m_hand = boxCentre + (m_hand - objectCentre);
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
        m_pump.steps.push_back([this, heldMs] {
            m_clock.advance(heldMs);
            post(QEvent::MouseButtonRelease, m_hand, Qt::NoButton);
        });
    }

    // Picks the object up and pushes it sideways into its tube's wall, then lets go.
    void queueWallTouch(int object)
    {
        queuePickUp(object);
        m_pump.steps.push_back([this, object] {
            m_hand.rx() += m_window->game().pictures().PicCont[object].width() / 2.0;
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
        queueRelease();
    }

    // Picks the object up, lifts it clear of its tube and lets go there, outside the box.
    void queueReleaseOutside(int object)
    {
        queuePickUp(object);
        queueLift(object);
        queueRelease();
    }

private:
    // One pass: the events arrive in order, and no frame has to come between hovering and pressing.
    void queuePickUp(int object)
    {
        m_pump.steps.push_back([this, object] {
            const GameState& state = m_window->game().state();
            post(QEvent::MouseMove, QPointF(state.ContX[object] + 1.5, state.ContY[object] + 1.5), Qt::NoButton);
            m_hand = solidPointOf(object);
            post(QEvent::MouseButtonPress, m_hand, Qt::LeftButton);
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
    }

    void queueLift(int object)
    {
        m_pump.steps.push_back([this, object] {
            m_hand.ry() -= m_window->game().pictures().PicCont[object].height() + 4;
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
    }

    void queueRelease()
    {
        m_pump.steps.push_back([this] { post(QEvent::MouseButtonRelease, m_hand, Qt::NoButton); });
    }

    void post(QEvent::Type type, QPointF at, Qt::MouseButtons held)
    {
        SurfaceCanvas* canvas = m_window->canvas();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QCoreApplication::postEvent(canvas,
                                    new QMouseEvent(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier));
    }

    // A solid mask pixel near the object's centre, where a press picks the object up.
    QPointF solidPointOf(int object) const
    {
        const GameState& state = m_window->game().state();
        const Surface& mask = m_window->game().pictures().PicMask[object];
        const int cx = mask.width() / 2;
        const int cy = mask.height() / 2;
        for (int radius = 0; radius < mask.width() + mask.height(); ++radius)
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (mask.pixel(cx + dx, cy + dy) == kBlack)
                        return QPointF(state.ObjX[object] + cx + dx + 0.25, state.ObjY[object] + cy + dy + 0.25);
        return {};
    }

    ScriptedPump& m_pump;
    FakeClock& m_clock;
    FrmMain* m_window = nullptr;
    QPointF m_hand;
};
