#pragma once

#include <QtTest>
#include <QtWidgets>

#include "fake_services.h"
#include "game_window.h"
#include "registry_store.h"
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

// The game's real window over a program folder, started and shown, with a fake clock, sound and settings, and
// the player's hand: steps for the pump that pick objects up, carry them and let go, as pointer events posted to
// the canvas. A round that nothing ends fails the test and closes the window instead of spinning for ever.
class GameSession {
public:
    GameSession(const QString& programFolder, ScriptedPrompts& prompts)
        : window(programFolder.toStdString(), {clock, sound, pump, registry, &prompts})
    {
        pump.whenIdle = [this] {
            if (pump.calls > 20000) {
                QTest::qFail("the round did not end", __FILE__, __LINE__);
                window.game().windowClosing();
            }
        };
        window.start();
        window.show();
    }

    // Hovers over the object's tube to make it current, presses on a solid pixel of the object, lifts it clear
    // of its tube, carries it into the box, and lets go `heldMs` later on the test's clock. Each step takes its
    // positions when it runs, so steps may follow one that loads another theme.
    void queueDelivery(int object, std::int64_t heldMs = 1000)
    {
        queuePickUp(object);
        queueLift(object);
        pump.steps.push_back([this, object] {
            const GameState& state = window.game().state();
            const Surface& box = window.game().pictures().boxes[0];
            const Surface& mask = window.game().pictures().objectMasks[object];
            m_hand = QPoint(state.boxX[0] + (box.width() - mask.width()) / 2,
                            state.boxY[0] + (box.height() - mask.height()) / 2) +
                     m_grip;
            QTest::mouseMove(window.canvas(), m_hand);
        });
        pump.steps.push_back([this, heldMs] {
            clock.advance(heldMs);
            QTest::mouseRelease(window.canvas(), Qt::LeftButton, {}, m_hand);
        });
    }

    // Picks the object up and pushes it sideways into its tube's wall, then lets go.
    void queueWallTouch(int object)
    {
        queuePickUp(object);
        pump.steps.push_back([this, object] {
            m_hand.rx() += window.game().pictures().tubes[object].width() / 2;
            QTest::mouseMove(window.canvas(), m_hand);
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

    QTemporaryDir settings;
    FakeClock clock;
    RecordingSound sound;
    ScriptedQtPump pump;
    RegistryStore registry{settings.path().toStdString()};
    GameWindow window;

private:
    // One pass: no frame has to come between hovering and pressing. The object is at rest, as a round starts.
    void queuePickUp(int object)
    {
        pump.steps.push_back([this, object] {
            const GameState& state = window.game().state();
            QTest::mouseMove(window.canvas(), QPoint(state.tubeX[object] + 1, state.tubeY[object] + 1));
            m_grip = solidPointOf(window.game().pictures().objectMasks[object]);
            m_hand = QPoint(state.objectX[object], state.objectY[object]) + m_grip;
            QTest::mousePress(window.canvas(), Qt::LeftButton, {}, m_hand);
            QTest::mouseMove(window.canvas(), m_hand);
        });
    }

    void queueLift(int object)
    {
        pump.steps.push_back([this, object] {
            m_hand.ry() -= window.game().pictures().tubes[object].height() + 4;
            QTest::mouseMove(window.canvas(), m_hand);
        });
    }

    void queueRelease()
    {
        pump.steps.push_back([this] { QTest::mouseRelease(window.canvas(), Qt::LeftButton, {}, m_hand); });
    }

    // A solid pixel of the mask near its centre, where a press picks the object up.
    static QPoint solidPointOf(const Surface& mask)
    {
        const int cx = mask.width() / 2;
        const int cy = mask.height() / 2;
        for (int radius = 0; radius < mask.width() + mask.height(); ++radius)
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (mask.pixel(cx + dx, cy + dy) == kBlack)
                        return QPoint(cx + dx, cy + dy);
        return {};
    }

    QPoint m_grip;  // where the hand holds the object, from its top-left corner
    QPoint m_hand;
};
