#pragma once

#include <chrono>
#include <cstdint>

// Milliseconds from an arbitrary start, never going backwards; the clock of a round.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() = 0;
};

class SteadyClock : public Clock {
public:
    std::int64_t nowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};
