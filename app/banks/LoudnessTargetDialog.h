#pragma once

#include <QDialog>

#include <optional>

class QDoubleSpinBox;
class QRadioButton;

// Match Loudness…'s question: to which loudness the bank's slots are brought, the quietest slot's
// (what a kit that must not clip can always reach) or a figure in LUFS the user types.
class LoudnessTargetDialog : public QDialog {
    Q_OBJECT
public:
    // bank names the bank on show ("S06").
    LoudnessTargetDialog(const QString& bank, QWidget* parent = nullptr);

    // None: the quietest slot's loudness.
    std::optional<double> target() const;

private:
    QRadioButton* m_quietest = nullptr;
    QDoubleSpinBox* m_figure = nullptr;
};
