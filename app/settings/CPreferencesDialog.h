#pragma once

#include "audio/ImportOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// The small Preferences dialog. Its "Import" section chooses how a sound file becomes a slot: the
// conversion and the normalise and trim switches.
class CPreferencesDialog : public QDialog {
    Q_OBJECT
public:
    CPreferencesDialog(const audio::ImportOptions& options, QWidget* parent);

    // The choice as the dialog shows it now; raw bytes are never a preference.
    audio::ImportOptions options() const;

private:
    QComboBox* m_resampling = nullptr;
    QCheckBox* m_normalize = nullptr;
    QCheckBox* m_trim = nullptr;
};
