#pragma once

#include "midiio/MidiPortIdentity.h"
#include "midiio/OutputPacing.h"
#include "midiio/RowBank.h"
#include "midiio/record/RecordFailure.h"
#include "model/FactoryTables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class IBank;

// What one device (known by its output's identity) was last sent completely: a fingerprint of each
// flash block's erase and write, by block (two per bank); and how carefully its interface is sent to. It lets a send
// skip the blocks the device already holds. It is a convenience, not a source of truth: the device may have been
// changed by other means since.
//
// Records written before blocks were told apart hold one fingerprint of a whole bank's dump per row.
// They still speak for a row whose blocks are both unknown, and only for the whole bank: when the
// bank is sent as it is, nothing differs; otherwise both blocks do, since an old fingerprint
// cannot say which block changed. Such a row's old fingerprint is dropped the moment one of its
// blocks changes in the record.
//
// Kept as one small text file per device in the given folder, replaced atomically on every change.
// A missing, unreadable or damaged file, or one for another device, means every block is unknown.
// Without a folder the record lives in memory only: nothing on disk can then speak for the device.
class DeviceRecord {
public:
    static constexpr std::size_t kRows = factory::kBankCount;
    static constexpr std::size_t kBlocks = 2 * kRows;

    // What the record knows of one row: its blocks, and an old whole-bank fingerprint.
    struct RowKnowledge {
        std::optional<std::uint64_t> first;
        std::optional<std::uint64_t> second;
        std::optional<std::uint64_t> bank;

        bool operator==(const RowKnowledge&) const = default;
    };

    // $XDG_STATE_HOME/zylox, else ~/.local/state/zylox; empty when neither can be named.
    static std::string defaultFolder();
    // A hash of the whole dump as it is sent on this channel (the bank's event cache is rebuilt):
    // what records of one fingerprint per bank hold.
    static std::uint64_t fingerprint(IBank& bank, std::uint16_t channel);
    // The hashes of the first and of the second block's erase and write on this channel.
    static std::array<std::uint64_t, 2> blockFingerprints(IBank& bank, std::uint16_t channel);
    // The fingerprint of one block from the bytes of its erase and write.
    static std::uint64_t blockFingerprint(const std::vector<std::uint8_t>& erase,
                                          const std::vector<std::uint8_t>& write);

    // The devices with a record in the folder, by their names.
    static std::vector<MidiPortIdentity> recorded(const std::string& folder);

    // Reads the device's record from the folder; an empty folder keeps the record in memory only.
    DeviceRecord(std::string folder, MidiPortIdentity device);

    const MidiPortIdentity& device() const { return m_device; }
    // Which of the bank's blocks (kFirstBlock, kSecondBlock), sent on this channel, are not what the
    // device was last sent in that row (its events are rebuilt).
    unsigned differingBlocks(std::size_t row, IBank& bank, std::uint16_t channel) const;
    // The banks among these of which a chosen block differs, narrowed to those blocks, in the order
    // given.
    std::vector<RowBank> differing(const std::vector<RowBank>& banks, std::uint16_t channel) const;
    // The fingerprint recorded for a flash block (0 to 63); none when unknown.
    std::optional<std::uint64_t> at(std::size_t block) const;
    RowKnowledge known(std::size_t row) const;
    // All write the file at once; false when it could not be written (the record in memory holds,
    // and failure() says why).
    bool remember(std::size_t block, std::uint64_t fingerprint);
    bool forget(std::size_t block);
    // Puts back what known(row) gave.
    bool restore(std::size_t row, const RowKnowledge& knowledge);
    // Writes the record as it stands, even when it knows nothing: a device told apart from another
    // one of the same names keeps a record of its own from now on.
    bool keep();
    // Takes the record over to another identity (the device moved to another USB socket): writes
    // it under the new one, leaving the old file for the caller to remove once all is moved; on
    // failure the record keeps its identity.
    bool renameTo(const MidiPortIdentity& device);
    // How carefully this device's interface is sent to, kept for both programs; false, and nothing
    // changed, for a pacing outside what an output may be given.
    const OutputPacing& pacing() const { return m_pacing; }
    bool setPacing(const OutputPacing& pacing);
    // Why the last write failed, with the record's file; none after one that succeeded.
    const RecordFailure& failure() const { return m_failure; }

    const std::string& folder() const { return m_folder; }
    // The file the record lives in; empty without a folder.
    std::string path() const;
    // The name of a device's file with this extension ("device-0123456789abcdef.txt"): a hash of
    // its identity, so that no name of a device can reach outside the folder.
    static std::string fileName(const MidiPortIdentity& device, const std::string& extension);
    // The copy of what the device holds (DeviceContents) lives beside the record; empty without a folder.
    std::string contentsPath() const;

private:
    std::string fileNamed(const std::string& extension) const;
    bool load();
    bool loadLine(const std::string& line, bool perBlock);
    bool save();
    bool failed(FileFailure cause);

    std::string m_folder;
    MidiPortIdentity m_device;
    std::array<std::optional<std::uint64_t>, kBlocks> m_blocks{};
    std::array<std::optional<std::uint64_t>, kRows> m_banks{};
    OutputPacing m_pacing;
    RecordFailure m_failure;
};
