// How long the editor takes to quit after long use, and where that time goes. It builds the window
// as the program does (real file panels, settings, ALSA sound output and MIDI service), replays a
// long session through real key events (imports through the file panel and the sound panel,
// slots played, files auditioned in the sound browser, banks saved and opened, the window resized),
// presses Ctrl+Q and times the way out as the program takes it: the close (questions, the window's
// memory), then the end at once, until the process is gone. With --in-order it takes everything
// down in order instead and times each part: the window and its rooms, the settings, the sound
// output, the MIDI system, the application, with the threads still running before and after:
// where the time went before the program ended at once. The goal: every quit under 0.2 s.
//
// Usage: quit_after_use [ROUNDS] [--busy-disk] [--in-order] (default 40 rounds; a round is about
// what a user does in half a minute). --busy-disk keeps the disk of the temporary folder busy with another
// program's writes and flushes meanwhile, as a desktop's indexer or a download does: a quit that
// flushes anything to the disk then waits for all of that. Runs offscreen unless DISPLAY is set;
// with no sound card, ALSA's null device plays. Needs sox.
#include "app/common/Dialogs.h"
#include "app/settings/Settings.h"
#include "app/window/EditorWindow.h"
#include "app/window/ProcessEnd.h"
#include "midiio/MidiContext.h"
#include "midiio/SystemClock.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "playback/AlsaSoundOutput.h"
#include "playback/AuditionOutput.h"
#include "playback/KitPlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Nanoseconds on the monotonic clock, which the parent and the child share.
qint64 now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void phase(const char* what, qint64& from)
{
    const qint64 at = now();
    std::printf("  %-52s %8.1f ms\n", what, static_cast<double>(at - from) / 1e6);
    from = at;
}

// The names of the process's threads, as the kernel has them.
std::string threads()
{
    std::string names;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        names += (names.empty() ? "" : ", ") + name;
    }
    return names;
}

std::string memory()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    std::string kept;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS") || line.starts_with("VmHWM"))
            kept += (kept.empty() ? "" : ", ") + line;
    return kept;
}

// Plays the user: steps are taken one after the other, each once the window is idle; a file
// panel, the sound panel or a question that comes up is answered as the step said.
class Session : public QObject {
public:
    Session(EditorWindow& window, const QString& folder, int rounds)
        : m_window(window)
        , m_folder(folder)
    {
        // Saves and opens of all banks: the files a user keeps a whole set in.
        m_steps.push_back([this] {
            if (auto* all = m_window.findChild<QAbstractButton*>(QStringLiteral("radiobutton_options_1")))
                all->click();
        });
        for (int round = 0; round < rounds; ++round)
            addRound(round);
        m_steps.push_back([this] { key(Qt::Key_Q, Qt::ControlModifier, true); });
        connect(&m_answers, &QTimer::timeout, this, &Session::answer);
        m_answers.start(10);
        QTimer::singleShot(300, this, &Session::next);
    }

    qint64 quitPressed = 0;

private:
    void addRound(int round)
    {
        const int slot = round % 6;
        const QString sound
            = QStringLiteral("%1/sounds/take %2.%3").arg(m_folder).arg(round % 24).arg(round % 3 == 2 ? "flac" : "wav");
        m_steps.push_back([this, slot, sound] {
            m_fileChosen = sound;
            key(static_cast<Qt::Key>(Qt::Key_1 + slot), Qt::ControlModifier);
        });
        m_steps.push_back([this] { key(Qt::Key_Space, Qt::NoModifier); });
        m_steps.push_back([this, round] {
            if (auto* location = m_window.findChild<QLineEdit*>(QStringLiteral("textfield_browserFolder"))) {
                location->setText(m_folder + (round % 2 == 0 ? "/sounds" : "/more"));
                QTest::keyClick(location, Qt::Key_Return);
            }
        });
        m_steps.push_back([this, round] {
            auto* list = m_window.findChild<QTreeView*>(QStringLiteral("list_sounds"));
            if (list == nullptr || list->model()->rowCount() == 0)
                return;
            list->setFocus();
            list->setCurrentIndex(list->model()->index(round % list->model()->rowCount(), 0));
            QTest::keyClick(list, Qt::Key_Space);
        });
        m_steps.push_back([this] {
            m_fileChosen = m_folder + "/kit.mid";
            key(Qt::Key_S, Qt::ControlModifier);
        });
        // Now and then the window is made larger or smaller, as a user fits it to the work.
        if (round % 10 == 9)
            m_steps.push_back(
                [this, round] { m_window.resize(m_window.width() + (round % 20 == 9 ? 40 : -40), m_window.height()); });
        if (round % 8 == 7)
            m_steps.push_back([this] {
                m_fileChosen = m_folder + "/kit.mid";
                key(Qt::Key_O, Qt::ControlModifier);
            });
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers, bool quitting = false)
    {
        QApplication::setActiveWindow(&m_window);
        if (quitting)
            quitPressed = now();
        QTest::keyClick(&m_window, key, modifiers);
    }

