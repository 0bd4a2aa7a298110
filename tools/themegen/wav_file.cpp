#include "wav_file.h"

namespace {

// RIFF stores every number little-endian, whatever the machine.
void appendLittleEndian(std::string& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string wavFileBytes(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t channels = 1;
    const std::uint32_t bitsPerSample = 16;
    const std::uint32_t blockAlign = channels * bitsPerSample / 8;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::string bytes = "RIFF";
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    appendLittleEndian(bytes, 16, 4);  // size of the format chunk
    appendLittleEndian(bytes, 1, 2);   // PCM
    appendLittleEndian(bytes, channels, 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    appendLittleEndian(bytes, blockAlign, 2);
    appendLittleEndian(bytes, bitsPerSample, 2);
    bytes += "data";
    appendLittleEndian(bytes, dataSize, 4);
    for (std::int16_t sample : samples)
        appendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}
