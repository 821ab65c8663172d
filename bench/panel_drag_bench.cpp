// How well the sound panel keeps the window answering while its window over a long source is
// dragged, measured as a user meets it: the panel is shown over a long source with a shape, xdotool
// drags the window across the source by real pointer events through the X server (a move every
// 8 ms, as a mouse reports), and a timer of 1 ms on the window's thread notes the longest gap
// between two of its timeouts: the longest pass of the event loop, when nothing the user does is
// answered. The goal: no pass over 16 ms, a frame of the screen. On a busy machine the gaps hold the
// time the window's thread waited for a core, so the window thread's own CPU time in its
// passes is printed too (the most any pass took): what the panel's work costs, whatever else runs.
//
// Usage: xvfb-run -a bench/panel_drag_bench [MOVES] (default 120 moves, about a second). Needs
// xdotool and an X server; the sources are made in memory (the 192 kHz one holds 92 MB).
#include "app/banks/SoundPanel.h"
#include "app/sounds/SourceView.h"
#include "bench/EventLoopPasses.h"
#include "bench/SilentOutput.h"
#include "bench/SyntheticSource.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

// A decaying tone every 10 s with a little noise, or only noise 72 dB down (silence to a trim).
std::shared_ptr<const audio::DecodedSound> source(double rate, std::uint16_t channels, std::uint16_t bits,
                                                  double seconds, bool tone)
{
    return std::make_shared<const audio::DecodedSound>(
        bench::decoded({rate, channels, bits, seconds, tone ? bench::Content::Tone : bench::Content::Hush}));
}

using bench::drumShape;

audio::SoundShape fitShape()
{
    audio::SoundShape shape = drumShape();
    shape.start = 5.0;
    shape.end = 20.0;
    shape.fit = true;
    shape.pitch = 0.0;
    return shape;
}

audio::SoundShape trimShape()
{
    audio::SoundShape shape = drumShape();
    shape.start = 0.0;
    shape.trim = true;
    return shape;
}

struct Pass {
    PassFigures passes;
    double movedSeconds = 0.0;
};

// Drags the window of the shown panel right by real pointer moves and notes the event loop's passes.
Pass drag(SoundPanel& panel, int moves)
{
    auto* view = panel.findChild<SourceView*>(QStringLiteral("view_source"));
    const auto [shownFirst, shownLast] = view->visible();
    const audio::SourceRegion before = view->region();
    const auto x = [&](std::uint64_t frame) {
        return static_cast<double>(frame - shownFirst) * view->width() / static_cast<double>(shownLast - shownFirst);
    };
    const double left = x(before.first);
    const double right = std::min<double>(x(before.last), view->width());
    const QPoint from = view->mapToGlobal(QPoint(static_cast<int>(left + (right - left) / 3), view->height() / 2));
    // Half the view's width, a pixel or two per move.
    const double across = view->width() / 2.0;
    QStringList arguments{QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                          QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int move = 1; move <= moves; ++move) {
        const int to = from.x() + static_cast<int>(across * move / moves);
        arguments << QStringLiteral("sleep") << QStringLiteral("0.008") << QStringLiteral("mousemove")
                  << QString::number(to) << QString::number(from.y());
    }
    arguments << QStringLiteral("mouseup") << QStringLiteral("1");

    EventLoopPasses passes;
    QProcess xdotool;
    QEventLoop loop;
    QObject::connect(&xdotool, &QProcess::finished, &loop, &QEventLoop::quit);
    passes.start();
    xdotool.start(QStringLiteral("xdotool"), arguments);
    loop.exec();
    // The last renders a thread may still deliver count too.
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    passes.stop();
    if (xdotool.exitCode() != 0)
        std::fprintf(stderr, "xdotool failed: %s\n", xdotool.readAllStandardError().constData());
    return {passes.figures,
            static_cast<double>(view->region().first - before.first) / panel.source().sound->frames.m_samplerate};
}

struct Case {
    const char* name;
    std::function<std::shared_ptr<const audio::DecodedSound>()> sound;
    audio::SoundShape shape;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;
    const auto minute = [] { return source(44100.0, 2, 16, 60.0, true); };
    const Case cases[] = {
        {"drum shape, 60 s at 44.1 kHz stereo", minute, drumShape()},
        {"fit of 15 s, 60 s at 44.1 kHz stereo", minute, fitShape()},
        {"trim that finds nothing, 60 s of silence", [] { return source(44100.0, 2, 16, 60.0, false); }, trimShape()},
        {"fit of 15 s, 20 s at 192 kHz, 8 channels, 24-bit", [] { return source(192000.0, 8, 24, 20.0, true); },
         fitShape()},
    };
    SilentOutput output;
    std::printf("%-50s %11s %12s %14s %8s\n", "shape and source", "longest ms", "most CPU ms", "passes >16 ms",
                "moved s");
    for (const Case& each : cases) {
        SlotSource slotSource;
        slotSource.sound = each.sound();
        slotSource.shape = each.shape;
        SoundPanel panel(output, nullptr);
        panel.resize(1000, 700);
        panel.start(slotSource, 32768, QString::fromLatin1(each.name));
        if (!QTest::qWaitForWindowExposed(&panel)) {
            std::fprintf(stderr, "the panel was not shown: run under xvfb-run -a\n");
            return 1;
        }
        QTest::qWait(200);
        const Pass pass = drag(panel, moves);
        std::printf("%-50s %11.1f %12.1f %14d %8.2f\n", each.name, pass.passes.longestMs, pass.passes.longestCpuMs,
                    pass.passes.overFrame, pass.movedSeconds);
        std::fflush(stdout);
        panel.reject();
    }
    return 0;
}
