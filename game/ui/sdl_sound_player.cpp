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

SdlSoundPlayer::SdlSoundPlayer() : m_defaultCueSamples(synthesiseDefaultCue()) {}

void SdlSoundPlayer::openDevice()
{
    if (m_open)
        return;
    // SDL would catch SIGINT and SIGTERM to queue a quit event nobody here reads: Ctrl+C, kill and the end of a
    // desktop session would leave the game running.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    // No format changes allowed: SDL converts for the device, so the built-in cue's raw samples, made for
    // exactly this format, play at their pitch and length whatever the device's own format.
    if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, 2, kChunkFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    m_defaultCue = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(m_defaultCueSamples.data()),
                                     static_cast<Uint32>(m_defaultCueSamples.size() * sizeof(std::int16_t)));
    m_open = true;
    loadCues(m_cuePaths);
}

SdlSoundPlayer::~SdlSoundPlayer()
{
    if (!m_open)
        return;
    releaseCues();
    // A chunk made from our own samples frees only its header.
    if (m_defaultCue)
        Mix_FreeChunk(m_defaultCue);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::releaseCues()
{
    // A chunk may be freed only once no channel plays it.
    Mix_HaltChannel(kChannel);
    for (const auto& [path, chunk] : m_cues) {
        if (chunk)
            Mix_FreeChunk(chunk);
    }
    m_cues.clear();
}

void SdlSoundPlayer::loadCues(const std::vector<std::string>& paths)
{
    m_cuePaths = paths;
    if (!m_open)
        return;
    releaseCues();
    for (const std::string& path : paths)
        cueOf(path);
}

Mix_Chunk* SdlSoundPlayer::cueOf(const std::string& path)
{
    const auto found = m_cues.find(path);
    if (found != m_cues.end())
        return found->second;
    ++m_filesRead;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    m_cues.emplace(path, chunk);
    return chunk;
}

void SdlSoundPlayer::play(const std::string& path)
{
    if (!m_open)
        return;
    Mix_Chunk* cue = cueOf(path);
    if (!cue)
        cue = m_defaultCue;
    if (cue)
        Mix_PlayChannel(kChannel, cue, 0);
}
