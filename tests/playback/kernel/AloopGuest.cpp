// Plays sounds through the sound output into the kernel's loopback card and records the card's
// other end meanwhile. A second of slot samples, then silence: what the output sends must arrive
// unchanged and unbroken, and the end notice must not come before it has all been played. Then a
// long run of slot samples, stopped once it is heard: the stop ends the play and the rest never
// arrives. Then a second of a source's 16-bit stereo frames at 44.1 kHz onto the card at 48 kHz,
// so the plug layer converts them: each channel must arrive whole, at its own pitch and level.
#include "playback/AlsaSoundOutput.h"
#include "tests/support/kernel/Guest.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <future>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uint8_t kSilence = 0x80;

void wait(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Records the capture end of the loopback cable in the format; says why not.
bool record(guest::PcmRecorder& recorder, snd_pcm_format_t format, unsigned channels, unsigned rate)
{
    // A long buffer: the emulated machine may leave the reader unscheduled for a while.
    if (!recorder.open(
            "plughw:Loopback,1,0",
            [&](snd_pcm_t* pcm) {
                return snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, channels, rate, 0, 1'000'000);
            },
            static_cast<std::size_t>(snd_pcm_format_physical_width(format) / 8) * channels, 1024))
        return false;
    // Recording first: the loopback starts silent, and nothing played is lost before the reader runs.
    wait(200);
    return true;
}

// A play's end notice, kept beyond the play, whose thread may still be ending: "played", why not,
// or "stopped".
class EndNotice {
public:
    ISoundOutput::EndHandler handler()
    {
        return [this](bool played, const PlaybackFailure& failure) {
            m_told.set_value(played ? "played" : failure ? failure.describe() : "stopped");
        };
    }
    // What it said within the time, or "never ended".
    std::string within(std::chrono::seconds limit)
    {
        std::future<std::string> notice = m_told.get_future();
        return notice.wait_for(limit) == std::future_status::ready ? notice.get() : "never ended";
    }

private:
    std::promise<std::string> m_told;
};

// No short period, and never silence, so the run cannot be found at a wrong place nor be
// mistaken for the silence around it.
std::vector<std::uint8_t> distinctiveSamples()
{
    std::vector<std::uint8_t> samples(ISoundOutput::kSampleRate);
    std::uint32_t state = 12345;
    for (auto& sample : samples) {
        state = state * 1664525u + 1013904223u;
        sample = static_cast<std::uint8_t>(state >> 24);
        if (sample == kSilence)
            sample = 0x81;
    }
    return samples;
}

// The slot run whole and unchanged, the end notice not before it was heard, and a long run stopped.
bool slotsArrive(AlsaSoundOutput& output)
{
    guest::PcmRecorder recorder;
    if (!record(recorder, SND_PCM_FORMAT_U8, 1, ISoundOutput::kSampleRate))
        return false;
    const std::vector<std::uint8_t> run = distinctiveSamples();
    // No silence after the run: the output's own must carry its last samples out whole. (A drain
    // would not: the loopback driver puts the silence for the part of its last timer step beyond
    // the data at the start of that step, so up to a tick, 4 ms here, arrives blank before the end.)
    const double duration = static_cast<double>(run.size()) / ISoundOutput::kSampleRate;
    EndNotice ended;
    const auto start = std::chrono::steady_clock::now();
    output.play(run, ended.handler());
    const std::string end = ended.within(std::chrono::seconds(20));
    const double seconds = guest::secondsSince(start);
    // The reader gets whole periods of a quarter of its buffer: wait for the one holding the end.
    wait(700);

    std::vector<std::uint8_t> longRun;
    for (int repeat = 0; repeat < 5; ++repeat)
        longRun.insert(longRun.end(), run.begin(), run.end());
    const std::size_t beforeLongRun = recorder.recorded().size();
    EndNotice longEnded;
    output.play(longRun, longEnded.handler());
    const auto longRunHeard = [&] {
        const std::vector<std::uint8_t> recorded = recorder.recorded();
        return static_cast<std::size_t>(std::count_if(recorded.begin() + static_cast<std::ptrdiff_t>(beforeLongRun),
                                                      recorded.end(), [](std::uint8_t b) { return b != kSilence; }));
    };
    for (int tries = 0; tries < 1000 && longRunHeard() == 0; ++tries)
        wait(10);
    output.stop();
    const std::string longEnd = longEnded.within(std::chrono::seconds(0));
    const bool stoppedUnheard = longEnd != "played" && longEnd != "never ended";
    wait(700);
    recorder.finish();
    const std::size_t longHeard = longRunHeard();
    std::printf("long run stopped once heard: %s; %zu of its %zu bytes arrived\n",
                stoppedUnheard ? "ended unheard before the stop returned" : "NO END NOTICE", longHeard, longRun.size());
    const bool stopped = stoppedUnheard && longHeard > 0 && longHeard < longRun.size() / 2;

    const std::vector<std::uint8_t> recorded = recorder.recorded();
    std::printf("play %s after %.2f s (the sound lasts %.2f s); recorded %zu bytes, %d overruns\n", end.c_str(),
                seconds, duration, recorded.size(), recorder.overruns());
    // Ending sooner than the sound lasts would mean the end notice came before the last samples
    // were heard; a tick of slack for the card's timer.
    const bool heard = seconds >= duration - 0.01;
    const auto first = std::find_if(recorded.begin(), recorded.end(), [](std::uint8_t b) { return b != kSilence; });
    const auto offset = first - recorded.begin();
    const auto compared = std::min<std::ptrdiff_t>(recorded.end() - first, static_cast<std::ptrdiff_t>(run.size()));
    const auto differs = std::mismatch(first, first + compared, run.begin()).first;
    const bool arrived = compared == static_cast<std::ptrdiff_t>(run.size()) && differs == first + compared;
    if (arrived)
        std::printf("all %zu bytes of the run arrived unchanged after %td bytes of silence\n", run.size(), offset);
    else
        std::printf("from byte %td of the recording: %td of the run's %zu bytes identical\n", offset, differs - first,
                    run.size());
    return end == "played" && heard && arrived && stopped && recorder.overruns() == 0;
}

