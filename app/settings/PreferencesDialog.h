#pragma once

#include "audio/SoundShape.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// The small Preferences dialog. Its "Import" section chooses how a sound file becomes a slot: the
// conversion and the normalise and trim switches; its "Start" section whether the window opens the
// last bank file again; its "Pads" section whether the closed hi-hat cuts the open one.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(const audio::SoundShape& options, bool reopensLastFile, bool chokesOpenHat, QWidget* parent);

    // The choice as the dialog shows it now; raw bytes are never a preference.
    audio::SoundShape options() const;
    bool reopensLastFile() const;
    bool chokesOpenHat() const;

private:
    QComboBox* m_resampling = nullptr;
    QCheckBox* m_normalize = nullptr;
    QCheckBox* m_trim = nullptr;
    QCheckBox* m_reopen = nullptr;
    QCheckBox* m_choke = nullptr;
};
