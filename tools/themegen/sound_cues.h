#pragma once

#include <cstdint>
#include <vector>

// The four sound cues every shipped theme carries, synthesized as 16-bit mono samples at kCueSampleRate.
constexpr int kCueSampleRate = 22050;

// "Pickup.wav": a short rising blip.
std::vector<std::int16_t> pickupCue();
// "LetGo.wav": a soft falling tone.
std::vector<std::int16_t> letGoCue();
// "HitTube.wav": a rough buzz.
std::vector<std::int16_t> hitTubeCue();
// "PutInCont.wav": a bell-like chime.
std::vector<std::int16_t> putInContCue();
