#pragma once

#include <cstdint>

// A small fixed-seed generator (xorshift32) for scattered scenery and noise. The shipped files must come
// out byte for byte the same on every build, so nothing here is seeded from the clock.
class PseudoRandom {
public:
    explicit PseudoRandom(std::uint32_t seed) : m_state(seed == 0 ? 1 : seed) {}

    // The next value in [0, 1).
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 4294967296.0;
    }

    // The next value in [low, high).
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};
