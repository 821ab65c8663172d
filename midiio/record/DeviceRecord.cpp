#include "midiio/record/DeviceRecord.h"

#include "bytes/AtomicFile.h"
#include "flash/FlashEvent.h"
#include "model/IBank.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kHeader = "zylox device record 2";
// What records of one fingerprint per bank begin with: read, never written.
const std::string kBankHeader = "zylox device record 1";
// A record holds at most 98 short lines; anything much larger is not one.
constexpr std::uintmax_t kLargestFile = std::uintmax_t{16} * 1024;

// FNV-1a: enough to tell one dump from another, where nobody forges dumps.
std::uint64_t hashed(std::uint64_t hash, const std::uint8_t* data, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        hash ^= data[i];
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

constexpr std::uint64_t kHashStart = 0xcbf29ce484222325ULL;

std::string hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::optional<std::uint64_t> fromHex(const std::string& value)
{
    if (value.size() != 16 || value.find_first_not_of("0123456789abcdef") != std::string::npos)
        return std::nullopt;
    return std::stoull(value, nullptr, 16);
}

std::uint64_t hashedEvents(const std::vector<FlashEvent*>& events, std::size_t first, std::size_t count)
{
    std::uint64_t hash = kHashStart;
    for (std::size_t i = first; i < first + count && i < events.size(); ++i)
        hash = hashed(hash, events[i]->getData().data(), events[i]->getData().size());
    return hash;
}

} // namespace

std::string DeviceRecord::defaultFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/zylox";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.local/state/zylox";
    return {};
}

std::uint64_t DeviceRecord::fingerprint(IBank& bank, std::uint16_t channel)
{
    const std::vector<FlashEvent*>& events = bank.createEvents(channel);
    return hashedEvents(events, 0, events.size());
}

std::array<std::uint64_t, 2> DeviceRecord::blockFingerprints(IBank& bank, std::uint16_t channel)
{
    // Each block's erase and write follow one another in the dump.
    const std::vector<FlashEvent*>& events = bank.createEvents(channel);
    return {hashedEvents(events, 0, 2), hashedEvents(events, 2, 2)};
}

std::vector<MidiPortIdentity> DeviceRecord::recorded(const std::string& folder)
{
    std::vector<MidiPortIdentity> devices;
    std::error_code error;
    if (folder.empty())
        return devices;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("device-", 0) != 0 || entry.path().extension() != ".txt" || entry.file_size(error) > kLargestFile
            || error)
            continue;
        std::ifstream in(entry.path());
        std::string header, stored;
        std::getline(in, header);
        std::getline(in, stored);
        const std::optional<MidiPortIdentity> device = MidiPortIdentity::fromString(stored);
        // A file copied or renamed by hand is not the record of the device it names.
        if ((header == kHeader || header == kBankHeader) && device
            && DeviceRecord(folder, *device).path() == entry.path().string())
            devices.push_back(*device);
    }
    std::sort(devices.begin(), devices.end(), [](const MidiPortIdentity& a, const MidiPortIdentity& b) {
        // Twins on two buses share a display name; their stored forms tell them apart.
        return std::pair(a.displayName(), a.toString()) < std::pair(b.displayName(), b.toString());
    });
    return devices;
}

std::uint64_t DeviceRecord::blockFingerprint(const std::vector<std::uint8_t>& erase,
                                             const std::vector<std::uint8_t>& write)
{
    return hashed(hashed(kHashStart, erase.data(), erase.size()), write.data(), write.size());
}

DeviceRecord::DeviceRecord(std::string folder, MidiPortIdentity device)
    : m_folder(std::move(folder))
    , m_device(std::move(device))
{
    if (!load()) {
        m_blocks = {};
        m_banks = {};
        m_pacing = {};
    }
}

std::string DeviceRecord::fileName(const MidiPortIdentity& device, const std::string& extension)
{
    const std::string identity = device.toString();
    return "device-" + hex(hashed(kHashStart, reinterpret_cast<const std::uint8_t*>(identity.data()), identity.size()))
           + extension;
}

std::string DeviceRecord::fileNamed(const std::string& extension) const
{
    return m_folder.empty() ? std::string() : m_folder + "/" + fileName(m_device, extension);
}

std::string DeviceRecord::path() const
{
    return fileNamed(".txt");
}

std::string DeviceRecord::contentsPath() const
{
    return fileNamed(".contents");
}

unsigned DeviceRecord::differingBlocks(std::size_t row, IBank& bank, std::uint16_t channel) const
{
    if (row >= kRows)
        return kBothBlocks;
    const RowKnowledge knows = known(row);
    if (!knows.first && !knows.second && knows.bank)
        return *knows.bank == fingerprint(bank, channel) ? kNoBlock : kBothBlocks;
    const std::array<std::uint64_t, 2> blocks = blockFingerprints(bank, channel);
    return (knows.first == blocks[0] ? kNoBlock : kFirstBlock) | (knows.second == blocks[1] ? kNoBlock : kSecondBlock);
}

