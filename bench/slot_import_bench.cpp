// Importing a 786,432-byte 16-bit stereo 44.1 kHz WAV into a 32,768-byte slot, against sox making
// the same 8-bit unsigned mono 33 kHz sound, and the ratio of the two.
#include "audio/slot_import.h"
#include "midifile/SourceFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace {

const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zylox-bench-import";
const std::string wavPath = (folder / "in.wav").string();
const std::string rawPath = (folder / "out.raw").string();

void appendLittle(std::vector<std::uint8_t>& bytes, std::uint32_t value, unsigned width)
{
    for (unsigned i = 0; i < width; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A decaying 220 Hz tone, 196,608 frames of 16-bit stereo.
void writeSource()
{
    constexpr std::uint32_t dataLength = 786432;
    std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F'};
    appendLittle(bytes, 36 + dataLength, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    for (const auto& [value, width] : std::vector<std::pair<std::uint32_t, unsigned>>{
             {16, 4}, {1, 2}, {2, 2}, {44100, 4}, {44100 * 4, 4}, {4, 2}, {16, 2}}) {
        appendLittle(bytes, value, width);
    }
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    appendLittle(bytes, dataLength, 4);
    for (std::uint32_t frame = 0; frame < dataLength / 4; ++frame) {
        const double t = frame / 44100.0;
        const auto value = static_cast<std::int16_t>(30000.0 * std::exp(-2.0 * t) * std::sin(2 * std::numbers::pi * 220 * t));
        appendLittle(bytes, static_cast<std::uint16_t>(value), 2);
        appendLittle(bytes, static_cast<std::uint16_t>(value / 2), 2);
    }
    std::filesystem::create_directories(folder);
    std::ofstream(wavPath, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<std::streamsize>(bytes.size()));
}

void importIntoSlot(benchmark::State& state)
{
    std::vector<std::uint8_t> slot(32768, 0x80);
    for (auto _ : state) {
        // The file is read as the editor reads it, once and bounded by the slot.
        const SourceFile source(wavPath, audio::sourceLimit(slot.size()));
        if (!audio::importSlot(source.bytes(), {}, slot)) {
            state.SkipWithError("import failed");
        }
        benchmark::DoNotOptimize(slot.data());
    }
}

void soxConversion(benchmark::State& state)
{
    const std::string command = "sox '" + wavPath + "' -r 33000 -c 1 -b 8 -e unsigned-integer '" + rawPath + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("sox failed");
        }
    }
}

BENCHMARK(importIntoSlot)->Unit(benchmark::kMillisecond);
BENCHMARK(soxConversion)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's real time per iteration (ms) for the ratio printed at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                m_milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    std::map<std::string, double> m_milliseconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    writeSource();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.m_milliseconds["importIntoSlot"];
    const double sox = reporter.m_milliseconds["soxConversion"];
    if (ours > 0.0 && sox > 0.0) {
        std::cout << "sox time / import time: " << sox / ours << '\n';
    }
    std::filesystem::remove_all(folder);
    benchmark::Shutdown();
    return 0;
}
