// Waveforms on a screen at twice the scale: drawn in the screen's own pixels, so every device
// column carries its own part of the sound instead of each column being doubled.
#include "app/sounds/SourceView.h"
#include "app/sounds/WaveformView.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <ranges>
#include <vector>

namespace {

// Four levels in turn: one byte per column alternates high and low, and so do pairs of bytes
// (wide, then narrow), so neighbouring columns differ at one column per byte and at one per two.
constexpr std::array<int, 4> kLevels{+64, -64, +32, -32};

// Columns that differ from the one on their left: how many distinct columns the drawing has.
int distinctColumns(const QImage& image)
{
    int distinct = 0;
    for (int x = 1; x < image.width(); ++x)
        distinct += std::ranges::any_of(std::views::iota(0, image.height()),
                                        [&](int y) { return image.pixel(x, y) != image.pixel(x - 1, y); });
    return distinct;
}

// The widget drawn as a screen at a scale of 1 would draw it.
QImage atSingleScale(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    widget.render(&image);
    return image;
}

QImage atScreenScale(QWidget& widget)
{
    const QPixmap grab = widget.grab();
    EXPECT_EQ(grab.devicePixelRatio(), 2.0);
    return grab.toImage();
}

TEST(WaveformScale, SlotWaveformHasTwiceTheColumnsAtTwiceTheScale)
{
    for (const bool large : {false, true}) {
        WaveformView view(large);
        view.resize(202, 60);
        // The wave spans the view inside its one-pixel border: two bytes per logical column.
        std::vector<std::uint8_t> samples(400);
        for (std::size_t index = 0; index < samples.size(); ++index)
            samples[index] = static_cast<std::uint8_t>(0x80 + kLevels[index % kLevels.size()]);
        view.setSamples(samples);
        ASSERT_EQ(view.devicePixelRatioF(), 2.0);

        const int once = distinctColumns(atSingleScale(view));
        const int twice = distinctColumns(atScreenScale(view));
        EXPECT_GE(once, 190) << "large " << large;
        EXPECT_GE(twice, 2 * once - 4) << "large " << large;
    }
}

TEST(WaveformScale, SourceWaveformHasTwiceTheColumnsAtTwiceTheScale)
{
    auto sound = std::make_shared<audio::DecodedSound>();
    sound->frames = audio::PcmFrames(1, 16, false, 44100.0);
    // Two frames per logical column of a view 200 wide.
    for (std::size_t frame = 0; frame < 400; ++frame) {
        const auto value = static_cast<std::int16_t>(kLevels[frame % kLevels.size()] * 256);
        sound->frames.push_back(static_cast<std::uint8_t>(value & 0xFF));
        sound->frames.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    sound->wholeFrames = 400;
    SourceView view;
    view.resize(200, 100);
    view.setSound(sound);
    // The window away from the part measured, so only the waveform differs between columns.
    view.setRegion({0, 0}, 0);

    const int once = distinctColumns(atSingleScale(view).copy(10, 0, 180, 100));
    const int twice = distinctColumns(atScreenScale(view).copy(20, 0, 360, 200));
    EXPECT_GE(once, 170);
    EXPECT_GE(twice, 2 * once - 4);
}

} // namespace
