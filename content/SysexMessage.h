#pragma once

#include "content/SlotContent.h"

#include <span>

// One complete System Exclusive message, 0xF0 to 0xF7 inclusive.
class SysexMessage : public SlotContent {
public:
    // A flash write message: header, 65,536 data bytes sent as 131,072 7-bit bytes, 0xF7.
    static constexpr std::size_t kFlashWriteLength = 0x20006;
    static constexpr std::size_t kFlashWriteDataOffset = 5;
    static constexpr std::size_t kFlashWriteDataLength = 0x20000;
    // The device takes no longer message than a flash write.
    static constexpr std::size_t kLongestMessage = kFlashWriteLength;
    // The device's maker byte, byte 1 of every message in its own form.
    static constexpr std::uint8_t kManufacturer = 0x31;

    // F0, data bytes below 0x80, F7: anything else would not reach the device as one message.
    static bool isSystemExclusive(std::span<const std::uint8_t> bytes);

    SysexMessage(const std::uint8_t* bytes, std::size_t length);
    // Builds the flash write message for a block (cut to 6 bits) and a channel (cut to 4 bits) from
    // the run of contents that starts at run[0]: contents are taken until 65,536 data bytes are
    // filled. A run too long is cut at the end of the data area; one too short leaves 0xF7 bytes.
    SysexMessage(unsigned block, std::uint16_t channel, std::span<SlotContent* const> run);
    SysexMessage(const SysexMessage& source) = default;

    SlotContent* clone() const override;
    // Takes the first System Exclusive message of a file: as it is when it is in the device's own
    // form, otherwise without the three bytes of the maker's identifier after its 0xF0. A bank file
    // is refused as one; whether the message suits a slot is for the bank to say.
    audio::ImportResult load(SourceReader& source, const audio::SoundShape& options) override;
    using SlotContent::load;
    std::size_t sourceLimit() const override;
    bool isSample() const override { return false; }
    void print(std::ostream& out, bool dumpData) const override;
    SlotContent* cloneOf(const SlotContent& other) const override;
};
