#include "bankfile/BankFile.h"

#include "bytes/AtomicFile.h"
#include "content/SysexMessage.h"
#include "flash/FlashEvent.h"
#include "model/IBank.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::uint8_t trackNameType = 0x03;
constexpr std::uint8_t instrumentNameType = 0x04;
constexpr std::uint8_t sequencerSpecificType = 0x7F;
constexpr std::string_view instrumentName = "Tarvo ZYLOX 515";
// The slot names' meta event starts with the device's maker byte, as every device message does.
constexpr std::array<std::uint8_t, 4> slotNamesPrefix{0x31, 0x00, 0x59, 0x00};
// Byte 3 of a flash write message; erase and other messages are passed over.
constexpr std::uint8_t flashWriteCommand = 0x38;
// Byte 3 of the 6-byte erase message.
constexpr std::uint8_t eraseCommand = 0x79;
constexpr std::size_t flashWritesPerBank = 2;

std::span<const std::uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Appends the zero-separated names of a slot names body to names, up to limit names in all: a
// body of zero bytes would otherwise turn every byte of the file into a string.
void appendSlotNames(const ByteBuffer& body, std::vector<std::string>& names, std::size_t limit)
{
    if (body.size() < 5 || body[0] != slotNamesPrefix[0])
        return;
    for (auto position = body.begin() + 4; position < body.end() && names.size() < limit;) {
        const auto end = std::find(position, body.end(), 0x00);
        names.emplace_back(position, end);
        position = end == body.end() ? end : end + 1;
    }
}

} // namespace

bool BankFile::saveBank(IBank& bank, const std::string& path)
{
    return save({&bank}, path);
}

bool BankFile::saveBanks(const std::vector<IBank*>& banks, const std::string& path)
{
    return save(banks, path);
}

bool BankFile::save(const std::vector<IBank*>& banks, const std::string& path)
{
    if (banks.empty() || std::find(banks.begin(), banks.end(), nullptr) != banks.end())
        return false;
    AtomicFile target(path);
    m_saveFailure = target.failure();
    if (target.temporaryPath().empty())
        return false;
    errno = 0;
    m_writer = std::make_unique<MidiFileWriter>(target.temporaryPath(), division);
    m_startPause = firstBankPause;
    for (IBank* bank : banks)
        writeBank(*bank);
    m_writer->close();
    const bool written = !m_writer->fail();
    m_writer.reset();
    if (!written) {
        m_saveFailure = FileFailure::fromErrno(errno);
        return false;
    }
    const bool committed = target.commit();
    m_saveFailure = target.failure();
    return committed;
}

void BankFile::writeBank(IBank& bank)
{
    const std::vector<std::string>& names = bank.getContentNames();
    const std::vector<FlashEvent*>& events = bank.createEvents(0);
    m_writer->beginTrack(true);
    const std::string name = bank.getName();
    m_writer->writeMetaEvent(trackNameType, bytesOf(name), false);
    m_writer->writeMetaEvent(instrumentNameType, bytesOf(instrumentName), false);
    ByteBuffer slotNames(slotNamesPrefix.begin(), slotNamesPrefix.end());
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
        if (slot < names.size())
            slotNames.insert(slotNames.end(), names[slot].begin(), names[slot].end());
        slotNames.push_back(0x00);
    }
    m_writer->writeMetaEvent(sequencerSpecificType, slotNames, false);
    // The first event's own pause is replaced by the file's start pause (none after the first bank).
    for (std::size_t i = 0; i < events.size(); ++i)
        m_writer->writeEvent(events[i]->getData(), i == 0 ? m_startPause : static_cast<double>(events[i]->getOffset()));
    m_startPause = 0.0;
    m_writer->endTrack();
}

bool BankFile::openBank(IBank& bank, const std::string& path)
{
    m_reader = std::make_unique<MidiFileReader>(path);
    const bool read = m_reader->trackCount() == 1 && readBank(bank);
    m_reader.reset();
    return read;
}

bool BankFile::openBanks(const std::vector<IBank*>& banks, const std::string& path)
{
    m_reader = std::make_unique<MidiFileReader>(path);
    bool read = !banks.empty() && m_reader->trackCount() == banks.size();
    for (std::size_t i = 0; read && i < banks.size(); ++i) {
        // A track holds the bank of its own place: one bank's blocks never arrive in another's row.
        const std::uint16_t index = banks[i] != nullptr ? banks[i]->getIndex() : 0;
        read = banks[i] != nullptr && readBank(*banks[i]) && banks[i]->getIndex() == index;
    }
    m_reader.reset();
    return read;
}

bool BankFile::readBank(IBank& bank)
{
    if (!m_reader->readTrackHeader())
        return false;
    std::string name;
    std::vector<std::string> names;
    std::uint8_t type = 0;
    ByteBuffer body;
    while (m_reader->readMetaEvent(type, body)) {
        if (type == trackNameType)
            name.assign(body.begin(), body.end());
        else if (type == sequencerSpecificType)
            appendSlotNames(body, names, bank.getContentCount());
    }
    std::vector<std::unique_ptr<SysexMessage>> messages;
    ByteBuffer message;
    double seconds = 0.0;
    // A firmware bank stores whatever System Exclusive file the user imported, not necessarily a
    // message shaped like a flash write; it takes every message but the erases, so that a bank
    // file it was saved to opens again.
    const bool takesAnyMessage = bank.getContentCount() > 0 && !bank.isSampleContent(0);
    while (m_reader->readEvent(message, seconds)) {
        const bool isFlashWrite = message.size() >= 4 && message[3] == flashWriteCommand;
        const bool isErase = message.size() == 6 && message[3] == eraseCommand;
        if (!(isFlashWrite || (takesAnyMessage && !isErase)))
            continue;
        if (messages.size() == flashWritesPerBank)
            return false;
        messages.push_back(std::make_unique<SysexMessage>(message.data(), message.size()));
    }
    if (messages.size() != flashWritesPerBank || !m_reader->readEndOfTrack())
        return false;
    const std::vector<SlotContent*> contents{messages[0].get(), messages[1].get()};
    if (!bank.setContents(contents))
        return false;
    bank.setName(name.c_str());
    bank.setContentNames(names);
    return true;
}
