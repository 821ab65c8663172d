#include "tests/support/DeviceSimulator.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t eraseLength = 6;
constexpr std::size_t writeLength = 5 + 2 * DeviceSimulator::blockBytes + 1;

} // namespace

DeviceSimulator::DeviceSimulator(std::uint64_t bytesPerSecond, std::string location)
    : LoopbackDestination({"Tarvo", "ZYLOX 515", "ZYLOX 515 MIDI In", std::move(location)}, bytesPerSecond)
{
}

Bytes DeviceSimulator::block(std::size_t index) const
{
    const auto begin = m_flash.begin() + static_cast<std::ptrdiff_t>(index * blockBytes);
    return {begin, begin + static_cast<std::ptrdiff_t>(blockBytes)};
}

void DeviceSimulator::receiveSysex(const std::uint8_t* data, std::size_t length, bool whole)
{
    LoopbackDestination::receiveSysex(data, length, whole);
    const Bytes message(data, data + length);
    const bool isErase = length > 4 && data[1] == 0x31 && data[2] == 0x0D && data[3] == 0x79;
    // Byte 4 of a flash write carries 0x20 with the channel; the firmware's own messages do not.
    const bool isWrite
        = length > 4 && data[1] == 0x31 && (data[2] & 0xC0) == 0x40 && data[3] == 0x38 && (data[4] & 0xF0) == 0x20;
    if (!whole)
        fault("message broken off after " + std::to_string(length) + " bytes");
    else if (length < 2 || message.front() != 0xF0 || message.back() != 0xF7
             || std::any_of(message.begin() + 1, message.end() - 1, [](std::uint8_t byte) { return byte >= 0x80; }))
        fault("not a System Exclusive message");
    else if ((isErase || isWrite) && length != (isErase ? eraseLength : writeLength))
        fault("flash message of " + std::to_string(length) + " bytes");
    else if (isErase)
        erase(data[4] & 0x3F);
    else if (isWrite)
        write(message);
    else
        m_otherMessages.push_back(message);
}

void DeviceSimulator::erase(std::size_t block)
{
    std::fill_n(m_flash.begin() + static_cast<std::ptrdiff_t>(block * blockBytes), blockBytes, 0xFF);
    m_erased[block] = true;
    m_erasedBlocks.push_back(block);
}

void DeviceSimulator::write(const Bytes& message)
{
    const std::size_t block = message[2] & 0x3F;
    if (!m_erased[block])
        return fault("flash write to block " + std::to_string(block) + ", which is not erased");
    for (std::size_t i = 0; i < blockBytes; ++i) {
        if (message[5 + 2 * i] > 1)
            return fault("flash write to block " + std::to_string(block) + " with a high byte above 1");
        m_flash[block * blockBytes + i] = static_cast<std::uint8_t>(message[5 + 2 * i] << 7 | message[6 + 2 * i]);
    }
    m_erased[block] = false;
    m_writtenBlocks.push_back(block);
    m_writeChannels.push_back(message[4] & 0x0F);
}

void DeviceSimulator::fault(std::string reason)
{
    m_faults.push_back(std::move(reason));
}
