#pragma once

#include "midiio/RowBank.h"
#include "midiio/record/DeviceRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class FlashEvent;
class IBank;

// A copy of what one device holds: each flash block's erase and write exactly as they last went
// out completely, and the names its bank had then, kept in a file beside the device's record. The
// record decides what is known: a block counts only while the record's fingerprint of it matches
// the bytes kept, so a block the record calls unknown (from before its erase) is unknown here too,
// and a damaged, short or foreign file yields nothing rather than wrong bytes.
class DeviceContents {
public:
    struct Block {
        std::vector<std::uint8_t> erase;
        std::vector<std::uint8_t> write;
    };

    // Reads the copy of the record's device; the record must outlive it.
    explicit DeviceContents(const DeviceRecord& record);

    // The block's bytes (0 to 63) when the record vouches for them; null otherwise.
    const Block* block(std::size_t number) const;
    // Both blocks of the row are known.
    bool rowKnown(std::size_t row) const;
    std::vector<std::size_t> knownRows() const;
    // Every row of which a block is known, with those blocks.
    std::vector<RowBlocks> knownBlocks() const;
    // The row's bank rebuilt from its kept blocks, with the names it was sent with; null unless
    // the row is known.
    std::unique_ptr<IBank> bank(std::size_t row) const;

    // Keeps the block as it has just gone out completely, with the names the bank had, and
    // replaces the file at once; false, with failure() saying why, when it could not be written.
    bool keep(std::size_t number, const FlashEvent& erase, const FlashEvent& write, const IBank& bank);
    // Writes the copy again under its record's present identity, once the record was renamed.
    bool rewrite() { return save(); }
    const RecordFailure& failure() const { return m_failure; }

private:
    struct Names {
        std::string bank;
        std::vector<std::string> slotNames;
    };

    bool load();
    bool loadEntry(const std::string& kind, std::size_t number, std::vector<std::uint8_t> payload);
    bool save();
    bool failed(FileFailure cause);

    const DeviceRecord& m_record;
    std::array<Block, DeviceRecord::kBlocks> m_blocks{};
    std::array<Names, DeviceRecord::kRows> m_names{};
    RecordFailure m_failure;
};
