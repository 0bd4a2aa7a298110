#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sound_player.h"

struct Mix_Chunk;

// Plays sound files through SDL2_mixer on one channel: a cue starts at once, never holds the caller, and
// the next cue cuts off the one playing. It is silent until its device is opened, and without a sound device.
class SdlSoundPlayer : public SoundPlayer {
public:
    SdlSoundPlayer();
    // Opens the sound device and reads the cues asked for so far. Finding out that there is no device can take
    // a tenth of a second, so the program does this once its window is on the screen.
    void openDevice();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void play(const std::string& path) override;
    void loadCues(const std::vector<std::string>& paths) override;
    bool hasDevice() const { return m_open; }
    // How many sound files were read from the disk so far.
    int filesRead() const { return m_filesRead; }

private:
    // The loaded cue of that file, reading it first if it was not loaded; nothing when it cannot be read.
    Mix_Chunk* cueOf(const std::string& path);
    void releaseCues();

    bool m_open = false;
    std::vector<std::string> m_cuePaths;
    std::vector<std::int16_t> m_defaultCueSamples;
    Mix_Chunk* m_defaultCue = nullptr;
    std::map<std::string, Mix_Chunk*> m_cues;
    int m_filesRead = 0;
};
