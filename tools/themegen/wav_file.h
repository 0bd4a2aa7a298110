#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a RIFF WAVE file holding the samples as 16-bit PCM, one channel.
std::string wavFileBytes(const std::vector<std::int16_t>& samples, int sampleRate);
