#pragma once

#include "audio/SoundShape.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// The controls of a sound's shape beside its region: conversion and, for Clean only, the filter's
// phase and the dither; gain, limiter and normalise; fades; reverse; pitch or fit; mono; DC
// removal; trim and its threshold. A control that does not apply (pitch under fit, the Clean
// ones under Classic) is disabled, not hidden, so the panel does not jump about.
class CShapeControls : public QWidget {
    Q_OBJECT
public:
    explicit CShapeControls(QWidget* parent = nullptr);

    // Shows the shape without reporting a change.
    void setShape(const audio::SoundShape& shape);
    // The shape the controls show; region and raw are base's.
    audio::SoundShape shape(audio::SoundShape base) const;

signals:
    // The user changed a control.
    void changed();

private:
    void enableDependents();

    QComboBox* m_conversion;
    QComboBox* m_phase;
    QComboBox* m_dither;
    QDoubleSpinBox* m_gain;
    QCheckBox* m_limiter;
    QDoubleSpinBox* m_limit;
    QCheckBox* m_normalize;
    QDoubleSpinBox* m_fadeIn;
    QDoubleSpinBox* m_fadeOut;
    QCheckBox* m_reverse;
    QDoubleSpinBox* m_pitch;
    QCheckBox* m_fit;
    QComboBox* m_mono;
    QCheckBox* m_dc;
    QCheckBox* m_trim;
    QDoubleSpinBox* m_trimThreshold;
    bool m_showing = false;
};
