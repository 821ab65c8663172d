#include "tools/DrumSynth.h"

#include "tools/Filter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kSampleRate = 33000.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Samples over which a sound rises from silence, so that it starts on the zero line.
constexpr double kAttackSamples = 12.0;
// Share of the sound over which its tail is faded to silence.
constexpr double kTailShare = 0.08;

// Level 0 to 1 of one sound parameter for a bank. Multiplying by a number prime to 31 visits every
// level once, so any two banks differ in every parameter by at least a thirtieth of its range.
double level(unsigned bank, unsigned step, unsigned shift)
{
    return static_cast<double>((bank * step + shift) % 31) / 30.0;
}

double seconds(std::size_t sample)
{
    return static_cast<double>(sample) / kSampleRate;
}

double attack(std::size_t sample)
{
    return std::min(1.0, static_cast<double>(sample) / kAttackSamples);
}

} // namespace

DrumSynth::DrumSynth(unsigned bank)
    : m_pitch(0.8 + 0.5 * level(bank, 13, 5))
    , m_decay(0.7 + 0.7 * level(bank, 7, 3))
    , m_brightness(level(bank, 19, 11))
    , m_noiseState(0x9E3779B97F4A7C15ULL ^ (static_cast<std::uint64_t>(bank + 1) * 0xD1B54A32D192ED03ULL))
{
}

double DrumSynth::noise()
{
    // xorshift64*: the same sequence on every machine.
    m_noiseState ^= m_noiseState >> 12;
    m_noiseState ^= m_noiseState << 25;
    m_noiseState ^= m_noiseState >> 27;
    const std::uint64_t value = m_noiseState * 0x2545F4914F6CDD1DULL;
    return static_cast<double>(value >> 11) / static_cast<double>(1ULL << 52) - 1.0;
}

