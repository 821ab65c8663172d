// A long source renders on a thread of its own: the window shows the result of the last shape asked
// for, the one Apply takes, however many moves a drag made while renders ran.
#include "app/banks/SlotRenderer.h"
#include "app/banks/SoundPanel.h"
#include "app/sounds/SourceView.h"
#include "app/sounds/WaveformView.h"
#include "tests/support/RecordingSoundOutput.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

constexpr std::size_t slotLength = 32768;

// A minute of a 220 Hz tone rising in level, 16-bit stereo at 44.1 kHz: 10.6 MB, so that every
// place a window can lie gives a slot of its own.
std::shared_ptr<const audio::DecodedSound> longSource()
{
    auto sound = std::make_shared<audio::DecodedSound>();
    sound->failure.kind = audio::ImportResult::Kind::Sound;
    sound->frames = audio::PcmFrames(2, 16, false, 44100.0);
    constexpr std::uint64_t frames = 60 * 44100;
    sound->frames.resize(frames * 4);
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        const double t = static_cast<double>(frame) / 44100.0;
        const auto value = static_cast<std::uint16_t>(
            static_cast<std::int16_t>(500.0 * t * std::sin(2 * std::numbers::pi * 220 * t)));
        for (std::size_t byte = 0; byte < 4; ++byte)
            sound->frames[frame * 4 + byte] = static_cast<std::uint8_t>(value >> (8 * (byte % 2)));
    }
    sound->wholeFrames = frames;
    return sound;
}

// Runs the window's thread until check holds, as the window does while renders arrive. The bound
// is time, not passes of the loop: a pass may return at once, and renders under a sanitizer take
// seconds.
template <typename Check> bool waitFor(Check check)
{
    return QTest::qWaitFor(check, 120000);
}

TEST(SlotRenderer, OfTheShapesAskedForInABurstTheLastOneArrivesAsItRendersAtOnce)
{
    const auto sound = longSource();
    SlotRenderer renderer;
    std::vector<unsigned> tickets;
    audio::RenderedSlot last;
    QObject::connect(&renderer, &SlotRenderer::rendered, [&](unsigned ticket, const audio::RenderedSlot& slot) {
        tickets.push_back(ticket);
        last = slot;
    });
    audio::SoundShape shape{.resampling = audio::Resampling::Clean, .dither = audio::Dither::Shaped};
    for (unsigned ticket = 1; ticket <= 20; ++ticket) {
        shape.start = ticket * 2.5;
        renderer.render(sound, shape, slotLength, ticket);
    }
    ASSERT_TRUE(waitFor([&] { return !tickets.empty() && tickets.back() == 20; }));
    EXPECT_TRUE(std::is_sorted(tickets.begin(), tickets.end()));
    EXPECT_EQ(last.bytes, audio::renderSlot(*sound, shape, slotLength).bytes);
}

TEST(SlotRenderer, APanelOverALongSourceShowsWhatApplyGivesAfterADrag)
{
    RecordingSoundOutput output;
    SoundPanel panel(output, nullptr);
    panel.resize(900, 600);
    SlotSource source;
    source.sound = longSource();
    source.shape.resampling = audio::Resampling::Clean;
    panel.start(source, slotLength, QStringLiteral("long"));
    auto* view = panel.findChild<SourceView*>(QStringLiteral("view_source"));
    auto* result = panel.findChild<WaveformView*>(QStringLiteral("view_result"));
    ASSERT_NE(view, nullptr);
    ASSERT_NE(result, nullptr);
    const std::vector<std::uint8_t> first = result->samples();

    const QPoint from(3, view->height() / 2);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(view, from + QPoint(step * 40, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(320, 0));
    ASSERT_GT(view->region().first, 0u);

    const std::vector<std::uint8_t> applied = audio::renderSlot(*source.sound, panel.source().shape, slotLength).bytes;
    EXPECT_NE(applied, first);
    EXPECT_TRUE(waitFor([&] { return result->samples() == applied; }));
    EXPECT_EQ(panel.rendered().bytes, applied);
    // Nothing that arrives later takes its place.
    QCoreApplication::processEvents();
    EXPECT_EQ(result->samples(), applied);
    panel.reject();
}

} // namespace
