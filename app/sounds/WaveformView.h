#pragma once

#include "app/sounds/WaveformEnvelope.h"

#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <vector>

// One slot's waveform: its min/max envelope around the 0x80 centre line, the padding silence
// after the sound shaded, and, for the large view, a time axis in seconds. A press selects the
// slot; pulling it away starts dragging the slot out.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    explicit WaveformView(bool withTimeAxis, QWidget* parent = nullptr);

    // Empty samples draw an empty view (a row the bank does not have, or a firmware slot).
    void setSamples(std::vector<std::uint8_t> samples);
    const std::vector<std::uint8_t>& samples() const { return m_samples; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pressed();
    void doubleClicked();
    void dragStarted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect waveRect() const;
    // The envelope in the painter's device pixels over the wave's logical rectangle.
    void drawEnvelope(QPainter& painter, const QRect& wave);
    void drawTimeAxis(QPainter& painter, const QRect& wave) const;

    const bool m_withTimeAxis;
    std::vector<std::uint8_t> m_samples;
    // The envelope for the width in device pixels last drawn, made again only when the samples, the
    // width or the screen's scale change.
    std::vector<WaveformEnvelope::Column> m_envelope;
    std::size_t m_soundLength = 0;
    bool m_selected = false;
    QPoint m_pressedAt{-1, -1};
};
