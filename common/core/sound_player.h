#pragma once

#include <string>
#include <vector>

// Plays a sound file in the background: the call returns at once, and the next sound cuts off the one
// playing. A file that cannot be played gives a short built-in cue instead, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
    // Reads these sound files now, in place of those read before, so that playing them reads nothing from the
    // disk: a cue can play every frame. A file that cannot be read plays the built-in cue.
    virtual void loadCues(const std::vector<std::string>& paths) = 0;
};
