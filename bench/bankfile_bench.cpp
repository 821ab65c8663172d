// Saving and opening an all-banks file (about 8.4 MB), each beside a plain file stream moving the
// same bytes: the ratio of the two times is the cost of the bank file format itself.
#include "bankfile/BankFile.h"
#include "model/FactoryBank.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t chunkBytes = 131078; // one flash write message

struct AllBanks {
    AllBanks()
    {
        for (const auto& bank : owned)
            banks.push_back(bank.get());
    }
    std::vector<std::unique_ptr<IBank>> owned = factory::makeBanks();
    std::vector<IBank*> banks;
};

// The banks saved as a file of all banks in the temporary folder, removed at the end.
struct SavedBanks {
    explicit SavedBanks(const char* name)
        : path((std::filesystem::temp_directory_path() / ("zylox-bench-" + std::to_string(::getpid()) + "-" + name))
                   .string())
    {
        BankFile().saveBanks(all.banks, path);
        bytes = std::filesystem::file_size(path);
    }
    ~SavedBanks() { std::filesystem::remove(path); }

    AllBanks all;
    std::string path;
    std::size_t bytes = 0;
};

void SaveAllBanks(benchmark::State& state)
{
    const SavedBanks saved("save.mid");
    BankFile file;
    for (auto _ : state) {
        if (!file.saveBanks(saved.all.banks, saved.path))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * saved.bytes));
}

void CopyPlainStream(benchmark::State& state)
{
    const SavedBanks saved("copy.bin");
    const std::vector<char> bytes(saved.bytes, 0x11);
    for (auto _ : state) {
        std::ofstream out(saved.path, std::ios::binary | std::ios::trunc);
        for (std::size_t at = 0; at < bytes.size(); at += chunkBytes)
            out.write(bytes.data() + at, static_cast<std::streamsize>(std::min(chunkBytes, bytes.size() - at)));
        out.close();
        benchmark::DoNotOptimize(out.good());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void OpenAllBanks(benchmark::State& state)
{
    const SavedBanks saved("open.mid");
    AllBanks opened;
    BankFile file;
    for (auto _ : state) {
        if (!file.openBanks(opened.banks, saved.path))
            state.SkipWithError("open failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * saved.bytes));
}

void ReadPlainStream(benchmark::State& state)
{
    const SavedBanks saved("read.mid");
    std::vector<char> chunk(chunkBytes);
    for (auto _ : state) {
        std::ifstream in(saved.path, std::ios::binary);
        std::size_t total = 0;
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0)
            total += static_cast<std::size_t>(in.gcount());
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * saved.bytes));
}

} // namespace

BENCHMARK(SaveAllBanks)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyPlainStream)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAllBanks)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlainStream)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
