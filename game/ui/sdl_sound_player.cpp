#include "sdl_sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>

namespace {

constexpr int kChannel = 0;
constexpr int kSampleRate = 22050;
constexpr int kChunkFrames = 512;
constexpr int kDefaultCueMs = 120;
constexpr double kDefaultCueHz = 880.0;
constexpr double kPi = 3.14159265358979323846;

// The cue played when a theme's sound file is missing or unreadable: a short soft beep, stereo 16-bit.
std::vector<std::int16_t> synthesiseDefaultCue()
{
    const int frames = kSampleRate * kDefaultCueMs / 1000;
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double envelope = std::min(1.0, std::min(i, frames - i) / (0.01 * kSampleRate));
        const auto value = static_cast<std::int16_t>(9000.0 * envelope * std::sin(2.0 * kPi * kDefaultCueHz * t));
        samples.push_back(value);
        samples.push_back(value);
    }
    return samples;
}

}  // namespace

SdlSoundPlayer::SdlSoundPlayer() : m_defaultCue(synthesiseDefaultCue())
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    // No format changes allowed: SDL converts for the device, so the built-in cue's raw samples, made for
    // exactly this format, play at their pitch and length whatever the device's own format.
    if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, 2, kChunkFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    m_open = true;
}

SdlSoundPlayer::~SdlSoundPlayer()
{
    if (!m_open)
        return;
    stopAndRelease();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::stopAndRelease()
{
    Mix_HaltChannel(kChannel);
    // A chunk made from our own samples frees only its header; one loaded from a file frees its data too.
    if (m_playing)
        Mix_FreeChunk(m_playing);
    m_playing = nullptr;
}

void SdlSoundPlayer::PlayWav(const std::string& path)
{
    if (!m_open)
        return;
    stopAndRelease();
    m_playing = Mix_LoadWAV(path.c_str());
    if (!m_playing) {
        m_playing = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(m_defaultCue.data()),
                                      static_cast<Uint32>(m_defaultCue.size() * sizeof(std::int16_t)));
    }
    if (m_playing)
        Mix_PlayChannel(kChannel, m_playing, 0);
}
