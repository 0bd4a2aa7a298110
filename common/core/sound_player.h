#pragma once

#include <string>

// Plays a sound file in the background: the call returns at once, and the next sound cuts off the one
// playing. A file that cannot be played gives a short built-in cue instead, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlayWav(const std::string& path) = 0;
};
