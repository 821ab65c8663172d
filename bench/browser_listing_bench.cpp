// What listing a folder costs the window, measured as a user meets it: the sound browser is shown
// in a window, a folder's path is typed into its folder field and Enter pressed, and a timer of
// 1 ms on the window's thread notes the longest gap between two of its timeouts while the folder
// is listed: the longest pass of the event loop, when nothing the user does is answered. The goal:
// no pass over 16 ms, a frame of the screen. On a busy machine the gaps hold the time the window's
// thread waited for a core, so its own CPU time in its passes is printed too (the most any pass
// took). Also the time until every name is in the list (names ms) and until every file's length,
// rate and channels are (all ms), with the folder in the page cache.
//
// The folders hold 2,000 and 20,000 sound files (7 in 10 WAV, 2 FLAC, 1 AIFF of a second or less,
// written by sox and copied). Usage: QT_QPA_PLATFORM=offscreen TMPDIR=/var/tmp
// bench/browser_listing_bench [RUNS] (default 3 runs of each folder; the worst is printed). The
// folders go under TMPDIR, which is best a quiet folder: the browser's folder tree follows the
// folders above the one listed, and one that other programs keep changing (a busy /tmp) costs the
// window its own work.
#include "app/common/Dialogs.h"
#include "app/library/SoundBrowser.h"
#include "app/settings/Settings.h"
#include "bench/EventLoopPasses.h"
#include "bench/SilentOutput.h"

#include <QAbstractItemView>
#include <QApplication>
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
#include <string>
#include <vector>

namespace {

const std::filesystem::path root = std::filesystem::temp_directory_path() / "zylox-bench-browser";

std::string makeFolder(int files)
{
    const std::filesystem::path folder = root / std::to_string(files);
    std::filesystem::create_directories(folder);
    for (int file = 0; file < files; ++file) {
        const std::string type = file % 10 < 7 ? "wav" : file % 10 < 9 ? "flac" : "aiff";
        std::filesystem::copy_file(root / ("take." + type), folder / ("take " + std::to_string(file) + "." + type));
    }
    return folder.string();
}

void makeTemplates()
{
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    const std::vector<std::pair<std::string, std::string>> templates{
        {"wav", "-r 44100 -c 2 -b 16 %s synth 1 pluck 220"},
        {"flac", "-r 48000 -c 1 -b 24 %s synth 0.5 noise gain -6"},
        {"aiff", "-r 22050 -c 1 -b 16 %s synth 0.25 sine 800"},
    };
    for (const auto& [type, arguments] : templates) {
        const std::string path = (root / ("take." + type)).string();
        std::string command = "sox -n " + arguments + " 2>/dev/null";
        command.replace(command.find("%s"), 2, "'" + path + "'");
        if (std::system(command.c_str()) != 0)
            std::exit(1);
    }
}

struct Listing {
    double namesMs = 0.0;
    double allMs = 0.0;
    PassFigures passes;
};

// Types the folder into the browser's field and presses Enter from inside the event loop, then
// notes its passes until the listing line no longer says it is reading.
Listing list(QMainWindow& window, const std::string& folder, int files)
{
    auto& field = *window.findChild<QLineEdit*>(QStringLiteral("textfield_browserFolder"));
    const auto& line = *window.findChild<QLabel*>(QStringLiteral("text_browserListing"));
    const QAbstractItemModel& model = *window.findChild<QAbstractItemView*>(QStringLiteral("list_sounds"))->model();
    Listing listing;
    QEventLoop loop;
    bool started = false;
    EventLoopPasses passes([&](double ms) {
        if (!started)
            return;
        if (listing.namesMs == 0.0 && model.rowCount() == files)
            listing.namesMs = ms;
        if (!line.text().startsWith(QStringLiteral("Reading"))) {
            listing.allMs = ms;
            loop.quit();
        }
    });
    field.setText(QString::fromStdString(folder));
    QTimer::singleShot(20, &field, [&] {
        started = true;
        QTest::keyClick(&field, Qt::Key_Return);
    });
    passes.start();
    loop.exec();
    passes.stop();
    listing.passes = passes.figures;
    return listing;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    makeTemplates();
    const std::vector<int> sizes{2000, 20000};
    std::vector<std::string> folders;
    for (const int files : sizes)
        folders.push_back(makeFolder(files));

    QTemporaryDir scratch;
    Settings settings(scratch.filePath(QStringLiteral("settings.ini")));
    settings.setValue(QStringLiteral("browser/visible"), true);
    settings.setValue(QStringLiteral("browser/folder"), QString::fromStdString(root.string()));
    SilentOutput output;
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    QAction* help = window.menuBar()->addMenu(QStringLiteral("Help"))->menuAction();
    Dialogs dialogs;
    SoundBrowser browser(window, help, settings, dialogs, output);
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    QTest::qWait(300);

    std::printf("%-8s %9s %9s %11s %12s %14s\n", "files", "names ms", "all ms", "longest ms", "most CPU ms",
                "passes >16 ms");
    for (std::size_t size = 0; size < sizes.size(); ++size) {
        Listing worst;
        for (int run = 0; run < runs; ++run) {
            // Another folder between runs, so that each run lists its folder anew.
            list(window, root.string(), 3);
            const Listing each = list(window, folders[size], sizes[size]);
            worst.namesMs = std::max(worst.namesMs, each.namesMs);
            worst.allMs = std::max(worst.allMs, each.allMs);
            worst.passes.longestMs = std::max(worst.passes.longestMs, each.passes.longestMs);
            worst.passes.longestCpuMs = std::max(worst.passes.longestCpuMs, each.passes.longestCpuMs);
            worst.passes.overFrame = std::max(worst.passes.overFrame, each.passes.overFrame);
        }
        std::printf("%-8d %9.0f %9.0f %11.1f %12.1f %14d\n", sizes[size], worst.namesMs, worst.allMs,
                    worst.passes.longestMs, worst.passes.longestCpuMs, worst.passes.overFrame);
        std::fflush(stdout);
    }
    std::filesystem::remove_all(root);
    return 0;
}
