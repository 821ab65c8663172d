#include "app/sounds/SourceView.h"

#include "audio/MonoSteps.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint64_t kBucket = 64;
// How close to an end of the window, in pixels, a press takes that end.
constexpr double kEndGrip = 5.0;
// The closest zoom shows this many frames across the view.
constexpr std::uint64_t kFewestVisible = 64;

} // namespace

SourceView::SourceView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip(tr("Drag the window to choose the part of the sound that goes into the slot; drag its ends to "
                  "shorten it; the wheel zooms"));
    setMouseTracking(false);
    // The window is the panel's first control: the keyboard moves it too.
    setFocusPolicy(Qt::StrongFocus);
}

void SourceView::setSound(std::shared_ptr<const audio::DecodedSound> sound)
{
    m_sound = std::move(sound);
    m_buckets.clear();
    const std::uint64_t count = frames();
    if (count > 0) {
        const audio::MonoSteps steps(m_sound->frames, audio::MonoSource::Mix);
        for (std::uint64_t first = 0; first < count; first += kBucket) {
            float low = 0.0F;
            float high = 0.0F;
            for (std::uint64_t frame = first; frame < std::min(count, first + kBucket); ++frame) {
                const auto value = static_cast<float>(steps.at(frame));
                low = std::min(low, value);
                high = std::max(high, value);
            }
            m_buckets.emplace_back(low, high);
        }
    }
    showWhole();
}

void SourceView::setRegion(audio::SourceRegion region, std::uint64_t longest)
{
    m_region = region;
    m_longest = longest;
    // Not under a dragging pointer: the scale would slide away beneath it.
    if (m_showsWhole && m_handle == Handle::None)
        showWhole();
    update();
}

std::uint64_t SourceView::frames() const
{
    return m_sound ? m_sound->frames.frameCount() : 0;
}

std::uint64_t SourceView::extent() const
{
    return std::max<std::uint64_t>({frames(), m_region.last, 1});
}

void SourceView::showWhole()
{
    m_viewFirst = 0;
    m_viewLast = extent();
    m_showsWhole = true;
    update();
}

void SourceView::scrollTo(std::uint64_t frame)
{
    if (frame >= m_viewFirst && frame < m_viewLast)
        return;
    const std::uint64_t span = m_viewLast - m_viewFirst;
    // The frame a tenth into the view, so that the next steps the same way stay in it a while.
    m_viewFirst = std::min(frame - std::min(frame, span / 10), extent() - std::min(extent(), span));
    m_viewLast = m_viewFirst + span;
    update();
}

std::uint64_t SourceView::frameAt(double x) const
{
    const double span = static_cast<double>(m_viewLast - m_viewFirst);
    const double across = std::clamp(x, 0.0, static_cast<double>(width())) / std::max(1, width());
    const double frame = static_cast<double>(m_viewFirst) + across * span;
    return static_cast<std::uint64_t>(std::llround(frame));
}

double SourceView::xOf(std::uint64_t frame) const
{
    const double span = static_cast<double>(m_viewLast - m_viewFirst);
    return (static_cast<double>(frame) - static_cast<double>(m_viewFirst)) * width() / span;
}

std::pair<double, double> SourceView::extremes(std::uint64_t first, std::uint64_t last) const
{
    last = std::min(last, frames());
    double low = 0.0;
    double high = 0.0;
    if (last - first >= kBucket) {
        const std::uint64_t end = std::min<std::uint64_t>(m_buckets.size(), (last + kBucket - 1) / kBucket);
        for (std::uint64_t bucket = first / kBucket; bucket < end; ++bucket) {
            low = std::min<double>(low, m_buckets[bucket].first);
            high = std::max<double>(high, m_buckets[bucket].second);
        }
        return {low, high};
    }
    const audio::MonoSteps steps(m_sound->frames, audio::MonoSource::Mix);
    for (std::uint64_t frame = first; frame < std::max(last, first + 1) && frame < frames(); ++frame) {
        low = std::min(low, steps.at(frame));
        high = std::max(high, steps.at(frame));
    }
    return {low, high};
}

