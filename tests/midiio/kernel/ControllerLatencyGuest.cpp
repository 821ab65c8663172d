// Runs inside the test kernel with snd-virmidi, snd-dummy and two snd-aloop cards loaded: the whole
// way from a controller's note to the pad's sound, as the editor plays it. The ALSA service listens
// to the VirMIDI port through a controller input that hits the kit player, which plays onto a
// loopback card; another program writes a Note On into the port's rawmidi device at a known time,
// and the card's capture end shows when the pad's first sample left. Prints, over 50 notes on a card
// that moves by the kernel's tick and 50 on one that moves by 1 ms periods, the time from the note
// written to its sound, the kernel's part of it, and the rest: from the note's arrival in the
// program. No limit of time is asserted: under an emulated machine the figures are a measurement,
// not a verdict. It fails when a note is never heard, or when more than one sound in ten is heard
// longer than the pad's: the card ran past what the player had written without the player seeing
// it run dry, and played old frames again.
#include "midiio/ControllerInput.h"
#include "midiio/MidiSources.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "model/FactoryTables.h"
#include "playback/KitPlayer.h"
#include "tests/midiio/kernel/RawmidiReader.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kRate = 33000;
constexpr int kNotes = 50;
// Between two notes: long enough for the pad's sound to end and the silence before the next to show.
constexpr auto kNoteSpacing = std::chrono::milliseconds(250);
// The pad's sound: 30 ms of a loud square, never silent, from its very first sample.
constexpr std::size_t kSoundBytes = 330;
// Silence in front of a sound that marks it as a new one.
constexpr std::size_t kQuietFrames = kRate * 40 / 1000;
constexpr int kHeard = 1000;
// How much earlier than its note a sound may seem to start: the card's timestamps are only as fine
// as its steps.
constexpr auto kEarliest = std::chrono::milliseconds(20);

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// 16-bit mono frames at the pads' rate in periods of 1 ms, the kit player's own.
int setFormat(snd_pcm_t* pcm, snd_pcm_uframes_t bufferFrames)
{
    snd_pcm_hw_params_t* params = nullptr;
    snd_pcm_hw_params_alloca(&params);
    snd_pcm_uframes_t period = KitPlayer::kPeriodFrames;
    int error = snd_pcm_hw_params_any(pcm, params);
    if (error >= 0)
        error = snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED);
    if (error >= 0)
        error = snd_pcm_hw_params_set_format(pcm, params, SND_PCM_FORMAT_S16);
    if (error >= 0)
        error = snd_pcm_hw_params_set_channels(pcm, params, 1);
    if (error >= 0)
        error = snd_pcm_hw_params_set_rate(pcm, params, kRate, 0);
    if (error >= 0)
        error = snd_pcm_hw_params_set_period_size(pcm, params, period, 0);
    if (error >= 0)
        error = snd_pcm_hw_params_set_buffer_size_near(pcm, params, &bufferFrames);
    if (error >= 0)
        error = snd_pcm_hw_params(pcm, params);
    return error;
}

// Silence played on the dummy card, whose high-resolution timer ends a period every millisecond:
// the second loopback card takes those period ends as its clock, and so moves in steps of 1 ms as a
// card driven by its own interrupts does, where the first moves by the kernel's 4 ms tick.
bool startDummyClock(guest::PcmThread& dummy, const std::string& loopbackCard)
{
    std::FILE* source = std::fopen(("/proc/asound/" + loopbackCard + "/timer_source").c_str(), "w");
    const bool told = source && std::fputs("Dummy", source) >= 0;
    if (source)
        std::fclose(source);
    if (int error = snd_pcm_open(&dummy.device, "hw:Dummy,0,0", SND_PCM_STREAM_PLAYBACK, 0);
        !told || error < 0 || (error = setFormat(dummy.device, 10 * KitPlayer::kPeriodFrames)) < 0) {
        std::printf("dummy clock: %s\n", told ? snd_strerror(error) : "no timer_source to set");
        return false;
    }
    dummy.thread = std::thread([&dummy] {
        const std::vector<std::int16_t> silence(KitPlayer::kPeriodFrames);
        while (!dummy.enough)
            if (const snd_pcm_sframes_t written = snd_pcm_writei(dummy.device, silence.data(), silence.size());
                written < 0)
                snd_pcm_recover(dummy.device, static_cast<int>(written), 1);
    });
    return true;
}

