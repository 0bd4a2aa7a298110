#include "sound_cues.h"

#include <algorithm>
#include <cmath>

#include "pseudo_random.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

using Signal = std::vector<double>;

int sampleCount(double seconds)
{
    return static_cast<int>(seconds * kCueSampleRate);
}

// A sine whose pitch glides exponentially from `from` to `to` Hz; the phase is summed step by step so the
// glide stays smooth.
Signal glide(double seconds, double from, double to, double secondHarmonic)
{
    const int n = sampleCount(seconds);
    Signal signal(n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double progress = static_cast<double>(i) / n;
        phase += kTwoPi * from * std::pow(to / from, progress) / kCueSampleRate;
        signal[i] = std::sin(phase) + secondHarmonic * std::sin(2 * phase);
    }
    return signal;
}

// Fades the ends in and out so that the cue starts and stops without a click.
void fadeEnds(Signal& signal, double fadeIn, double fadeOut)
{
    const int n = static_cast<int>(signal.size());
    const int in = std::min(sampleCount(fadeIn), n);
    const int out = std::min(sampleCount(fadeOut), n);
    for (int i = 0; i < in; ++i)
        signal[i] *= static_cast<double>(i) / in;
    for (int i = 0; i < out; ++i)
        signal[n - 1 - i] *= static_cast<double>(i) / out;
}

// Scales the loudest sample to `peak` of full scale.
std::vector<std::int16_t> toPcm(const Signal& signal, double peak)
{
    double loudest = 0;
    for (double s : signal)
        loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0 ? peak * 32767 / loudest : 0;
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (double s : signal)
        samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s * scale, -32767.0, 32767.0))));
    return samples;
}

}  // namespace

std::vector<std::int16_t> pickupCue()
{
    Signal blip = glide(0.08, 520, 1560, 0.25);
    for (std::size_t i = 0; i < blip.size(); ++i)
        blip[i] *= 1.0 - 0.5 * static_cast<double>(i) / blip.size();
    fadeEnds(blip, 0.004, 0.02);
    return toPcm(blip, 0.6);
}

std::vector<std::int16_t> letGoCue()
{
    Signal tone = glide(0.15, 660, 330, 0.1);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] *= std::exp(-6.0 * static_cast<double>(i) / kCueSampleRate);
    fadeEnds(tone, 0.01, 0.05);
    return toPcm(tone, 0.45);
}

std::vector<std::int16_t> hitTubeCue()
{
    const int n = sampleCount(0.25);
    Signal buzz(n);
    PseudoRandom noise(90210);
    double smoothed = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kCueSampleRate;
        const double square = std::fmod(t * 110, 1.0) < 0.5 ? 1.0 : -1.0;
        const double saw = 2 * std::fmod(t * 166, 1.0) - 1;
        const double raw = 0.55 * square + 0.35 * saw + 0.25 * noise.between(-1, 1);
        // A gentle low-pass takes the harshest edge off the square.
        smoothed += 0.35 * (raw - smoothed);
        buzz[i] = smoothed * (0.6 + 0.4 * std::exp(-t * 10));
    }
    fadeEnds(buzz, 0.005, 0.06);
    return toPcm(buzz, 0.5);
}

std::vector<std::int16_t> putInContCue()
{
    struct Partial {
        double ratio;
        double level;
        double decay;  // per second
    };
    const double fundamental = 1046.5;
    const Partial partials[] = {{1.0, 1.0, 7.0}, {2.76, 0.45, 12.0}, {5.4, 0.2, 20.0}};
    const int n = sampleCount(0.4);
    Signal chime(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kCueSampleRate;
        for (const Partial& p : partials)
            chime[i] += p.level * std::exp(-p.decay * t) * std::sin(kTwoPi * fundamental * p.ratio * t);
    }
    fadeEnds(chime, 0.002, 0.05);
    return toPcm(chime, 0.6);
}
