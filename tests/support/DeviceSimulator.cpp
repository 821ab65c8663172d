#include "tests/support/DeviceSimulator.h"

#include <algorithm>

namespace {

constexpr std::size_t eraseLength = 6;
constexpr std::size_t writeLength = 5 + 2 * DeviceSimulator::blockBytes + 1;

bool isErase(const std::uint8_t* data, std::size_t length)
{
    return length >= 4 && data[1] == 0x31 && data[2] == 0x0D && data[3] == 0x79;
}

// Byte 4 of a flash write carries 0x20 with the channel; the firmware's own messages do not.
bool isWrite(const std::uint8_t* data, std::size_t length)
{
    return length >= 5 && data[1] == 0x31 && (data[2] & 0xC0) == 0x40 && data[3] == 0x38 && (data[4] & 0xF0) == 0x20;
}

} // namespace

DeviceSimulator::DeviceSimulator(std::uint64_t bytesPerSecond)
    : LoopbackDestination({"Tarvo", "ZYLOX 515", "ZYLOX 515 MIDI In"}, bytesPerSecond),
      m_flash(blockCount * blockBytes, unknownByte)
{
}

std::vector<std::uint8_t> DeviceSimulator::block(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    if (index >= blockCount)
        return {};
    const auto begin = m_flash.begin() + static_cast<std::ptrdiff_t>(index * blockBytes);
    return {begin, begin + static_cast<std::ptrdiff_t>(blockBytes)};
}

std::vector<std::size_t> DeviceSimulator::erasedBlocks() const
{
    std::lock_guard lock(m_mutex);
    return m_erasedBlocks;
}

std::vector<std::size_t> DeviceSimulator::writtenBlocks() const
{
    std::lock_guard lock(m_mutex);
    return m_writtenBlocks;
}

std::vector<unsigned> DeviceSimulator::writeChannels() const
{
    std::lock_guard lock(m_mutex);
    return m_writeChannels;
}

std::vector<std::vector<std::uint8_t>> DeviceSimulator::otherMessages() const
{
    std::lock_guard lock(m_mutex);
    return m_otherMessages;
}

std::vector<std::string> DeviceSimulator::faults() const
{
    std::lock_guard lock(m_mutex);
    return m_faults;
}

void DeviceSimulator::receiveSysex(const std::uint8_t* data, std::size_t length, bool whole)
{
    LoopbackDestination::receiveSysex(data, length, whole);
    std::lock_guard lock(m_mutex);
    if (!whole) {
        fault("message broken off after " + std::to_string(length) + " bytes");
        return;
    }
    if (length < 2 || data[0] != 0xF0 || data[length - 1] != 0xF7) {
        fault("not a System Exclusive message");
        return;
    }
    if (std::any_of(data + 1, data + length - 1, [](std::uint8_t byte) { return byte >= 0x80; })) {
        fault("status byte inside a message");
        return;
    }
    if (isErase(data, length)) {
        if (length != eraseLength)
            fault("erase message of " + std::to_string(length) + " bytes");
        else
            erase(data[4] & 0x3F);
    } else if (isWrite(data, length)) {
        if (length != writeLength)
            fault("flash write message of " + std::to_string(length) + " bytes");
        else
            write(data);
    } else {
        m_otherMessages.emplace_back(data, data + length);
    }
}

void DeviceSimulator::erase(std::size_t block)
{
    std::fill_n(m_flash.begin() + static_cast<std::ptrdiff_t>(block * blockBytes), blockBytes, erasedByte);
    m_erased[block] = true;
    m_erasedBlocks.push_back(block);
}

void DeviceSimulator::write(const std::uint8_t* message)
{
    const std::size_t block = message[2] & 0x3F;
    if (!m_erased[block]) {
        fault("flash write to block " + std::to_string(block) + ", which is not erased");
        return;
    }
    const std::uint8_t* pairs = message + 5;
    for (std::size_t i = 0; i < blockBytes; ++i) {
        if (pairs[2 * i] > 1) {
            fault("flash write to block " + std::to_string(block) + " with a high byte above 1");
            return;
        }
    }
    for (std::size_t i = 0; i < blockBytes; ++i)
        m_flash[block * blockBytes + i] = static_cast<std::uint8_t>(pairs[2 * i] << 7 | pairs[2 * i + 1]);
    m_erased[block] = false;
    m_writtenBlocks.push_back(block);
    m_writeChannels.push_back(message[4] & 0x0F);
}

void DeviceSimulator::fault(std::string reason)
{
    m_faults.push_back(std::move(reason));
}
