// Building the dumps of all 32 banks against copying the same number of bytes: the ratio of the two
// times is what the flash write encoding costs over a plain copy.

#include "flash/FlashEvent.h"
#include "model/FactoryBank.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Bytes of System Exclusive data in the dumps of all 32 banks.
std::size_t dumpBytes(std::vector<std::unique_ptr<IBank>>& banks)
{
    std::size_t total = 0;
    for (const auto& bank : banks) {
        for (const FlashEvent* event : bank->createEvents(0))
            total += event->getSize();
    }
    return total;
}

void BM_CreateEventsAllBanks(benchmark::State& state)
{
    auto banks = factory::makeBanks();
    const std::size_t bytes = dumpBytes(banks);
    for (auto _ : state) {
        for (const auto& bank : banks)
            benchmark::DoNotOptimize(bank->createEvents(0).data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CreateEventsAllBanks)->Unit(benchmark::kMillisecond);

void BM_CopySameBytes(benchmark::State& state)
{
    auto banks = factory::makeBanks();
    const std::size_t bytes = dumpBytes(banks);
    const std::vector<std::uint8_t> source(bytes, 0x5A);
    std::vector<std::uint8_t> target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CopySameBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
