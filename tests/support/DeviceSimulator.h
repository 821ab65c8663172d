#pragma once

#include "tests/support/LoopbackDestination.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// A loopback destination that behaves like the device's flash: 64 blocks of 64 KiB, erased by
// erase messages and programmed by flash write messages (which must hit an erased block). Every
// other well-formed System Exclusive message is kept whole; malformed ones are reported.
class DeviceSimulator final : public LoopbackDestination {
public:
    static constexpr std::size_t blockCount = 64;
    static constexpr std::size_t blockBytes = 65536;
    // Flash contents before any erase, and of an erased block.
    static constexpr std::uint8_t unknownByte = 0x00;
    static constexpr std::uint8_t erasedByte = 0xFF;

    explicit DeviceSimulator(std::uint64_t bytesPerSecond = 3125);

    std::vector<std::uint8_t> block(std::size_t index) const;
    // Block numbers in the order of the messages that reached them.
    std::vector<std::size_t> erasedBlocks() const;
    std::vector<std::size_t> writtenBlocks() const;
    // The MIDI channel of each flash write, in order.
    std::vector<unsigned> writeChannels() const;
    std::vector<std::vector<std::uint8_t>> otherMessages() const;
    // One line per message that the device would have refused.
    std::vector<std::string> faults() const;

    void receiveSysex(const std::uint8_t* data, std::size_t length, bool whole) override;

private:
    void erase(std::size_t block);
    void write(const std::uint8_t* message);
    void fault(std::string reason);

    mutable std::mutex m_mutex;
    std::vector<std::uint8_t> m_flash;
    std::array<bool, blockCount> m_erased{};
    std::vector<std::size_t> m_erasedBlocks;
    std::vector<std::size_t> m_writtenBlocks;
    std::vector<unsigned> m_writeChannels;
    std::vector<std::vector<std::uint8_t>> m_otherMessages;
    std::vector<std::string> m_faults;
};
