#include "app/sounds/WaveformView.h"

#include "audio/DeviceRate.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kAxisHeight = 18;
constexpr int kTickLength = 4;
constexpr double kTickSeconds = 0.1;

} // namespace

WaveformView::WaveformView(bool withTimeAxis, QWidget* parent)
    : QWidget(parent)
    , m_withTimeAxis(withTimeAxis)
{
    setSizePolicy(QSizePolicy::Expanding, withTimeAxis ? QSizePolicy::Expanding : QSizePolicy::Preferred);
    setToolTip(tr("Click to select this slot; double-click to shape its sound; drag it out to save it as a WAV file"));
    // A click selects the slot; taking the focus from the button pressed before lets Space play the
    // slot just chosen instead of pressing that button again.
    setFocusPolicy(Qt::ClickFocus);
}

void WaveformView::setSamples(std::vector<std::uint8_t> samples)
{
    m_samples = std::move(samples);
    m_soundLength = WaveformEnvelope::soundLength(m_samples);
    m_envelope.clear();
    update();
}

void WaveformView::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

QSize WaveformView::sizeHint() const
{
    return m_withTimeAxis ? QSize(480, 120) : QSize(240, 28);
}

QSize WaveformView::minimumSizeHint() const
{
    return m_withTimeAxis ? QSize(160, 80) : QSize(80, 22);
}

QRect WaveformView::waveRect() const
{
    const QRect all = rect().adjusted(1, 1, -1, -1);
    return m_withTimeAxis ? all.adjusted(0, 0, 0, -kAxisHeight) : all;
}

void WaveformView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect wave = waveRect();
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    if (!m_samples.empty()) {
        // The padding silence after the sound, shaded so the user sees how much of the slot is used.
        const int soundEnd = wave.left()
                             + static_cast<int>(static_cast<double>(m_soundLength) * wave.width()
                                                / static_cast<double>(m_samples.size()));
        painter.fillRect(QRect(QPoint(soundEnd, wave.top()), wave.bottomRight()), colours.alternateBase());
        drawEnvelope(painter, wave);
        if (m_withTimeAxis)
            drawTimeAxis(painter, wave);
    }
    painter.setPen(m_selected ? QPen(colours.highlight(), 2) : QPen(colours.mid(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WaveformView::drawEnvelope(QPainter& painter, const QRect& wave)
{
    // Drawn in the device's own pixels: a screen at twice the scale shows twice the detail rather
    // than every column doubled.
    const double ratio = painter.deviceTransform().m11();
    const QRect pixels(
        QPoint(static_cast<int>(std::lround(wave.left() * ratio)), static_cast<int>(std::lround(wave.top() * ratio))),
        QSize(std::max(1, static_cast<int>(std::lround(wave.width() * ratio))),
              std::max(1, static_cast<int>(std::lround(wave.height() * ratio)))));
    if (m_envelope.size() != static_cast<std::size_t>(pixels.width()))
        m_envelope = WaveformEnvelope::of(m_samples, static_cast<std::size_t>(pixels.width()));
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    const double scale = (pixels.height() - 1) / 255.0;
    const auto y = [&](std::uint8_t value) { return pixels.top() + static_cast<int>((255 - value) * scale + 0.5); };
    painter.setPen(QPen(palette().mid().color(), 0));
    painter.drawLine(pixels.left(), y(0x80), pixels.right(), y(0x80));
    painter.setPen(QPen(palette().text().color(), 0));
    for (std::size_t column = 0; column < m_envelope.size(); ++column) {
        const int x = pixels.left() + static_cast<int>(column);
        painter.drawLine(x, y(m_envelope[column].high), x, y(m_envelope[column].low));
    }
    painter.restore();
}

void WaveformView::drawTimeAxis(QPainter& painter, const QRect& wave) const
{
    const double seconds = static_cast<double>(m_samples.size()) / audio::kDeviceRate;
    const int baseline = wave.bottom() + 1;
    painter.setPen(palette().text().color());
    for (int tick = 0; tick * kTickSeconds <= seconds; ++tick) {
        const int x = wave.left() + static_cast<int>(tick * kTickSeconds / seconds * wave.width());
        painter.drawLine(x, baseline, x, baseline + kTickLength);
        // Every other tick carries its time, as far as the label fits inside the view.
        if (tick % 2 == 0 && x + 40 < wave.right())
            painter.drawText(x + 2, baseline + kAxisHeight - 3,
                             tr("%1 s").arg(QLocale().toString(tick * kTickSeconds, 'f', 1)));
    }
}

void WaveformView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressedAt = event->position().toPoint();
    emit pressed();
}

void WaveformView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_pressedAt.x() < 0 || m_samples.empty())
        return QWidget::mouseMoveEvent(event);
    if ((event->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressedAt = QPoint(-1, -1);
    emit dragStarted();
}

void WaveformView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_samples.empty())
        return QWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