// Each sound the card captured: when its first frame left the playback end, and how long it is
// from there to its last loud frame.
struct Sound {
    Clock::time_point start;
    std::size_t frames;
};
std::vector<Sound> soundsOf(const guest::PcmRecorder& capture)
{
    const std::vector<std::int16_t> frames = capture.samples();
    const std::vector<guest::PcmRecorder::Mark> marks = capture.marks();
    // From the first mark at or past the frame: the frames captured after it took their time.
    const auto timeOf = [&marks](std::size_t frame) {
        const auto mark
            = std::find_if(marks.begin(), marks.end(), [frame](const auto& m) { return m.position > frame; });
        if (mark == marks.end())
            return Clock::time_point::max();
        const auto after = std::chrono::duration<double>(static_cast<double>(mark->position - frame) / kRate);
        return mark->at - std::chrono::duration_cast<Clock::duration>(after);
    };
    std::vector<Sound> found;
    std::size_t quiet = kQuietFrames;
    std::size_t first = 0;
    for (std::size_t frame = 0; frame < frames.size(); ++frame) {
        if (std::abs(frames[frame]) < kHeard) {
            ++quiet;
            continue;
        }
        if (quiet >= kQuietFrames) {
            found.push_back({timeOf(frame), 0});
            first = frame;
        }
        found.back().frames = frame + 1 - first;
        quiet = 0;
    }
    return found;
}

KitSounds padSounds()
{
    KitSounds sounds;
    for (std::size_t pad = 0; pad < KitSounds::kPads; ++pad) {
        sounds.pads[pad].resize(kSoundBytes);
        for (std::size_t i = 0; i < kSoundBytes; ++i)
            sounds.pads[pad][i] = i % 2 ? 0x20 : 0xE0;
    }
    return sounds;
}

// How far ahead the kit player writes now, as the card's playback end was told: the frames it
// starts with, which the player sets to its lead.
std::string playbackLead(const std::string& card)
{
    std::FILE* file = std::fopen(("/proc/asound/" + card + "/pcm0p/sub0/sw_params").c_str(), "r");
    unsigned long frames = 0;
    char line[128];
    while (file && std::fgets(line, sizeof line, file))
        std::sscanf(line, "start_threshold: %lu", &frames);
    if (file)
        std::fclose(file);
    return std::to_string(frames * 1'000'000 / kRate) + " us";
}

// The median, what nine notes in ten stay within, and the worst.
std::string spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    char text[96];
    std::snprintf(text, sizeof text, "%.1f ms median, %.1f ms for 9 in 10, %.1f ms worst", values[values.size() / 2],
                  values[values.size() * 9 / 10 - 1], values.back());
    return text;
}

