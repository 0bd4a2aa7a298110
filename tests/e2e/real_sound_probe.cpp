// Plays one sound file through the game's own player on whatever device SDL opens, and returns once the
// sound has been played out, so a recording of the device holds all of it.
// Usage: real_sound_probe FILE   (a file that cannot be played gives the player's built-in cue)

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "sdl_sound_player.h"

namespace {

constexpr Uint32 kPlayLimitMs = 10000;
// What the device and the sound server still hold when the mixer's channel falls silent.
constexpr Uint32 kDrainMs = 500;

}  // namespace

// SDL's sound-server thread leaves one of libpulse's requests unfreed when the device closes; in a sanitizer
// build that would fail the run for a leak we cannot reach.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libpulse\n";
}

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: real_sound_probe FILE\n");
        return 2;
    }
    SdlSoundPlayer player;
    player.openDevice();
    if (!player.hasDevice()) {
        std::fprintf(stderr, "real_sound_probe: no sound device: %s\n", SDL_GetError());
        return 1;
    }
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    std::printf("device: %s, %d Hz, %d channels, format 0x%x\n", SDL_GetCurrentAudioDriver(), frequency, channels,
                format);

    player.play(argv[1]);
    if (Mix_Playing(-1) == 0) {
        std::fprintf(stderr, "real_sound_probe: nothing started playing\n");
        return 1;
    }
    const Uint32 start = SDL_GetTicks();
    while (Mix_Playing(-1) > 0) {
        if (SDL_GetTicks() - start > kPlayLimitMs) {
            std::fprintf(stderr, "real_sound_probe: still playing after %u ms\n", kPlayLimitMs);
            return 1;
        }
        SDL_Delay(5);
    }
    std::printf("mixer played for about %u ms\n", SDL_GetTicks() - start);
    SDL_Delay(kDrainMs);
    return 0;
}