std::vector<double> DrumSynth::metalCluster(std::size_t length, double spreadFactor)
{
    // Inharmonic ratios: a cluster that beats like struck metal rather than a chord.
    static constexpr std::array<double, 6> kHz{205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    std::array<double, 6> phase{};
    std::vector<double> sound(length);
    for (std::size_t n = 0; n < length; ++n) {
        double sum = 0.0;
        for (std::size_t k = 0; k < kHz.size(); ++k) {
            phase[k] += kHz[k] * m_pitch * spreadFactor / kSampleRate;
            phase[k] -= std::floor(phase[k]);
            sum += phase[k] < 0.5 ? 1.0 : -1.0;
        }
        sound[n] = sum / kHz.size();
    }
    return sound;
}

std::vector<std::uint8_t> DrumSynth::openHiHat(std::size_t length)
{
    std::vector<double> sound = metalCluster(length, 1.0 + 0.4 * m_brightness);
    Filter highPass = Filter::highPass(5500.0 + 3000.0 * m_brightness, 0.9);
    Filter sheen = Filter::bandPass(9000.0 + 2500.0 * m_brightness, 1.2);
    const double tau = 0.16 * m_decay;
    for (std::size_t n = 0; n < length; ++n) {
        const double raw = 0.65 * sound[n] + 0.35 * noise();
        sound[n] = (highPass.process(raw) + 0.5 * sheen.process(raw)) * attack(n) * std::exp(-seconds(n) / tau);
    }
    return toDeviceBytes(std::move(sound), 0.92);
}

std::vector<std::uint8_t> DrumSynth::closedHiHat(std::size_t length)
{
    std::vector<double> sound = metalCluster(length, 1.0 + 0.4 * m_brightness);
    Filter highPass = Filter::highPass(6500.0 + 3000.0 * m_brightness, 0.9);
    const double tau = 0.022 * m_decay;
    for (std::size_t n = 0; n < length; ++n) {
        const double raw = 0.55 * sound[n] + 0.45 * noise();
        sound[n] = highPass.process(raw) * attack(n) * std::exp(-seconds(n) / tau);
    }
    return toDeviceBytes(std::move(sound), 0.9);
}

std::vector<std::uint8_t> DrumSynth::clap(std::size_t length)
{
    // Several hands a few milliseconds apart, then the room.
    static constexpr std::array<double, 4> kBurstStart{0.0, 0.0095, 0.0185, 0.0290};
    Filter body = Filter::bandPass(900.0 + 700.0 * m_pitch * (0.6 + 0.4 * m_brightness), 2.2);
    std::vector<double> sound(length);
    const double tailTau = 0.10 * m_decay;
    for (std::size_t n = 0; n < length; ++n) {
        const double t = seconds(n);
        double envelope = 0.0;
        for (const double start : kBurstStart) {
            if (t >= start)
                envelope = std::max(envelope, std::exp(-(t - start) / 0.0045));
        }
        if (t >= kBurstStart.back())
            envelope = std::max(envelope, 0.55 * std::exp(-(t - kBurstStart.back()) / tailTau));
        sound[n] = body.process(noise()) * envelope * attack(n);
    }
    return toDeviceBytes(std::move(sound), 0.9);
}

std::vector<std::uint8_t> DrumSynth::rimShot(std::size_t length)
{
    const double high = 1650.0 * m_pitch;
    const double low = 470.0 * m_pitch;
    Filter click = Filter::highPass(3000.0, 0.7);
    std::vector<double> sound(length);
    for (std::size_t n = 0; n < length; ++n) {
        const double t = seconds(n);
        const double ring = std::sin(kTwoPi * high * t) * std::exp(-t / (0.010 * m_decay))
                            + 0.6 * std::sin(kTwoPi * low * t) * std::exp(-t / (0.018 * m_decay));
        const double tick = click.process(noise()) * std::exp(-t / 0.0012);
        sound[n] = (ring + 0.5 * tick) * attack(n);
    }
    return toDeviceBytes(std::move(sound), 0.9);
}

std::vector<std::uint8_t> DrumSynth::crash(std::size_t length)
{
    std::vector<double> sound = metalCluster(length, 1.5 + 0.5 * m_brightness);
    Filter highPass = Filter::highPass(3500.0 + 2500.0 * m_brightness, 0.8);
    Filter wash = Filter::bandPass(6000.0 + 3000.0 * m_brightness, 0.8);
    const double tau = 0.32 * m_decay;
    for (std::size_t n = 0; n < length; ++n) {
        const double raw = 0.45 * sound[n] + 0.55 * noise();
        const double swell = 1.0 - 0.4 * std::exp(-seconds(n) / 0.02);
        sound[n] = (highPass.process(raw) + 0.6 * wash.process(raw)) * swell * attack(n) * std::exp(-seconds(n) / tau);
    }
    return toDeviceBytes(std::move(sound), 0.93);
}

std::vector<std::uint8_t> DrumSynth::ride(std::size_t length)
{
    // The bell: a few sine partials above the stick's metal and a little wash.
    static constexpr std::array<double, 3> kBellRatio{1.0, 2.76, 5.40};
    const double bellHz = 620.0 * m_pitch;
    std::vector<double> sound = metalCluster(length, 1.2 + 0.3 * m_brightness);
    Filter highPass = Filter::highPass(4000.0 + 2000.0 * m_brightness, 0.8);
    const double tau = 0.45 * m_decay;
    for (std::size_t n = 0; n < length; ++n) {
        const double t = seconds(n);
        double bell = 0.0;
        for (std::size_t k = 0; k < kBellRatio.size(); ++k)
            bell += std::sin(kTwoPi * bellHz * kBellRatio[k] * t) / static_cast<double>(k + 1);
        const double metal = highPass.process(0.7 * sound[n] + 0.3 * noise());
        sound[n] = (metal * std::exp(-t / tau) + 0.35 * bell * std::exp(-t / (0.6 * tau))) * attack(n);
    }
    return toDeviceBytes(std::move(sound), 0.9);
}

std::vector<std::uint8_t> DrumSynth::toDeviceBytes(std::vector<double> sound, double peak)
{
    const std::size_t tail = static_cast<std::size_t>(static_cast<double>(sound.size()) * kTailShare);
    for (std::size_t i = 0; i < tail; ++i) {
        // Half a cosine from 1 down to exactly 0 at the last sample.
        const double fade
            = 0.5 + 0.5 * std::cos(std::numbers::pi * static_cast<double>(i + 1) / static_cast<double>(tail));
        sound[sound.size() - tail + i] *= fade;
    }
    double loudest = 0.0;
    for (const double value : sound)
        loudest = std::max(loudest, std::fabs(value));
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;

    std::vector<std::uint8_t> bytes(sound.size());
    for (std::size_t i = 0; i < sound.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(128 + std::lround(sound[i] * gain * 127.0));
    if (!bytes.empty())
        bytes.front() = 0x80;
    return bytes;
}
