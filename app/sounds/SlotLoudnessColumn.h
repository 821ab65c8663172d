#pragma once

#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

class IBank;
class QGridLayout;
class QLabel;
class QThread;

// Each sample slot's loudness as the device plays it, in its row of the bank's box: the figure
// `zylox loudness` prints (SlotLoudness, of the slot's 8-bit bytes), "silent" where nothing sounds.
// Six slots take a few milliseconds to measure, more than a frame may spare: a slot whose bytes
// changed is measured on a thread of its own, showing a dash until its figure is known; a slot
// whose bytes are as they were keeps its figure without a new measure.
class SlotLoudnessColumn : public QObject {
    Q_OBJECT
public:
    // The labels go into column `column` of the slot grid, row r + 1 for slot r; the grid stays the window's.
    SlotLoudnessColumn(QGridLayout& slotGrid, int rows, int column, QObject* parent = nullptr);
    ~SlotLoudnessColumn() override;

    // Shows the bank's slots' figures, measuring those whose bytes are new; rows of slots that hold
    // no sound (the firmware bank's, those past the bank's last) are hidden.
    void show(const IBank& bank);
    QLabel* rowLabel(int slot) const;

signals:
    // Every shown slot has its figure.
    void measured();

private:
    struct Row {
        std::vector<std::uint8_t> bytes; // the sample slot's bytes as last shown; empty for another
        std::optional<double> loudness;
        bool known = false; // loudness is of bytes
    };
    void showRow(int slot);
    void measureNext();
    void take(const std::vector<std::vector<std::uint8_t>>& bytes, const std::vector<std::optional<double>>& figures);

    std::vector<QLabel*> m_labels;
    std::vector<Row> m_rows;
    std::vector<QString> m_slotLabels;
    // The slots being measured, while they are.
    QThread* m_measuring = nullptr;
};
