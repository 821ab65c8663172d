// What the sound library costs the window, measured as a user meets it: the sound browser's
// Library tab is shown over a library of FILES sound files (default 20,000) while they are scanned,
// then queries are typed letter by letter into its search field, one key every 120 ms, as analysis
// goes on at low priority. A timer of 1 ms on the window's thread notes the longest pass of the event
// loop while scanning and while searching (when nothing the user does is answered; the goal is no
// pass over 16 ms), with the most CPU time the window's own thread took in one pass; and for each
// key, the time from the edit of the field to the rows shown (p50, p99; the goal at 100,000 files:
// 50 ms), both to the first chunk of rows, which fills the list in sight, and to the last. A key
// typed before the rows of the one before are shown abandons that search: those are counted apart.
// Also the process's resident memory before the browser is made and once the library is scanned
// (VmRSS).
//
// The library: FILES hard links of five short WAVs that sox writes, 100 a folder, in folders of
// kits and kinds ("Kit 012/Claps/bright clap 03.wav"), under TMPDIR. Usage: QT_QPA_PLATFORM=offscreen
// TMPDIR=/var/tmp nice bench/library_tab_bench [FILES].
#include "app/common/Dialogs.h"
#include "app/library/LibraryResultModel.h"
#include "app/library/SoundBrowser.h"
#include "app/settings/Settings.h"
#include "bench/EventLoopPasses.h"
#include "bench/SilentOutput.h"
#include "soundlibrary/LibraryFolders.h"
#include "soundlibrary/LibraryLocation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* const kKinds[]
    = {"Kicks", "Snares", "Claps", "Hats", "Toms", "Rims", "Cymbals", "Percussion", "Shakers", "Cowbells"};
const char* const kWords[] = {"bright", "dark", "dry", "room", "tight", "open", "closed", "deep", "short", "long"};
constexpr int kFilesPerFolder = 100;

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

