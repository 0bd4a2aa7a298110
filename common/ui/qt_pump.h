#pragma once

#include "pump.h"

// Runs the pending Qt events: input, paints, timers and button clicks, between two frames.
class QtPump : public Pump {
public:
    void processPendingEvents() override;
    void waitForEvents() override;
};