std::vector<RowBank> DeviceRecord::differing(const std::vector<RowBank>& banks, std::uint16_t channel) const
{
    std::vector<RowBank> differ;
    for (RowBank bank : banks) {
        bank.blocks &= differingBlocks(bank.row, *bank.bank, channel);
        if (bank.blocks != kNoBlock)
            differ.push_back(bank);
    }
    return differ;
}

std::optional<std::uint64_t> DeviceRecord::at(std::size_t block) const
{
    return block < kBlocks ? m_blocks[block] : std::nullopt;
}

DeviceRecord::RowKnowledge DeviceRecord::known(std::size_t row) const
{
    if (row >= kRows)
        return {};
    return {m_blocks[2 * row], m_blocks[2 * row + 1], m_banks[row]};
}

bool DeviceRecord::remember(std::size_t block, std::uint64_t fingerprint)
{
    if (block >= kBlocks)
        return false;
    RowKnowledge knows = known(block / 2);
    (block % 2 == 0 ? knows.first : knows.second) = fingerprint;
    // An old whole-bank fingerprint cannot speak for a bank of which one block has changed.
    knows.bank.reset();
    return restore(block / 2, knows);
}

bool DeviceRecord::forget(std::size_t block)
{
    if (block >= kBlocks)
        return false;
    RowKnowledge knows = known(block / 2);
    (block % 2 == 0 ? knows.first : knows.second).reset();
    knows.bank.reset();
    return restore(block / 2, knows);
}

bool DeviceRecord::restore(std::size_t row, const RowKnowledge& knowledge)
{
    if (row >= kRows)
        return false;
    m_blocks[2 * row] = knowledge.first;
    m_blocks[2 * row + 1] = knowledge.second;
    m_banks[row] = knowledge.bank;
    return save();
}

bool DeviceRecord::setPacing(const OutputPacing& pacing)
{
    if (!pacing.valid())
        return false;
    m_pacing = pacing;
    return save();
}

bool DeviceRecord::keep()
{
    return save();
}

bool DeviceRecord::renameTo(const MidiPortIdentity& device)
{
    MidiPortIdentity previous = std::exchange(m_device, device);
    if (save())
        return true;
    m_device = std::move(previous);
    return false;
}

bool DeviceRecord::load()
{
    const std::string file = path();
    std::error_code error;
    if (file.empty() || std::filesystem::file_size(file, error) > kLargestFile || error)
        return false;
    std::ifstream in(file);
    std::string header, identity, line;
    if (!std::getline(in, header) || (header != kHeader && header != kBankHeader) || !std::getline(in, identity)
        || identity != m_device.toString())
        return false;
    while (std::getline(in, line))
        if (!loadLine(line, header == kHeader))
            return false;
    return in.eof();
}

// "block 12 <hex>", "bank 5 <hex>" and "pacing 32 20" in a record of blocks, "5 <hex>" in one of
// banks.
bool DeviceRecord::loadLine(const std::string& line, bool perBlock)
{
    std::istringstream fields(line);
    std::string kind = "bank", value, rest;
    std::size_t number = kBlocks;
    if ((perBlock && !(fields >> kind)) || !(fields >> number >> value) || fields >> rest)
        return false;
    if (kind == "pacing") {
        if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string::npos)
            return false;
        m_pacing = {number, static_cast<std::uint32_t>(std::stoul(value))};
        return m_pacing.valid();
    }
    const std::optional<std::uint64_t> fingerprint = fromHex(value);
    if (!fingerprint)
        return false;
    if (kind == "block" && number < kBlocks)
        m_blocks[number] = fingerprint;
    else if (kind == "bank" && number < kRows)
        m_banks[number] = fingerprint;
    else
        return false;
    return true;
}

bool DeviceRecord::save()
{
    const std::string file = path();
    if (file.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return failed(FileFailure::fromErrno(error.value()));
    AtomicFile target(file);
    if (target.temporaryPath().empty())
        return failed(target.failure());
    {
        errno = 0;
        std::ofstream out(target.temporaryPath(), std::ios::trunc);
        out << kHeader << '\n' << m_device.toString() << '\n';
        for (std::size_t block = 0; block < kBlocks; ++block)
            if (m_blocks[block])
                out << "block " << block << ' ' << hex(*m_blocks[block]) << '\n';
        for (std::size_t row = 0; row < kRows; ++row)
            if (m_banks[row])
                out << "bank " << row << ' ' << hex(*m_banks[row]) << '\n';
        if (m_pacing != OutputPacing{})
            out << "pacing " << m_pacing.pieceBytes << ' ' << m_pacing.gapMilliseconds << '\n';
        out.close();
        if (!out)
            return failed(FileFailure::fromErrno(errno != 0 ? errno : EIO));
    }
    if (!target.commit())
        return failed(target.failure());
    m_failure = {};
    return true;
}

bool DeviceRecord::failed(FileFailure cause)
{
    m_failure = {RecordFailure::Subject::Record, path(), cause};
    return false;
}
