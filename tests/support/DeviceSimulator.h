#pragma once

#include "tests/support/LoopbackDestination.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A loopback destination that behaves like the device's flash: 64 blocks of 64 KiB, erased by
// erase messages and programmed by flash write messages (which must hit an erased block). Every
// other well-formed System Exclusive message is kept whole; malformed ones are reported.
class DeviceSimulator final : public LoopbackDestination {
public:
    static constexpr std::size_t blockBytes = 65536;

    // A location gives it as a USB interface in that socket would be listed.
    explicit DeviceSimulator(std::uint64_t bytesPerSecond = 3125, std::string location = {});

    // A copy of one of the 64 blocks.
    Bytes block(std::size_t index) const;
    // Block numbers in the order of the messages that reached them.
    const std::vector<std::size_t>& erasedBlocks() const { return m_erasedBlocks; }
    const std::vector<std::size_t>& writtenBlocks() const { return m_writtenBlocks; }
    // The MIDI channel of each flash write, in order.
    const std::vector<unsigned>& writeChannels() const { return m_writeChannels; }
    const std::vector<Bytes>& otherMessages() const { return m_otherMessages; }
    // One line per message that the device would have refused.
    const std::vector<std::string>& faults() const { return m_faults; }

    void receiveSysex(const std::uint8_t* data, std::size_t length, bool whole) override;

private:
    void erase(std::size_t block);
    void write(const Bytes& message);
    void fault(std::string reason);

    // Zeros before the first erase, 0xFF once erased.
    Bytes m_flash = Bytes(64 * blockBytes);
    std::array<bool, 64> m_erased{};
    std::vector<std::size_t> m_erasedBlocks;
    std::vector<std::size_t> m_writtenBlocks;
    std::vector<unsigned> m_writeChannels;
    std::vector<Bytes> m_otherMessages;
    std::vector<std::string> m_faults;
};
