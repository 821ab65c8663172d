// What the bank view's loudness column costs: the six slots of a factory bank measured as the
// device plays them (SlotLoudness), each time a bank is shown or one of its slots changes. About
// 3.5 ms of processor time for the six on the project's 2-core machine, more than the window may
// spend on a figure between two frames: the view measures them on a thread of its own.

#include "content/SlotContent.h"
#include "model/SoundBank.h"
#include "soundlibrary/SlotLoudness.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_SixSlotsOfABank(benchmark::State& state)
{
    const SoundBank bank(static_cast<std::uint16_t>(state.range(0)));
    std::vector<std::vector<std::uint8_t>> slots;
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot)
        slots.push_back(bank.getContent(slot)->getData());
    for (auto _ : state)
        for (const std::vector<std::uint8_t>& slot : slots)
            benchmark::DoNotOptimize(soundlibrary::SlotLoudness::of(slot));
}
BENCHMARK(BM_SixSlotsOfABank)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