void SourceView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    // Past the source's end the window takes nothing: shown as the panel's own ground.
    const double end = xOf(frames());
    if (end < width())
        painter.fillRect(QRectF(QPointF(std::max(0.0, end), 0), QPointF(width(), height())), colours.window());
    drawWaveform(painter);
    // The window: what goes into the slot, shaded, with its two ends as handles.
    const double left = xOf(m_region.first);
    const double right = xOf(m_region.last);
    QColor shade = colours.highlight().color();
    shade.setAlpha(60);
    painter.fillRect(QRectF(QPointF(left, 0), QPointF(right, height())), shade);
    painter.setPen(QPen(colours.highlight(), 2));
    painter.drawLine(QPointF(left, 0), QPointF(left, height()));
    painter.drawLine(QPointF(right, 0), QPointF(right, height()));
    painter.setPen(hasFocus() ? QPen(colours.highlight(), 2) : QPen(colours.mid(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SourceView::drawWaveform(QPainter& painter) const
{
    // In the device's own pixels: a screen at twice the scale gets twice the columns.
    const double ratio = painter.deviceTransform().m11();
    const int columns = static_cast<int>(std::lround(width() * ratio));
    const double pixelsHigh = height() * ratio;
    const double middle = pixelsHigh / 2.0;
    const double scale = (pixelsHigh / 2.0 - 2.0 * ratio) / 128.0;
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.setPen(QPen(palette().mid().color(), 0));
    painter.drawLine(QPointF(0, middle), QPointF(columns, middle));
    if (frames() > 0) {
        painter.setPen(QPen(palette().text().color(), 0));
        for (int x = 0; x < columns; ++x) {
            const std::uint64_t first = frameAt(x / ratio);
            if (first >= frames())
                break;
            const auto [low, high] = extremes(first, std::max(frameAt((x + 1) / ratio), first + 1));
            painter.drawLine(QPointF(x, middle - high * scale), QPointF(x, middle - low * scale));
        }
    }
    painter.restore();
}

void SourceView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || frames() == 0)
        return QWidget::mousePressEvent(event);
    const double x = event->position().x();
    const std::uint64_t frame = frameAt(x);
    if (std::abs(x - xOf(m_region.last)) <= kEndGrip) {
        m_handle = Handle::Last;
    } else if (std::abs(x - xOf(m_region.first)) <= kEndGrip) {
        m_handle = Handle::First;
    } else {
        m_handle = Handle::Move;
        const bool inside = frame >= m_region.first && frame < m_region.last;
        m_grip = inside ? frame - m_region.first : 0;
        if (!inside)
            drag(frame);
    }
}

void SourceView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_handle == Handle::None || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    drag(frameAt(event->position().x()));
}

void SourceView::mouseReleaseEvent(QMouseEvent* event)
{
    m_handle = Handle::None;
    if (m_showsWhole)
        showWhole();
    QWidget::mouseReleaseEvent(event);
}

void SourceView::drag(std::uint64_t frame)
{
    const std::uint64_t count = frames();
    const std::uint64_t longest = m_longest > 0 ? m_longest : count;
    audio::SourceRegion region = m_region;
    switch (m_handle) {
    case Handle::Move: {
        const std::uint64_t length = region.length();
        region.first = std::min(frame > m_grip ? frame - m_grip : 0, count - 1);
        region.last = region.first + length;
        break;
    }
    case Handle::First:
        region.first = std::clamp<std::uint64_t>(frame, region.last > longest ? region.last - longest : 0,
                                                 std::min(region.last, count) - 1);
        break;
    case Handle::Last:
        region.last = std::clamp<std::uint64_t>(frame, region.first + 1, region.first + longest);
        break;
    case Handle::None:
        return;
    }
    if (region == m_region)
        return;
    m_region = region;
    update();
    emit regionDragged(region);
}

void SourceView::keyPressEvent(QKeyEvent* event)
{
    // A frame, to set the start exactly by ear and eye; 10 ms to move through a sound quickly.
    const double rate = m_sound ? m_sound->frames.m_samplerate : 0.0;
    const std::uint64_t step = (event->modifiers() & Qt::ShiftModifier)
                                   ? std::max<std::uint64_t>(1, static_cast<std::uint64_t>(std::llround(rate / 100.0)))
                                   : 1;
    const std::uint64_t first = m_region.first;
    std::uint64_t to = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        to = first > step ? first - step : 0;
        break;
    case Qt::Key_Right:
        to = first + step;
        break;
    case Qt::Key_Home:
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    if (frames() == 0)
        return;
    // As a drag of the whole window by its start.
    m_handle = Handle::Move;
    m_grip = 0;
    drag(to);
    m_handle = Handle::None;
    if (m_showsWhole)
        showWhole();
    else
        scrollTo(m_region.first);
}

void SourceView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        zoom(std::pow(steps > 0 ? 0.5 : 2.0, std::abs(steps)), static_cast<int>(event->position().x()));
    event->accept();
}

void SourceView::zoom(double factor, int aroundX)
{
    const std::uint64_t count = extent();
    const double anchor = static_cast<double>(frameAt(aroundX));
    const double span = std::clamp(static_cast<double>(m_viewLast - m_viewFirst) * factor,
                                   static_cast<double>(std::min(kFewestVisible, count)), static_cast<double>(count));
    const double share = static_cast<double>(aroundX) / std::max(1, width());
    const double first = std::clamp(anchor - span * share, 0.0, static_cast<double>(count) - span);
    m_viewFirst = static_cast<std::uint64_t>(first);
    m_viewLast = m_viewFirst + static_cast<std::uint64_t>(span);
    m_showsWhole = m_viewFirst == 0 && m_viewLast >= count;
    update();
}
