#pragma once

// "Let the window process its pending events": the long loops call this once per pass, so every handler runs
// between two frames. The programs run the toolkit's pending events; tests inject scripted events.
class Pump {
public:
    virtual ~Pump() = default;
    virtual void processPendingEvents() = 0;
};