constexpr unsigned kSourceRate = 44100;
constexpr unsigned kRecordedRate = 48000;
// Each channel its own pitch and level, so a swap, a wrong rate or a lost channel shows.
constexpr double kFrequency[2] = {1000.0, 1500.0};
constexpr double kPeak[2] = {16384.0, 8192.0};

// A second of whole cycles on both channels, starting and ending at a zero crossing.
PcmRun stereoTones()
{
    PcmRun run{std::vector<std::int16_t>(2 * kSourceRate), kSourceRate, 2};
    for (std::size_t frame = 0; frame < kSourceRate; ++frame)
        for (std::size_t channel = 0; channel < 2; ++channel) {
            const double phase = 2 * std::numbers::pi * kFrequency[channel] * static_cast<double>(frame) / kSourceRate;
            run.samples[2 * frame + channel] = static_cast<std::int16_t>(std::lround(kPeak[channel] * std::sin(phase)));
        }
    return run;
}

// The run at its rate, after the plug layer's conversion: its length, and per channel the pitch
// from the upward zero crossings and the RMS level, both over its middle.
bool sourceRunArrives(AlsaSoundOutput& output)
{
    // Set up first, the capture end holds the card at its rate, as a sound server holds a real
    // card at 48 kHz: the plug layer converts the run.
    guest::PcmRecorder recorder;
    if (!record(recorder, SND_PCM_FORMAT_S16, 2, kRecordedRate))
        return false;
    const PcmRun run = stereoTones();
    const double duration = static_cast<double>(run.frames()) / kSourceRate;
    EndNotice ended;
    const auto start = std::chrono::steady_clock::now();
    output.playRun(run, ended.handler());
    const std::string end = ended.within(std::chrono::seconds(20));
    const double seconds = guest::secondsSince(start);
    wait(700);
    recorder.finish();

    const std::vector<std::int16_t> recorded = recorder.samples();
    const std::size_t frames = recorded.size() / 2;
    const auto sounding = [&](std::size_t frame) {
        return std::abs(recorded[2 * frame]) > 64 || std::abs(recorded[2 * frame + 1]) > 64;
    };
    std::size_t first = 0;
    while (first < frames && !sounding(first))
        ++first;
    std::size_t last = frames;
    while (last > first && !sounding(last - 1))
        --last;
    const double arrivedSeconds = static_cast<double>(last - first) / kRecordedRate;
    std::printf("16-bit stereo run %s after %.2f s (it lasts %.2f s); %.4f s of it arrived at 48 kHz, "
                "%d overruns\n",
                end.c_str(), seconds, duration, arrivedSeconds, recorder.overruns());
    // Two milliseconds of slack at the edges, where the conversion blurs where the sound starts.
    bool arrived = end == "played" && seconds >= duration - 0.01 && std::abs(arrivedSeconds - duration) < 0.002
                   && recorder.overruns() == 0;

    const std::size_t from = first + kRecordedRate / 10;
    const std::size_t to = std::min(last, first + kRecordedRate * 9 / 10);
    for (std::size_t channel = 0; channel < 2 && from < to; ++channel) {
        double energy = 0;
        int crossings = 0;
        for (std::size_t frame = from; frame < to; ++frame) {
            const double value = recorded[2 * frame + channel];
            energy += value * value;
            crossings += recorded[2 * (frame - 1) + channel] < 0 && value >= 0 ? 1 : 0;
        }
        const double frequency = crossings / (static_cast<double>(to - from) / kRecordedRate);
        const double rms = std::sqrt(energy / static_cast<double>(to - from));
        const double level = 20 * std::log10(rms / (kPeak[channel] / std::sqrt(2.0)));
        std::printf("channel %zu: %.1f Hz (played %.0f Hz), level %+.2f dB of the played\n", channel, frequency,
                    kFrequency[channel], level);
        arrived = arrived && std::abs(frequency / kFrequency[channel] - 1) < 0.005 && std::abs(level) < 0.5;
    }
    return arrived && from < to;
}

} // namespace

int main()
{
    AlsaSoundOutput output;
    if (!output.unavailableReason().empty()) {
        std::printf("%s\n", output.unavailableReason().c_str());
        return 1;
    }
    const bool slots = slotsArrive(output);
    const bool source = sourceRunArrives(output);
    return slots && source ? 0 : 1;
}