    void next()
    {
        if (m_steps.empty())
            return;
        // A panel still open takes the keys: the step waits for it to be answered.
        if (QApplication::activeModalWidget() != nullptr) {
            QTimer::singleShot(20, this, &Session::next);
            return;
        }
        const std::function<void()> step = std::move(m_steps.front());
        m_steps.pop_front();
        // A panel the step opens runs its own loop inside it; the answers come from the timer.
        step();
        QTimer::singleShot(40, this, &Session::next);
    }

    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (auto* panel = qobject_cast<QFileDialog*>(modal)) {
            if (auto* name = panel->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name->setText(m_fileChosen);
                QTest::keyClick(name, Qt::Key_Return);
            }
        } else if (modal->objectName() == QStringLiteral("dialog_sound")) {
            if (auto* apply = modal->findChild<QAbstractButton*>(QStringLiteral("button_apply")))
                apply->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->defaultButton() != nullptr ? box->defaultButton()->click() : box->accept();
        }
    }

    EditorWindow& m_window;
    QString m_folder;
    QString m_fileChosen;
    std::deque<std::function<void()>> m_steps;
    QTimer m_answers;
};

bool makeSounds(const std::string& folder)
{
    for (const char* sub : {"/sounds", "/more"})
        std::filesystem::create_directories(folder + sub);
    for (int take = 0; take < 24; ++take) {
        // Mostly hits, and every fourth a loop of most of a minute, of which a source keeps all.
        const std::string seconds = std::to_string(take % 4 == 3 ? 45 : 1 + take % 5);
        for (const char* type : {"wav", "flac"}) {
            const std::string command
                = "sox -n -r 44100 -c 2 -b 16 '" + folder + "/sounds/take " + std::to_string(take) + "." + type
                  + "' synth " + seconds + " pluck " + std::to_string(110 + take * 20) + " 2>/dev/null && cp '" + folder
                  + "/sounds/take " + std::to_string(take) + "." + type + "' '" + folder + "/more/'";
            if (std::system(command.c_str()) != 0)
                return false;
        }
    }
    return true;
}

