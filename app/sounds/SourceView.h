#pragma once

#include "audio/DecodedSound.h"
#include "audio/SourceRegion.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// A source's waveform, zoomable, with the window of what goes into the slot drawn over it. Dragging
// inside the window moves it, dragging one of its ends moves that end (never further apart than
// the slot holds), a press outside it moves its start there; the wheel zooms around the pointer.
// Zoomed out, the view spans the source and the window both, so a window reaching past a short
// source's end keeps its end handle in sight. With the focus, Left and Right move the window by one
// frame of the source (Shift: 10 ms), Home to the source's start; the view follows the window's start.
class SourceView : public QWidget {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    // The sound stays shared with whoever gave it.
    void setSound(std::shared_ptr<const audio::DecodedSound> sound);
    // The window, and the most frames it may span (0: as far as the source goes).
    void setRegion(audio::SourceRegion region, std::uint64_t longest);
    audio::SourceRegion region() const { return m_region; }
    // Frames of the source from the view's left edge to its right.
    std::pair<std::uint64_t, std::uint64_t> visible() const { return {m_viewFirst, m_viewLast}; }
    void zoomIn() { zoom(0.5, width() / 2); }
    void zoomOut() { zoom(2.0, width() / 2); }

    QSize sizeHint() const override { return {520, 140}; }
    QSize minimumSizeHint() const override { return {200, 80}; }

signals:
    // The user moved the window or one of its ends.
    void regionDragged(audio::SourceRegion region);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Handle { None, Move, First, Last };

    std::uint64_t frames() const;
    // What the view can show: the source, and the window where it reaches past the source's end.
    std::uint64_t extent() const;
    void showWhole();
    // Scrolls the view, keeping its zoom, so that the frame is in it.
    void scrollTo(std::uint64_t frame);
    std::uint64_t frameAt(double x) const;
    double xOf(std::uint64_t frame) const;
    // The lowest and highest mono value in 8-bit steps over the frames [first, last).
    std::pair<double, double> extremes(std::uint64_t first, std::uint64_t last) const;
    // The source's envelope and its centre line, in the painter's device pixels.
    void drawWaveform(QPainter& painter) const;
    void zoom(double factor, int aroundX);
    void drag(std::uint64_t frame);

    std::shared_ptr<const audio::DecodedSound> m_sound;
    // Lowest and highest value of each run of kBucket frames, so a long source draws quickly.
    std::vector<std::pair<float, float>> m_buckets;
    audio::SourceRegion m_region;
    std::uint64_t m_longest = 0;
    std::uint64_t m_viewFirst = 0;
    std::uint64_t m_viewLast = 0;
    // Zoomed all the way out: the view grows and shrinks with the window's reach.
    bool m_showsWhole = true;
    Handle m_handle = Handle::None;
    // Where in the window the pointer took it, in frames from its start.
    std::uint64_t m_grip = 0;
};
