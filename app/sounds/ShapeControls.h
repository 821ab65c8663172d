#pragma once

#include "audio/SoundShape.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// The controls of a sound's shape beside its region: conversion and, for Clean only, the filter's
// phase and the dither; gain, limiter and normalise; fades; reverse; pitch or fit, by pitch or by
// stretching; mono; DC removal; trim and its threshold. A control that does not apply (pitch under
// fit, how to fit without fit, the Clean ones under Classic) is disabled, not hidden, so the panel
// does not jump about. Under fit the disabled Pitch field shows the pitch the fit chose (+0.00 under
// a stretch, which keeps the sound's); the pitch the user set comes back without it.
class ShapeControls : public QWidget {
    Q_OBJECT
public:
    explicit ShapeControls(QWidget* parent = nullptr);

    // Shows the shape without reporting a change.
    void setShape(const audio::SoundShape& shape);
    // The shape the controls show; region and raw are base's.
    audio::SoundShape shape(audio::SoundShape base) const;
    // Under fit, shows in the Pitch field the pitch it chose; none where it could not fit.
    void showFitPitch(std::optional<double> semitones);

signals:
    // The user changed a control.
    void changed();

private:
    void enableDependents();
    // Takes the fit's pitch out of the Pitch field and puts the user's back.
    void showOwnPitch();

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
    QComboBox* m_fitKind; // by pitch or by stretching, in FitKind's order
    QComboBox* m_mono;
    QCheckBox* m_dc;
    QCheckBox* m_trim;
    QDoubleSpinBox* m_trimThreshold;
    bool m_showing = false;
    // The pitch the user set, which the field shows again when fit is turned off.
    double m_ownPitch = 0.0;
    bool m_showsFitPitch = false;
};
