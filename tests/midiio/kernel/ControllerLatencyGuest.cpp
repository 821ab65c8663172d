// Runs inside the test kernel with snd-virmidi and snd-aloop loaded: the whole way from a
// controller's note to the pad's sound, as the editor plays it. The ALSA service listens to the
// VirMIDI port through a controller input that hits the kit player, which plays onto the loopback
// card; another program writes a Note On into the port's rawmidi device at a known time, and the
// card's capture end shows when the pad's first sample left. Prints "note to sound" over 50 notes,
// the median and the worst. No limit of time is asserted: under an emulated machine the figure is
// a measurement, not a verdict. It fails when a note is never heard, or when more than one sound in
// ten is heard longer than the pad's: the card, whose timer moves in steps of several milliseconds
// here, ran past what the player had written without the player seeing it run dry.
#include "midiio/ControllerInput.h"
#include "midiio/MidiSources.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "model/FactoryTables.h"
#include "playback/KitPlayer.h"
#include "tests/support/kernel/Guest.h"

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

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The capture end of the loopback card, read on a thread of its own. Each read also notes where the
// card's position was when: so the moment any captured frame left the playback end is known.
class Capture {
public:
    ~Capture()
    {
        m_enough = true;
        if (m_reader.joinable())
            m_reader.join();
        if (m_pcm)
            snd_pcm_close(m_pcm);
    }
    // Opened before the player, so the card runs at the player's own format and nothing converts.
    bool open()
    {
        if (int error = snd_pcm_open(&m_pcm, "hw:Loopback,1,0", SND_PCM_STREAM_CAPTURE, 0);
            error < 0
            || (error
                = snd_pcm_set_params(m_pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 0, 500'000))
                   < 0
            || (error = snd_pcm_start(m_pcm)) < 0) {
            std::printf("capture: %s\n", snd_strerror(error));
            return false;
        }
        m_reader = std::thread([this] { read(); });
        return true;
    }
    // Each sound: when its first frame left the playback end, and how long it is from there to its
    // last loud frame.
    struct Sound {
        Clock::time_point start;
        std::size_t frames;
    };
    std::vector<Sound> sounds()
    {
        const std::lock_guard lock(m_mutex);
        std::vector<Sound> found;
        std::size_t quiet = kQuietFrames;
        std::size_t first = 0;
        for (std::size_t frame = 0; frame < m_frames.size(); ++frame) {
            if (std::abs(m_frames[frame]) < kHeard) {
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
    int overruns() const { return m_overruns; }

private:
    struct Mark {
        std::size_t position; // frames the card had captured
        Clock::time_point at;
    };

    void read()
    {
        std::vector<std::int16_t> chunk(330);
        while (!m_enough) {
            const snd_pcm_sframes_t got = snd_pcm_readi(m_pcm, chunk.data(), chunk.size());
            if (got < 0) {
                ++m_overruns;
                if (snd_pcm_recover(m_pcm, static_cast<int>(got), 1) < 0)
                    return;
                continue;
            }
            const snd_pcm_sframes_t waiting = snd_pcm_avail(m_pcm);
            const Clock::time_point now = Clock::now();
            const std::lock_guard lock(m_mutex);
            m_frames.insert(m_frames.end(), chunk.begin(), chunk.begin() + got);
            if (waiting >= 0)
                m_marks.push_back({m_frames.size() + static_cast<std::size_t>(waiting), now});
        }
    }
    // From the first mark at or past the frame: the frames captured after it took their time.
    Clock::time_point timeOf(std::size_t frame) const
    {
        const auto mark
            = std::find_if(m_marks.begin(), m_marks.end(), [frame](const Mark& m) { return m.position > frame; });
        if (mark == m_marks.end())
            return Clock::time_point::max();
        const auto after = std::chrono::duration<double>(static_cast<double>(mark->position - frame) / kRate);
        return mark->at - std::chrono::duration_cast<Clock::duration>(after);
    }

    snd_pcm_t* m_pcm = nullptr;
    std::thread m_reader;
    std::atomic<bool> m_enough{false};
    std::atomic<int> m_overruns{0};
    std::mutex m_mutex;
    std::vector<std::int16_t> m_frames;
    std::vector<Mark> m_marks;
};

// The VirMIDI port's source and its card: what a controller plugged in would be.
MidiPortIdentity virmidiSource(IMidiService& service, int& card)
{
    for (const MidiPortIdentity& source : MidiSources::identities(service)) {
        int device = -1;
        if (std::sscanf(source.port.c_str(), "VirMIDI %d-%d", &card, &device) == 2 && device == 0)
            return source;
    }
    return {};
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
std::string playbackLead()
{
    std::FILE* file = std::fopen("/proc/asound/Loopback/pcm0p/sub0/sw_params", "r");
    unsigned long frames = 0;
    char line[128];
    while (file && std::fgets(line, sizeof line, file))
        std::sscanf(line, "start_threshold: %lu", &frames);
    if (file)
        std::fclose(file);
    return std::to_string(frames * 1'000'000 / kRate) + " us";
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    Capture capture;
    if (!capture.open())
        return 1;
    KitPlayer kit;
    kit.setSounds(padSounds());
    if (const PlaybackFailure failure = kit.open()) {
        std::printf("kit player: %s\n", failure.describe().c_str());
        return 1;
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
    int card = -1;
    const MidiPortIdentity controller = virmidiSource(service, card);
    input.choose(controller);
    // A second look at a controller already listened to must keep listening.
    input.refresh();
    std::printf("controller %s: %s\n", controller.displayName().c_str(),
                input.isConnected() ? "connected" : "NOT CONNECTED");
    snd_rawmidi_t* port = nullptr;
    if (!input.isConnected() || snd_rawmidi_open(nullptr, &port, ("hw:" + std::to_string(card) + ",0").c_str(), 0) < 0)
        return 1;

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
    const std::string lead = playbackLead();
    kit.close();

    const std::vector<Capture::Sound> sounds = capture.sounds();
    std::printf("%d notes sent, %d hits, %zu sounds heard, %d capture overruns\n", kNotes, hits.load(), sounds.size(),
                capture.overruns());
    if (hits.load() != kNotes || sounds.size() != static_cast<std::size_t>(kNotes))
        return 1;
    std::vector<double> toSound;
    std::vector<double> toProgram;
    int whole = 0;
    for (std::size_t note = 0; note < kNotes; ++note) {
        toSound.push_back(milliseconds(sounds[note].start - sentAt[note]));
        whole += sounds[note].frames == kSoundBytes;
        toProgram.push_back(milliseconds(hitAt[note] - sentAt[note]));
    }
    std::printf("note to sound: %.1f ms median, %.1f ms worst\n", median(toSound),
                *std::max_element(toSound.begin(), toSound.end()));
    std::printf("of which note to the pad's hit (the kernel's delivery): %.1f ms median, %.1f ms worst\n",
                median(toProgram), *std::max_element(toProgram.begin(), toProgram.end()));
    // A sound longer than the pad's is the card's timer stepping past what the player had written:
    // the ring's older frames heard again until the underrun is noticed.
    std::printf("%d of %d sounds heard as long as the pad's; the kit player's lead: %u us at first, %s at the end\n",
                whole, kNotes, KitPlayer::kLeadMicroseconds, lead.c_str());
    return whole >= kNotes * 9 / 10 ? 0 : 1;
}
