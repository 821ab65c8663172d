// The window under a light and a dark palette: the wave, a warning and the icon's outline stand
// out from what is behind them as well as text must (contrast ratios as the web's accessibility
// guidelines compute them: 4.5 for text and the wave, 3 for the outline of a shape).
#include "app/common/WarningColour.h"
#include "app/sounds/WaveformView.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QStyle>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

double luminance(QColor colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The dark palette a dark desktop theme gives Qt's Fusion style.
QPalette darkPalette()
{
    QPalette dark;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::AlternateBase, QPalette::Button})
        dark.setColor(role, QColor(53, 53, 53));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::Mid, QColor(90, 90, 90));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

TEST(ThemeContrast, TheWaveAndAWarningStandOutFromTheirBackgroundInLightAndDarkThemes)
{
    // A quiet stretch of sound, then the padding silence: the wave covers the middle third.
    std::vector<std::uint8_t> slot(8250, 0x80);
    for (std::size_t i = 0; i < 4000; ++i)
        slot[i] = static_cast<std::uint8_t>(i % 8 < 4 ? 0x80 + 40 : 0x80 - 40);
    for (const QPalette& palette : {QApplication::style()->standardPalette(), darkPalette()}) {
        SCOPED_TRACE(palette.color(QPalette::Base).name().toStdString());
        WaveformView view(false);
        view.setPalette(palette);
        view.resize(200, 60);
        view.setSamples(slot);
        const QImage drawn = view.grab().toImage();
        const QColor wave = drawn.pixelColor(40, 30);
        const QColor background = drawn.pixelColor(40, 5);
        EXPECT_GE(contrast(wave, background), 4.5)
            << wave.name().toStdString() << " on " << background.name().toStdString();
        EXPECT_GE(contrast(warningColour(palette), palette.color(QPalette::Window)), 4.5);
    }
}

// Blends the icon over a panel of one colour, as a desktop shows it.
QColor over(QColor pixel, QColor panel)
{
    const double alpha = pixel.alphaF();
    return QColor::fromRgbF(static_cast<float>(pixel.redF() * alpha + panel.redF() * (1 - alpha)),
                            static_cast<float>(pixel.greenF() * alpha + panel.greenF() * (1 - alpha)),
                            static_cast<float>(pixel.blueF() * alpha + panel.blueF() * (1 - alpha)));
}

TEST(ThemeContrast, TheIconsOutlineShowsOnALightAndADarkPanel)
{
    const QImage icon = QImage(QStringLiteral(ZYLOX_ICON_48)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull());
    const auto opaque = [&](int x, int y) { return icon.rect().contains(x, y) && qAlpha(icon.pixel(x, y)) >= 128; };
    for (const QColor panel : {QColor(0xef, 0xef, 0xef), QColor(0x2a, 0x2a, 0x2a)}) {
        SCOPED_TRACE(panel.name().toStdString());
        // Every pixel on the icon's outline, and whether something within two pixels inside it
        // stands out from the panel, so that the eye finds the shape's edge.
        int outline = 0;
        int seen = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                if (!opaque(x, y) || (opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1)))
                    continue;
                ++outline;
                double best = 0;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (opaque(x + dx, y + dy))
                            best = std::max(best, contrast(over(icon.pixelColor(x + dx, y + dy), panel), panel));
                seen += best >= 3.0 ? 1 : 0;
            }
        }
        ASSERT_GT(outline, 0);
        EXPECT_GE(seen, outline * 95 / 100) << seen << " of " << outline << " outline pixels stand out";
    }
}

} // namespace
