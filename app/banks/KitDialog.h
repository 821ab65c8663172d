#pragma once

#include "model/FactoryTables.h"
#include "model/KitProposal.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IBank;
class ISoundOutput;
class QCheckBox;
class QComboBox;
class QLabel;

// Fill Bank from Folder's (and from Selected Sounds') dialog: one row per slot with the file the kit
// proposes for it, why, how long it sounds and how loud; each row's file can be changed to another
// of the sound files offered or left as it is, and heard first as the slot will sound it (its Play
// button, or Space on its file). Under the rows, the files the kit does not use and why. OK leaves it
// to the caller to put the chosen files in.
class KitDialog : public QDialog {
    Q_OBJECT
public:
    // files: every sound file offered (paths as bytes), which each row offers. The bank is the one
    // the kit goes into, and with the output stays the caller's.
    KitDialog(const QString& title, const KitProposal& proposal, const std::vector<std::string>& files,
              const IBank& bank, ISoundOutput& output, QWidget* parent);

    // The file each slot takes; none where the slot is left as it is.
    std::array<std::optional<KitFile>, factory::kSoundSlotCount> chosen() const;
    // Why the slot takes its file (or is left as it is), in the window's words.
    QString reason(std::uint16_t slot) const;
    bool matchesLoudness() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addRow(std::uint16_t slot, const std::vector<std::string>& files);
    // The files the kit leaves out and why; none when every file has its slot.
    QLabel* leftOutText();
    void fileChanged(std::uint16_t slot);
    void play(std::uint16_t slot);

    const KitProposal m_proposal;
    const IBank& m_bank;
    ISoundOutput& m_output;
    struct Row {
        QComboBox* file = nullptr;
        QLabel* why = nullptr;
        QLabel* length = nullptr;
        QLabel* loudness = nullptr;
        std::optional<KitFile> chosen;
    };
    std::array<Row, factory::kSoundSlotCount> m_rows{};
    QCheckBox* m_match = nullptr;
};
