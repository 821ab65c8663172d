// What the sound browser's listing of a folder of 2,000 sound files costs (1,400 WAV, 400 FLAC and
// 200 AIFF of a second or less, written by sox and copied): the time until the names are there
// (names_ms) and until every file's length, rate and channels are (Time), with the folder in the
// page cache. CPU is the window's own thread, taking the results in: all of the listing it waits for.
#include "app/library/SoundListing.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zylox-bench-browser";

void makeFolder()
{
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "templates");
    const std::vector<std::pair<std::string, std::string>> templates{
        {"wav", "-r 44100 -c 2 -b 16 %s synth 1 pluck 220"},
        {"flac", "-r 48000 -c 1 -b 24 %s synth 0.5 noise gain -6"},
        {"aiff", "-r 22050 -c 1 -b 16 %s synth 0.25 sine 800"},
    };
    for (const auto& [type, arguments] : templates) {
        const std::string path = (folder / "templates" / ("take." + type)).string();
        std::string command = "sox -n " + arguments + " 2>/dev/null";
        command.replace(command.find("%s"), 2, "'" + path + "'");
        if (std::system(command.c_str()) != 0)
            std::exit(1);
    }
    for (int file = 0; file < 2000; ++file) {
        const std::string type = file % 10 < 7 ? "wav" : file % 10 < 9 ? "flac" : "aiff";
        std::filesystem::copy_file(folder / "templates" / ("take." + type),
                                   folder / ("take " + std::to_string(file) + "." + type));
    }
}

void BM_ListingOf2000Files(benchmark::State& state)
{
    SoundListing listing;
    QElapsedTimer clock;
    double namesMs = 0.0;
    bool finished = false;
    QObject::connect(&listing, &SoundListing::listed,
                     [&](const QStringList&) { namesMs += clock.nsecsElapsed() / 1e6; });
    QObject::connect(&listing, &SoundListing::finished, [&] { finished = true; });
    for (auto _ : state) {
        finished = false;
        clock.start();
        listing.list(QString::fromStdString(folder.string()));
        while (!finished)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["names_ms"] = benchmark::Counter(namesMs / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ListingOf2000Files)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    makeFolder();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
