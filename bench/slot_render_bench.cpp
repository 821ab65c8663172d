// One full re-render of a 32,768-byte slot, as an editor does for every move of a control, for the
// usual shape and for the worst shapes a source of up to a minute allows: the longest region, a fit
// of the longest region a fit reaches, trim over a long source that finds nothing, the clean
// conversion with minimum phase and shaped dither, and 8 channels at 192 kHz. A frame of the screen
// is 16 ms; the goal is every shape under 8 ms on one core. Compare CPU time: the machine may be
// busy. Usage: slot_render_bench [--benchmark_repetitions=N --benchmark_report_aggregates_only].
#include "audio/SlotRender.h"
#include "bench/SyntheticSource.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using bench::Content;
using bench::decoded;
using bench::Source;

constexpr std::size_t slotLength = 32768;

// The editor's shape for a drum hit, over a region of 1.3 s.
audio::SoundShape usualShape()
{
    audio::SoundShape shape = bench::drumShape();
    shape.end = 4.5;
    return shape;
}

audio::SoundShape with(std::function<void(audio::SoundShape&)> change)
{
    audio::SoundShape shape = usualShape();
    change(shape);
    return shape;
}

struct Row {
    std::string name;
    Source source;
    audio::SoundShape shape;
};

constexpr Source tenSeconds{44100.0, 2, 16, 10.0, Content::Tone};
constexpr Source minute{44100.0, 2, 16, 60.0, Content::Tone};
constexpr Source hushedMinute{44100.0, 2, 16, 60.0, Content::Hush};
constexpr Source eightChannels{192000.0, 8, 24, 60.0, Content::Tone};
constexpr Source hushedEightChannels{192000.0, 8, 24, 60.0, Content::Hush};

// A fit reaches 48 semitones: sixteen slots of 0.993 s, so a 15 s region is nearly the longest.
void fifteenSecondFit(audio::SoundShape& shape)
{
    shape.start = 30.0;
    shape.end = 45.0;
    shape.fit = true;
}

void trimOnly(audio::SoundShape& shape)
{
    shape.start = 0.0;
    shape.end.reset();
    shape.trim = true;
}

std::vector<Row> rows()
{
    using audio::SoundShape;
    return {
        {"usual shape, 10 s source", tenSeconds, usualShape()},
        {"longest region: 0 to 60 s, reversed", minute, with([](SoundShape& s) {
             s.start = 0.0;
             s.end = 60.0;
             s.reverse = true;
         })},
        {"longest region, trim and normalise", minute, with([](SoundShape& s) {
             s.start = 0.0;
             s.end = 60.0;
             s.reverse = true;
             s.trim = true;
             s.normalize = true;
         })},
        {"fit of 15 s, Clean", minute, with(fifteenSecondFit)},
        {"fit of 15 s, Classic", minute, with([](SoundShape& s) {
             fifteenSecondFit(s);
             s.resampling = audio::Resampling::Classic;
         })},
        {"trim that finds nothing", hushedMinute, with(trimOnly)},
        {"trim alone that finds nothing, Classic", hushedMinute, audio::SoundShape{.trim = true}},
        {"trim alone that finds nothing, Clean", hushedMinute,
         audio::SoundShape{.resampling = audio::Resampling::Clean, .trim = true}},
        {"trim and normalise that find nothing", hushedMinute, with([](SoundShape& s) {
             trimOnly(s);
             s.normalize = true;
         })},
        {"Clean, minimum phase, shaped dither", minute, with([](SoundShape& s) {
             s.phase = audio::FilterPhase::Minimum;
             s.limit = -1.0;
         })},
        {"8 channels at 192 kHz", eightChannels, usualShape()},
        {"8 channels at 192 kHz, fit of 15 s", eightChannels, with(fifteenSecondFit)},
        {"8 channels at 192 kHz, trim that finds nothing", hushedEightChannels, with(trimOnly)},
    };
}

// Sources are made once each and shared by the rows that use them (the 192 kHz ones hold 276 MB).
const audio::DecodedSound& held(const Source& source)
{
    static std::deque<std::pair<Source, audio::DecodedSound>> made;
    const auto found = std::ranges::find(made, source, &std::pair<Source, audio::DecodedSound>::first);
    return found != made.end() ? found->second : made.emplace_back(source, decoded(source)).second;
}

void render(benchmark::State& state, const Row& row)
{
    const audio::DecodedSound& sound = held(row.source);
    for (auto _ : state) {
        const audio::RenderedSlot rendered = audio::renderSlot(sound, row.shape, slotLength);
        benchmark::DoNotOptimize(rendered.bytes.data());
    }
    const audio::RenderedSlot rendered = audio::renderSlot(sound, row.shape, slotLength);
    state.SetLabel(rendered.bytes.empty() ? "refused" : "peak " + std::to_string(rendered.result.report.peakDecibels));
}

} // namespace

int main(int argc, char** argv)
{
    static const std::vector<Row> table = rows();
    for (const Row& row : table) {
        benchmark::RegisterBenchmark(row.name.c_str(), render, row)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
