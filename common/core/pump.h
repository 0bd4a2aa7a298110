#pragma once

// "Let the window process its pending events": the long loops call this once per pass, so every handler runs
// between two frames. The programs run the toolkit's pending events; tests inject scripted events.
class Pump {
public:
    virtual ~Pump() = default;
    virtual void processPendingEvents() = 0;
    // Sleeps until at least one event arrives, then runs it and whatever else is pending. A loop calls this
    // instead when it has nothing new to show, so an idle program leaves the processor idle.
    virtual void waitForEvents() { processPendingEvents(); }
};
