#pragma once

#include "midiio/MidiPortIdentity.h"
#include "midiio/RowBank.h"
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
// bank's dump, by row. It lets a send skip the banks the device already holds. It is a convenience,
// not a source of truth: the device may have been changed by other means since.
//
// Kept as one small text file per device in the given folder, replaced atomically on every change.
// A missing, unreadable or damaged file, or one for another device, means every row is unknown.
// Without a folder the record lives in memory only: nothing on disk can then speak for the device.
class DeviceRecord {
public:
    static constexpr std::size_t kRows = factory::kBankCount;

    // $XDG_STATE_HOME/zylox, else ~/.local/state/zylox; empty when neither can be named.
    static std::string defaultFolder();
    // A hash of the dump as it is sent on this channel (the bank's event cache is rebuilt).
    static std::uint64_t fingerprint(IBank& bank, std::uint16_t channel);

    // Reads the device's record from the folder; an empty folder keeps the record in memory only.
    DeviceRecord(std::string folder, MidiPortIdentity device);

    const MidiPortIdentity& device() const { return m_device; }
    // Whether the device was last sent exactly this dump in that row.
    bool holds(std::size_t row, std::uint64_t fingerprint) const;
    // The rows among these whose bank, sent on this channel, is not what the device was last sent
    // there (their events are rebuilt), in the order given.
    std::vector<std::size_t> differing(const std::vector<RowBank>& banks,
                                       std::uint16_t channel) const;
    // The fingerprint recorded for the row; none when unknown.
    std::optional<std::uint64_t> at(std::size_t row) const { return row < kRows ? m_rows[row] : std::nullopt; }
    // Both write the file at once; false when it could not be written (the record in memory holds,
    // and failure() says why).
    bool remember(std::size_t row, std::uint64_t fingerprint);
    bool forget(std::size_t row);
    // Puts back what at(row) gave.
    bool restore(std::size_t row, std::optional<std::uint64_t> fingerprint);
    // Why the last write failed, naming the folder: "the device record in /home/u/.local/state/zylox
    // could not be written (No space left on device)"; empty after one that succeeded.
    const std::string& failure() const { return m_failure; }
    // The same sentence for another failure in the record's folder, by its errno.
    std::string unwritable(int error) const;

    const std::string& folder() const { return m_folder; }
    // The file the record lives in, and the one beside it that senders to the device lock; both
    // empty without a folder.
    std::string path() const;
    std::string lockPath() const;

private:
    std::string fileNamed(const std::string& extension) const;
    bool load();
    bool save();
    bool failed(int error);

    std::string m_folder;
    MidiPortIdentity m_device;
    std::array<std::optional<std::uint64_t>, kRows> m_rows{};
    std::string m_failure;
};
