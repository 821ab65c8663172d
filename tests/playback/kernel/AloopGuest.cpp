// Plays a second of samples, then silence, through the sound output into the kernel's loopback
// card and records the card's other end meanwhile: what the output sends must arrive there
// unchanged and unbroken, and the end notice must not come before it has all been played. Then a
// long run, stopped once it is heard: the stop ends the play and the rest of the run never arrives.
#include "playback/AlsaSoundOutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr std::uint8_t kSilence = 0x80;

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

} // namespace

int main()
{
    snd_pcm_t* capture = nullptr;
    if (int error = snd_pcm_open(&capture, "plughw:Loopback,1,0", SND_PCM_STREAM_CAPTURE, 0); error < 0) {
        std::printf("capture open: %s\n", snd_strerror(error));
        return 1;
    }
    // A long buffer: the emulated machine may leave the reader unscheduled for a while.
    if (int error = snd_pcm_set_params(capture, SND_PCM_FORMAT_U8, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                       ISoundOutput::kSampleRate, 0, 1'000'000);
        error < 0) {
        std::printf("capture parameters: %s\n", snd_strerror(error));
        return 1;
    }

    std::vector<std::uint8_t> recorded;
    std::mutex recording;
    std::atomic<bool> enough{false};
    int overruns = 0;
    std::thread recorder([&] {
        std::uint8_t chunk[1024];
        while (!enough) {
            snd_pcm_sframes_t got = snd_pcm_readi(capture, chunk, sizeof chunk);
            if (got < 0) {
                ++overruns;
                if (snd_pcm_recover(capture, static_cast<int>(got), 1) < 0)
                    return;
                continue;
            }
            const std::lock_guard lock(recording);
            recorded.insert(recorded.end(), chunk, chunk + got);
        }
    });
    // Recording first: the loopback starts silent, and nothing played is lost before the reader runs.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const std::vector<std::uint8_t> run = distinctiveSamples();
    // No silence after the run: the output's own must carry its last samples out whole. (A drain
    // would not: the loopback driver puts the silence for the part of its last timer step beyond
    // the data at the start of that step, so up to a tick, 4 ms here, arrives blank before the end.)
    const std::vector<std::uint8_t>& samples = run;
    const double duration = static_cast<double>(samples.size()) / ISoundOutput::kSampleRate;
    std::promise<bool> ended; // outlives the output, whose thread may still be ending
    AlsaSoundOutput output;
    if (!output.unavailableReason().empty()) {
        std::printf("%s\n", output.unavailableReason().c_str());
        enough = true;
        recorder.join();
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    output.play(samples, [&ended](bool played, const std::string&) { ended.set_value(played); });
    auto endNotice = ended.get_future();
    const bool finished = endNotice.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    const bool played = finished && endNotice.get();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The reader gets whole periods of a quarter of its buffer: wait for the one holding the end.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));

    std::vector<std::uint8_t> longRun;
    for (int repeat = 0; repeat < 5; ++repeat)
        longRun.insert(longRun.end(), run.begin(), run.end());
    const std::size_t beforeLongRun = [&] {
        const std::lock_guard lock(recording);
        return recorded.size();
    }();
    std::promise<bool> longEnded;
    output.play(longRun, [&longEnded](bool played, const std::string&) { longEnded.set_value(played); });
    const auto longRunHeard = [&] {
        const std::lock_guard lock(recording);
        return static_cast<std::size_t>(std::count_if(recorded.begin() + static_cast<std::ptrdiff_t>(beforeLongRun),
                                                      recorded.end(), [](std::uint8_t b) { return b != kSilence; }));
    };
    for (int wait = 0; wait < 1000 && longRunHeard() == 0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    output.stop();
    auto longNotice = longEnded.get_future();
    const bool stoppedUnheard = longNotice.wait_for(std::chrono::seconds(0)) == std::future_status::ready
                                && !longNotice.get();
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    enough = true;
    recorder.join();
    snd_pcm_close(capture);
    const std::size_t longHeard = longRunHeard();
    std::printf("long run stopped once heard: %s; %zu of its %zu bytes arrived\n",
                stoppedUnheard ? "ended unheard before the stop returned" : "NO END NOTICE", longHeard,
                longRun.size());
    const bool stopped = stoppedUnheard && longHeard > 0 && longHeard < longRun.size() / 2;

    std::printf("play %s after %.2f s (the sound lasts %.2f s); recorded %zu bytes, %d overruns\n",
                !finished ? "never ended" : played ? "ended" : "FAILED", seconds, duration, recorded.size(), overruns);
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
    return played && heard && arrived && stopped && overruns == 0 ? 0 : 1;
}
