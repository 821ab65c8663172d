// What drawing waveforms costs: the envelope of the largest slot (32,768 bytes) for a row and for
// the large view, and a whole selection change (six row waveforms and the large one, envelopes
// made and painted offscreen), which has to stay well under a 16 ms frame.

#include "app/sounds/WaveformEnvelope.h"
#include "app/sounds/WaveformView.h"
#include "content/SlotContent.h"
#include "model/SoundBank.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

std::vector<std::uint8_t> crashSlot()
{
    const SoundBank bank(4);
    return bank.getContent(4)->getData();
}

void BM_EnvelopeOfLargestSlot(benchmark::State& state)
{
    const std::vector<std::uint8_t> slot = crashSlot();
    for (auto _ : state)
        benchmark::DoNotOptimize(WaveformEnvelope::of(slot, static_cast<std::size_t>(state.range(0))));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(slot.size()));
}
BENCHMARK(BM_EnvelopeOfLargestSlot)->Arg(300)->Arg(1200);

void BM_SelectionChange(benchmark::State& state)
{
    std::vector<std::unique_ptr<WaveformView>> views;
    for (int row = 0; row < 6; ++row) {
        views.push_back(std::make_unique<WaveformView>(false));
        views.back()->resize(300, 28);
    }
    views.push_back(std::make_unique<WaveformView>(true));
    views.back()->resize(900, 160);
    std::vector<std::vector<std::uint8_t>> banks[2];
    for (int which = 0; which < 2; ++which) {
        const SoundBank bank(static_cast<std::uint16_t>(which * 10));
        for (std::uint16_t slot = 0; slot < 6; ++slot)
            banks[which].push_back(bank.getContent(slot)->getData());
    }
    QImage canvas(900, 160, QImage::Format_ARGB32_Premultiplied);
    int which = 0;
    for (auto _ : state) {
        which = 1 - which;
        for (std::size_t view = 0; view < views.size(); ++view) {
            views[view]->setSamples(banks[which][std::min<std::size_t>(view, 5)]);
            views[view]->render(&canvas);
        }
    }
}
BENCHMARK(BM_SelectionChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