std::string makeLibrary(const std::filesystem::path& root, int files)
{
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    std::vector<std::string> templates;
    for (int length = 0; length < 5; ++length) {
        const std::string path = (root / ("take " + std::to_string(length) + ".wav")).string();
        const std::string command = "sox -n -r 44100 -c 1 -b 16 '" + path + "' synth 0." + std::to_string(length + 1)
                                    + " pluck " + std::to_string(110 * (length + 1)) + " 2>/dev/null";
        if (std::system(command.c_str()) != 0)
            std::exit(1);
        templates.push_back(path);
    }
    const std::filesystem::path library = root / "Library";
    for (int file = 0; file < files; ++file) {
        const int folder = file / kFilesPerFolder;
        const char* kind = kKinds[folder % 10];
        const std::filesystem::path in = library / ("Kit " + std::to_string(folder / 10)) / kind;
        if (file % kFilesPerFolder == 0)
            std::filesystem::create_directories(in);
        std::string name = std::string(kWords[file % 10]) + " " + kind + " " + std::to_string(file % kFilesPerFolder);
        std::filesystem::create_hard_link(templates[static_cast<std::size_t>(file % 5)], in / (name + ".wav"));
    }
    return library.string();
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv)
{
    const int files = argc > 1 ? std::max(kFilesPerFolder, std::atoi(argv[1])) : 20000;
    QTemporaryDir scratch;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (scratch.path() + "/" + QString::fromLatin1(name).toLower()).toUtf8());
    QApplication application(argc, argv);
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "zylox-bench-library";
    const std::string library = makeLibrary(root, files);
    if (soundlibrary::LibraryFolders::load(soundlibrary::libraryFoldersPath()).add(library)) {
        std::fprintf(stderr, "the library folder could not be added\n");
        return 1;
    }

    Settings settings(scratch.filePath(QStringLiteral("settings.ini")));
    settings.setValue(QStringLiteral("browser/visible"), true);
    SilentOutput output;
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    QAction* help = window.menuBar()->addMenu(QStringLiteral("Help"))->menuAction();
    const long before = residentKiB();
    QElapsedTimer scanClock;
    scanClock.start();
    Dialogs dialogs;
    SoundBrowser browser(window, help, settings, dialogs, output);
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    auto& field = *window.findChild<QLineEdit*>(QStringLiteral("textfield_librarySearch"));
    const auto& scanLine = *window.findChild<QLabel*>(QStringLiteral("text_libraryScan"));
    auto& model = *qobject_cast<LibraryResultModel*>(
        window.findChild<QAbstractItemView*>(QStringLiteral("list_library"))->model());

    // Scanning, the tab on show: until the line under the list no longer says it scans.
    QEventLoop scanning;
    EventLoopPasses scanPasses([&](double) {
        if (!scanLine.text().isEmpty() && !scanLine.text().startsWith(QStringLiteral("Scanning")))
            scanning.quit();
    });
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    scanPasses.start();
    scanning.exec();
    scanPasses.stop();
    const double scanMs = static_cast<double>(scanClock.elapsed());
    const long scanned = residentKiB();

    // Searching, a key every 120 ms; analysis goes on meanwhile.
    const QStringList queries{QStringLiteral("clap br"), QStringLiteral("kick 1"),    QStringLiteral("dry snare"),
                              QStringLiteral("hats op"), QStringLiteral("kit 3 tom"), QStringLiteral("room")};
    QString typing;
    for (int round = 0; round < 5; ++round)
        for (const QString& query : queries)
            typing += query + QChar(0x1);
    std::vector<double> latencies;
    std::vector<std::pair<double, QString>> slowest; // the field's text, to see which keys cost
    // The first chunk of rows fills what the list shows; the rest of the 500 follow it.
    std::vector<double> firstLatencies;
    int abandoned = 0;
    QElapsedTimer sinceEdit;
    bool waiting = false;
    bool waitingFirst = false;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] {
        if (waitingFirst)
            firstLatencies.push_back(static_cast<double>(sinceEdit.nsecsElapsed()) / 1e6);
        waitingFirst = false;
    });
    QObject::connect(&model, &LibraryResultModel::shown, [&] {
        if (waiting) {
            latencies.push_back(static_cast<double>(sinceEdit.nsecsElapsed()) / 1e6);
            slowest.emplace_back(latencies.back(), field.text());
        }
        waiting = false;
    });
    QEventLoop searching;
    EventLoopPasses searchPasses;
    int next = 0;
    QTimer keys;
    keys.setInterval(120);
    QObject::connect(&keys, &QTimer::timeout, [&] {
        if (next == typing.size()) {
            searching.quit();
            return;
        }
        abandoned += waiting ? 1 : 0;
        const QChar key = typing[next++];
        waiting = true;
        waitingFirst = true;
        sinceEdit.start();
        if (key == QChar(0x1))
            field.clear();
        else
            QTest::keyClicks(&field, QString(key));
    });
    field.setFocus();
    searchPasses.start();
    keys.start();
    searching.exec();
    searchPasses.stop();

    std::printf("files %d, scanned in %.1f s\n", files, scanMs / 1000.0);
    std::printf("%-10s %11s %12s %14s\n", "", "longest ms", "most CPU ms", "passes >16 ms");
    for (const auto& [what, passes] : {std::pair{"scanning", &scanPasses}, std::pair{"searching", &searchPasses}})
        std::printf("%-10s %11.1f %12.1f %14d\n", what, passes->figures.longestMs, passes->figures.longestCpuMs,
                    passes->figures.overFrame);
    std::printf("key to rows: p50 %.1f ms, p99 %.1f ms, max %.1f ms over %zu keys (%d abandoned by the next key)\n",
                percentile(latencies, 0.5), percentile(latencies, 0.99), percentile(latencies, 1.0), latencies.size(),
                abandoned);
    std::printf("key to the first rows: p50 %.1f ms, p99 %.1f ms, max %.1f ms over %zu keys\n",
                percentile(firstLatencies, 0.5), percentile(firstLatencies, 0.99), percentile(firstLatencies, 1.0),
                firstLatencies.size());
    std::sort(slowest.begin(), slowest.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::printf("slowest keys:");
    for (std::size_t i = 0; i < std::min<std::size_t>(8, slowest.size()); ++i)
        std::printf(" \"%s\" %.0f ms,", qPrintable(slowest[i].second), slowest[i].first);
    std::printf("\n");
    std::printf("resident memory: %ld KiB before the browser, %ld KiB with the library scanned\n", before, scanned);
    std::filesystem::remove_all(root);
    return 0;
}