// The whole way from the note to the card named, and its figures; false where a note went unheard
// or too many sounds were broken.
bool measure(const std::string& card, const char* clock)
{
    std::printf("%s, whose position moves by %s:\n", card.c_str(), clock);
    // The capture end of the loopback card, opened before the player, so the card runs at the
    // player's own format and period and nothing converts.
    guest::PcmRecorder capture;
    if (!capture.open(
            "hw:" + card + ",1,0", [](snd_pcm_t* pcm) { return setFormat(pcm, kRate / 2); }, sizeof(std::int16_t), 330))
        return false;
    KitPlayer kit("plughw:" + card + ",0,0");
    kit.setSounds(padSounds());
    if (const PlaybackFailure failure = kit.open()) {
        std::printf("kit player: %s\n", failure.describe().c_str());
        return false;
    }

    AlsaMidiService service(0);
    std::vector<std::string> labels;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot)
        labels.push_back(factory::contentName(slot));
    // When each note reached the program: the sequencer's part of the way, told apart from ours.
    std::array<Clock::time_point, kNotes> hitAt{};
    std::atomic<int> hits{0};
    ControllerInput input(
        service, service.createClient("zylox latency"), labels,
        [&](std::uint16_t pad) {
            const int hit = hits.load();
            if (hit < kNotes)
                hitAt[static_cast<std::size_t>(hit)] = Clock::now();
            kit.hit(pad);
            hits.store(hit + 1);
        },
        [](std::uint16_t, std::uint8_t) {});
    // The VirMIDI port's source: what a controller plugged in would be.
    int midiCard = -1;
    const int source = guest::virmidiSource(service, midiCard);
    const MidiPortIdentity controller
        = source < 0 ? MidiPortIdentity{} : MidiSources::identities(service)[static_cast<std::size_t>(source)];
    input.choose(controller);
    // A second look at a controller already listened to must keep listening.
    input.refresh();
    std::printf("controller %s: %s\n", controller.displayName().c_str(),
                input.isConnected() ? "connected" : "NOT CONNECTED");
    snd_rawmidi_t* port = nullptr;
    if (!input.isConnected()
        || snd_rawmidi_open(nullptr, &port, ("hw:" + std::to_string(midiCard) + ",0").c_str(), 0) < 0)
        return false;

    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::array<Clock::time_point, kNotes> sentAt{};
    const std::uint8_t closedHat[] = {0x99, 42, 0x64};
    for (int note = 0; note < kNotes; ++note) {
        sentAt[static_cast<std::size_t>(note)] = Clock::now();
        snd_rawmidi_write(port, closedHat, sizeof closedHat);
        std::this_thread::sleep_until(sentAt[static_cast<std::size_t>(note)] + kNoteSpacing);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    snd_rawmidi_close(port);
    const std::string lead = playbackLead(card);
    kit.close();

    const std::vector<Sound> sounds = soundsOf(capture);
    std::printf("%d notes sent, %d hits, %zu sounds heard, %d capture overruns\n", kNotes, hits.load(), sounds.size(),
                capture.overruns());
    if (hits.load() != kNotes)
        return false;
    std::vector<double> toSound;
    std::vector<double> delivered;
    std::vector<double> arrivalToSound;
    int whole = 0;
    for (std::size_t note = 0; note < kNotes; ++note) {
        // The first sound from just before the note to just before the next: a sound the card broke
        // in two (the machine stalled past the lead) leaves its second part unclaimed, and its first
        // part short.
        const auto sound = std::find_if(sounds.begin(), sounds.end(), [&](const Sound& heard) {
            return heard.start >= sentAt[note] - kEarliest && heard.start < sentAt[note] + kNoteSpacing - kEarliest;
        });
        if (sound == sounds.end()) {
            std::printf("note %zu was never heard\n", note + 1);
            return false;
        }
        toSound.push_back(milliseconds(sound->start - sentAt[note]));
        delivered.push_back(milliseconds(hitAt[note] - sentAt[note]));
        arrivalToSound.push_back(milliseconds(sound->start - hitAt[note]));
        whole += sound->frames == kSoundBytes;
    }
    std::printf("note to sound: %s\n", spread(toSound).c_str());
    std::printf("of which note to the pad's hit (the kernel's delivery): %s\n", spread(delivered).c_str());
    std::printf("the note's arrival in the program to its sound: %s\n", spread(arrivalToSound).c_str());
    // A sound longer than the pad's is the card's timer stepping past what the player had written:
    // the ring's older frames heard again until the underrun is noticed.
    std::printf("%d of %d sounds heard as long as the pad's; the kit player's lead: %u us at first, %s at the end\n",
                whole, kNotes, KitPlayer::kLeadMicroseconds, lead.c_str());
    return whole >= kNotes * 9 / 10;
}

} // namespace

int main()
{
    bool passed = measure("Loopback", "the kernel's 4 ms tick");
    guest::PcmThread dummy;
    passed = startDummyClock(dummy, "Loopback_1") && measure("Loopback_1", "the dummy card's 1 ms periods") && passed;
    return passed ? 0 : 1;
}
