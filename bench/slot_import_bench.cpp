// Importing a 786,432-byte 16-bit stereo 44.1 kHz WAV into a 32,768-byte slot by the classic and the
// clean conversion, against sox making the same 8-bit unsigned mono 33 kHz sound; then what each
// of the three keeps of white noise above 16.5 kHz (which the device rate cannot hold: the less the
// better) and at 0.2-15 kHz (all of it should pass), in dB against the source.
#include "audio/SlotImport.h"
#include "bytes/SourceFile.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SoundLevel.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
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
        const auto value
            = static_cast<std::int16_t>(30000.0 * std::exp(-2.0 * t) * std::sin(2 * std::numbers::pi * 220 * t));
        appendLittle(bytes, static_cast<std::uint16_t>(value), 2);
        appendLittle(bytes, static_cast<std::uint16_t>(value / 2), 2);
    }
    std::filesystem::create_directories(folder);
    ScratchFolder::writeFile(wavPath, bytes);
}

bool runSox(const std::string& source, const std::string& target)
{
    const std::string command = "sox '" + source + "' -r 33000 -c 1 -b 8 -e unsigned-integer '" + target + "'";
    return std::system(command.c_str()) == 0;
}

bool importFile(const std::string& path, std::vector<std::uint8_t>& slot, audio::Resampling resampling)
{
    // The file is read as the editor reads it, once and bounded by the slot.
    const SourceFile source(path, audio::sourceLimit(slot.size()));
    return static_cast<bool>(audio::importSlot(source.bytes(), {.resampling = resampling}, slot));
}

void importIntoSlot(benchmark::State& state, audio::Resampling resampling)
{
    std::vector<std::uint8_t> slot(32768, 0x80);
    for (auto _ : state) {
        if (!importFile(wavPath, slot, resampling)) {
            state.SkipWithError("import failed");
        }
        benchmark::DoNotOptimize(slot.data());
    }
}

void soxConversion(benchmark::State& state)
{
    for (auto _ : state) {
        if (!runSox(wavPath, rawPath)) {
            state.SkipWithError("sox failed");
        }
    }
}

BENCHMARK_CAPTURE(importIntoSlot, Classic, audio::Resampling::Classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importIntoSlot, Clean, audio::Resampling::Clean)->Unit(benchmark::kMillisecond);
BENCHMARK(soxConversion)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's real time per iteration (ms) for the table printed at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // A single run, or the median of repetitions (--benchmark_repetitions).
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type == Run::RT_Iteration && run.iterations > 0) || median) {
                m_milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    std::map<std::string, double> m_milliseconds;
};

// One second of stereo white noise in the band, at 44.1 kHz, by sox; what the classic and clean
// imports into a 32,768-byte slot and sox keep of its level, in dB.
std::vector<double> bandLevels(const std::string& band)
{
    const std::string source = (folder / "band.wav").string();
    const std::string make
        = "sox -n -r 44100 -c 2 -b 16 '" + source + "' synth 1 whitenoise vol 0.5 sinc " + band + " gain -n -3";
    if (std::system(make.c_str()) != 0 || !runSox(source, rawPath)) {
        return {};
    }
    const double level = sound_level::ofFile(source);
    std::vector<double> changes;
    for (const audio::Resampling resampling : {audio::Resampling::Classic, audio::Resampling::Clean}) {
        std::vector<std::uint8_t> slot(32768, 0x80);
        importFile(source, slot, resampling);
        changes.push_back(sound_level::changeInDecibels(level, sound_level::ofDeviceBytes(slot, 8)));
    }
    std::ifstream raw(rawPath, std::ios::binary);
    const std::vector<std::uint8_t> soxBytes{std::istreambuf_iterator<char>(raw), std::istreambuf_iterator<char>()};
    changes.push_back(sound_level::changeInDecibels(level, sound_level::ofDeviceBytes(soxBytes, 8)));
    return changes;
}

void printRow(const std::string& what, const std::vector<double>& values)
{
    std::cout << std::left << std::setw(34) << what << std::right << std::fixed << std::setprecision(1);
    for (const double value : values) {
        std::cout << std::setw(10) << value;
    }
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    writeSource();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::cout << '\n'
              << std::left << std::setw(34) << "" << std::right << std::setw(10) << "Classic" << std::setw(10)
              << "Clean" << std::setw(10) << "sox" << '\n';
    printRow("786 KB stereo WAV, ms",
             {reporter.m_milliseconds["importIntoSlot/Classic"], reporter.m_milliseconds["importIntoSlot/Clean"],
              reporter.m_milliseconds["soxConversion"]});
    printRow("noise 17-21.5 kHz kept, dB", bandLevels("17000-21500"));
    printRow("noise 0.2-15 kHz kept, dB", bandLevels("200-15000"));
    std::cout << "Goals for Clean: at most -30 dB above 16.5 kHz, within 0.3 dB at 0.2-15 kHz, faster than sox.\n";
    std::filesystem::remove_all(folder);
    benchmark::Shutdown();
    return 0;
}
