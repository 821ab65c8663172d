#pragma once

#include "midiio/OutputPacing.h"

#include <QDialog>
#include <QString>

class QSpinBox;

// The Output Settings dialog of one device: how carefully messages go to its interface, the
// largest piece handed over at once and the gap after each.
class OutputSettingsDialog : public QDialog {
    Q_OBJECT
public:
    OutputSettingsDialog(const QString& device, const OutputPacing& pacing, QWidget* parent);

    // The pacing as the dialog shows it now.
    OutputPacing pacing() const;

private:
    QSpinBox* m_piece = nullptr;
    QSpinBox* m_gap = nullptr;
};