// Runs the session in a child process, so that the time the child takes to end after its main
// returns (static destructors, libraries unloaded, memory given back) is counted too.
int measureChild(char* argv[], bool busyDisk)
{
    std::atomic<bool> childGone{false};
    std::thread writer;
    if (busyDisk)
        writer = std::thread([&childGone] {
            const std::string file = std::filesystem::temp_directory_path() / "quit_after_use-busy.bin";
            const std::vector<char> chunk(8u << 20, 'x');
            while (!childGone) {
                std::ofstream out(file, std::ios::binary | std::ios::trunc);
                for (int part = 0; part < 16 && !childGone; ++part)
                    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
                out.close();
                if (FILE* flushed = std::fopen(file.c_str(), "rb")) {
                    fdatasync(fileno(flushed));
                    std::fclose(flushed);
                }
            }
            std::filesystem::remove(file);
        });
    int out[2];
    if (pipe(out) != 0)
        return 1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        setenv("ZYLOX_QUIT_AFTER_USE_CHILD", "1", 1);
        execv("/proc/self/exe", argv);
        _exit(127);
    }
    close(out[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(got));
    int status = 0;
    waitpid(child, &status, 0);
    const qint64 gone = now();
    childGone = true;
    if (writer.joinable())
        writer.join();
    close(out[0]);
    const std::size_t mark = said.find("quit pressed at ");
    if (mark == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "quit_after_use: the session failed\n%s", said.c_str());
        return 1;
    }
    const std::size_t scratch = said.find("scratch ") + 8;
    std::filesystem::remove_all(said.substr(scratch, said.find('\n', scratch) - scratch));
    const qint64 pressed = std::stoll(said.substr(mark + 16));
    const qint64 mainReturned = std::stoll(said.substr(said.find("main returned at ") + 17));
    std::fputs(said.substr(0, said.find("scratch ")).c_str(), stdout);
    std::printf("  %-52s %8.1f ms\n  %-52s %8.1f ms\n", "main's return (or the end at once) to the process gone",
                static_cast<double>(gone - mainReturned) / 1e6, "Ctrl+Q to the process gone",
                static_cast<double>(gone - pressed) / 1e6);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    int rounds = 40;
    bool busyDisk = false;
    bool inOrder = false;
    for (int argument = 1; argument < argc; ++argument) {
        if (std::string(argv[argument]) == "--busy-disk")
            busyDisk = true;
        else if (std::string(argv[argument]) == "--in-order")
            inOrder = true;
        else
            rounds = std::max(1, std::atoi(argv[argument]));
    }
    if (qEnvironmentVariableIsEmpty("ZYLOX_QUIT_AFTER_USE_CHILD"))
        return measureChild(argv, busyDisk);
    QTemporaryDir scratch;
    // Removed by the parent: its files are the benchmark's, not the editor's.
    scratch.setAutoRemove(false);
    const std::string folder = scratch.path().toStdString();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (scratch.path() + "/" + QString::fromLatin1(name).toLower()).toUtf8());
    if (!std::filesystem::exists("/dev/snd")) {
        std::ofstream(folder + "/asound.conf") << "</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n";
        qputenv("ALSA_CONFIG_PATH", QByteArray::fromStdString(folder + "/asound.conf"));
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!makeSounds(folder)) {
        std::fprintf(stderr, "quit_after_use: sox could not make the sound files\n");
        return 1;
    }

    const qint64 started = now();
    qint64 from = 0;
    returnLargeBlocksWhenFreed();
    std::optional<QApplication> application(std::in_place, argc, argv);
    // As main.cpp makes them, in its order.
    auto clock = std::make_unique<SystemClock>();
    auto midiService = std::make_unique<AlsaMidiService>();
    auto midiSystem = std::make_unique<MidiContext>(*midiService, *clock);
    Dialogs dialogs;
    auto settings = std::make_unique<Settings>();
    auto soundOutput = std::make_unique<AlsaSoundOutput>();
    auto kit = std::make_unique<KitPlayer>();
    auto auditions = std::make_unique<AuditionOutput>(*soundOutput, *kit);
    auto editor = std::make_unique<EditorWindow>(dialogs, *midiSystem, *settings, *auditions, *kit);
    editor->show();
    Session session(*editor, scratch.path(), rounds);
    QApplication::exec();
    const qint64 used = session.quitPressed;
    std::printf("%d rounds of use in %.1f s; %s\nthreads at Ctrl+Q: %s\nquitting:\n", rounds,
                static_cast<double>(used - started) / 1e9, memory().c_str(), threads().c_str());
    from = used;
    phase("Ctrl+Q to the event loop's end (questions, memory)", from);
    if (!inOrder && editor->applicationShouldTerminate()) {
        std::printf("scratch %s\nquit pressed at %lld\nmain returned at %lld\n", folder.c_str(),
                    static_cast<long long>(used), static_cast<long long>(now()));
        kit->close();
        endAtOnce(0, *auditions, *settings);
    }
    editor.reset();
    phase("the window and its rooms", from);
    settings.reset();
    phase("the settings written", from);
    auditions.reset();
    kit.reset();
    soundOutput.reset();
    phase("the sound output and the pads", from);
    midiSystem.reset();
    midiService.reset();
    clock.reset();
    phase("the MIDI system", from);
    application.reset();
    phase("the application", from);
    std::printf("threads left: %s; %s\nscratch %s\nquit pressed at %lld\nmain returned at %lld\n", threads().c_str(),
                memory().c_str(), folder.c_str(), static_cast<long long>(used), static_cast<long long>(now()));
    std::fflush(stdout);
    return 0;
}
