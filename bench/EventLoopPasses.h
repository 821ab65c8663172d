#pragma once
// The window's event loop as a user meets it: a timer due every millisecond on the window's thread
// notes the longest gap between two of its timeouts, the longest pass of the loop, when nothing the
// user does is answered; and the most CPU time the window's own thread spent in one pass, since on
// a busy machine a gap also holds the time the thread waited for a core.
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <functional>
#include <utility>

struct PassFigures {
    double longestMs = 0.0;
    double longestCpuMs = 0.0;
    int overFrame = 0; // passes longer than 16 ms, a frame of the screen
};

class EventLoopPasses {
public:
    PassFigures figures;

    // afterEach is called after every pass is noted, with the milliseconds since start().
    explicit EventLoopPasses(std::function<void(double)> afterEach = {})
        : m_afterEach(std::move(afterEach))
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] { note(); });
    }

    void start()
    {
        m_last = 0;
        m_lastCpu = threadCpu();
        m_clock.start();
        m_tick.start();
    }
    void stop() { m_tick.stop(); }

private:
    static qint64 threadCpu()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
    }

    void note()
    {
        const qint64 now = m_clock.nsecsElapsed();
        const qint64 cpu = threadCpu();
        const double gap = static_cast<double>(now - m_last) / 1e6;
        figures.longestMs = std::max(figures.longestMs, gap);
        figures.longestCpuMs = std::max(figures.longestCpuMs, static_cast<double>(cpu - m_lastCpu) / 1e6);
        figures.overFrame += gap > 16.0 ? 1 : 0;
        m_last = now;
        m_lastCpu = cpu;
        if (m_afterEach)
            m_afterEach(static_cast<double>(now) / 1e6);
    }

    std::function<void(double)> m_afterEach;
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_last = 0;
    qint64 m_lastCpu = 0;
};
