#pragma once

// What every guest of the kernel tests does the same way: time on the wall clock, the search for a
// sound card, and zylox run as a user would, from the image's /bin/zylox.
#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

namespace guest {

inline double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A sound card as the kernel names it, and the sysfs device it lives below.
struct SoundCard {
    int index = -1;
    std::string longName;
    std::string device;
};

// The index of the first card the test wants, listing each card it looks at; -1 when none is.
inline int findCard(const std::function<bool(const SoundCard&)>& wanted)
{
    SoundCard card;
    while (snd_card_next(&card.index) >= 0 && card.index >= 0) {
        char* longName = nullptr;
        card.longName = snd_card_get_longname(card.index, &longName) >= 0 && longName ? longName : "";
        std::free(longName);
        const std::string link = "/sys/class/sound/card" + std::to_string(card.index) + "/device";
        char* resolved = realpath(link.c_str(), nullptr);
        card.device = resolved ? resolved : "";
        std::free(resolved);
        std::printf("card %d: %s (device %s)\n", card.index, card.longName.c_str(), card.device.c_str());
        if (wanted(card))
            return card.index;
    }
    return -1;
}

// What a run of zylox said on both outputs, its exit status (-1 for anything but an exit), and
// the seconds it took to end after the interrupt.
struct ZyloxRun {
    int status = -1;
    std::string said;
    double endedAfter = 0;
};

// Runs /bin/zylox with the shell words; with interruptAfter, Ctrl-C reaches it that many seconds in.
inline ZyloxRun runZylox(const std::string& words, int interruptAfter = 0)
{
    const pid_t child = fork();
    if (child == 0) {
        const int said = open("/tmp/zylox.said", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(said, 1);
        dup2(said, 2);
        execl("/bin/sh", "sh", "-c", ("exec /bin/zylox " + words).c_str(), nullptr);
        _exit(127);
    }
    auto interrupted = std::chrono::steady_clock::now();
    if (interruptAfter > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(interruptAfter));
        interrupted = std::chrono::steady_clock::now();
        kill(child, SIGINT);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ZyloxRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, secondsSince(interrupted)};
    std::ifstream in("/tmp/zylox.said");
    run.said.assign(std::istreambuf_iterator<char>(in), {});
    std::printf("$ zylox %s -> %d\n%s", words.c_str(), run.status, run.said.c_str());
    return run;
}

} // namespace guest
