#pragma once

#include "content/CContent.h"

#include <span>

// One complete System Exclusive message, 0xF0 to 0xF7 inclusive.
class CMessage : public CContent {
public:
    // A flash write message: header, 65,536 data bytes sent as 131,072 7-bit bytes, 0xF7.
    static constexpr std::size_t kFlashWriteLength = 0x20006;
    static constexpr std::size_t kFlashWriteDataOffset = 5;
    static constexpr std::size_t kFlashWriteDataLength = 0x20000;

    CMessage(const std::uint8_t* bytes, std::size_t length);
    // Builds the flash write message for a block (cut to 6 bits) and a channel (cut to 4 bits) from
    // the run of contents that starts at run[0]: contents are taken until 65,536 data bytes are
    // filled. A run too long is cut at the end of the data area; one too short leaves 0xF7 bytes.
    CMessage(unsigned block, std::uint16_t channel, std::span<CContent* const> run);
    CMessage(const CMessage& source) = default;

    CContent* clone() const override;
    // Takes the first System Exclusive message of a file, without the three bytes after its 0xF0.
    audio::ImportResult load(const char* path) override;
    bool isSample() const override { return false; }
    void print(std::ostream& out, bool dumpData) const override;
    CContent* cloneOf(const CContent& other) const override;
};
