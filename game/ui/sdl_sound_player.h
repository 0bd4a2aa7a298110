#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound_player.h"

struct Mix_Chunk;

// Plays sound files through SDL2_mixer on one channel: a cue starts at once, never holds the caller, and
// the next cue cuts off the one playing. Without a sound device it stays silent.
class SdlSoundPlayer : public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void PlayWav(const std::string& path) override;
    bool hasDevice() const { return m_open; }

private:
    void stopAndRelease();

    bool m_open = false;
    Mix_Chunk* m_playing = nullptr;
    std::vector<std::int16_t> m_defaultCue;
};
