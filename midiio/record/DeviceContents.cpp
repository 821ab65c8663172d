#include "midiio/record/DeviceContents.h"

#include "bytes/AtomicFile.h"
#include "content/SysexMessage.h"
#include "flash/FlashEvent.h"
#include "model/FactoryBank.h"
#include "model/IBank.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

namespace {

const std::string kHeader = "zylox device contents 1";
// A whole device is about 8.4 MB; anything much larger is not a copy of one.
constexpr std::uintmax_t kLargestFile = std::uintmax_t{16} * 1024 * 1024;
// "write 63 66000" and the like: an entry's line is short.
constexpr std::size_t kLongestLine = 64;

std::string joined(const std::vector<std::string>& names)
{
    std::string all;
    for (const std::string& name : names)
        all += name + '\0';
    return all;
}

std::vector<std::string> split(const std::vector<std::uint8_t>& payload)
{
    std::vector<std::string> names;
    std::string name;
    for (const std::uint8_t byte : payload) {
        if (byte == 0)
            names.push_back(std::exchange(name, {}));
        else
            name += static_cast<char>(byte);
    }
    return names;
}

} // namespace

DeviceContents::DeviceContents(const DeviceRecord& record)
    : m_record(record)
{
    if (!load()) {
        m_blocks = {};
        m_names = {};
    }
}

const DeviceContents::Block* DeviceContents::block(std::size_t number) const
{
    if (number >= DeviceRecord::kBlocks)
        return nullptr;
    const Block& kept = m_blocks[number];
    const std::optional<std::uint64_t> recorded = m_record.at(number);
    if (kept.write.empty() || !recorded || *recorded != DeviceRecord::blockFingerprint(kept.erase, kept.write))
        return nullptr;
    return &kept;
}

bool DeviceContents::rowKnown(std::size_t row) const
{
    return block(2 * row) != nullptr && block(2 * row + 1) != nullptr;
}

std::vector<std::size_t> DeviceContents::knownRows() const
{
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < DeviceRecord::kRows; ++row)
        if (rowKnown(row))
            rows.push_back(row);
    return rows;
}

std::vector<RowBlocks> DeviceContents::knownBlocks() const
{
    std::vector<RowBlocks> rows;
    for (std::size_t row = 0; row < DeviceRecord::kRows; ++row) {
        const unsigned blocks
            = (block(2 * row) ? kFirstBlock : kNoBlock) | (block(2 * row + 1) ? kSecondBlock : kNoBlock);
        if (blocks != kNoBlock)
            rows.push_back({row, blocks});
    }
    return rows;
}

std::unique_ptr<IBank> DeviceContents::bank(std::size_t row) const
{
    if (row >= DeviceRecord::kRows || !rowKnown(row))
        return nullptr;
    std::unique_ptr<IBank> bank = factory::makeBank(row);
    SysexMessage first(m_blocks[2 * row].write.data(), m_blocks[2 * row].write.size());
    SysexMessage second(m_blocks[2 * row + 1].write.data(), m_blocks[2 * row + 1].write.size());
    if (!bank || !bank->setContents({&first, &second}) || bank->getIndex() != row)
        return nullptr;
    bank->setName(m_names[row].bank.c_str());
    bank->setContentNames(m_names[row].slotNames);
    return bank;
}

bool DeviceContents::keep(std::size_t number, const FlashEvent& erase, const FlashEvent& write, const IBank& bank)
{
    if (number >= DeviceRecord::kBlocks)
        return false;
    m_blocks[number] = {erase.getData(), write.getData()};
    m_names[number / 2] = {bank.getName(), bank.getContentNames()};
    return save();
}

// Entries follow the two header lines: "erase 12 6", "write 12 66000", "bank 5 8" and "slots 5 40",
// each line followed by that many bytes.
bool DeviceContents::load()
{
    const std::string file = m_record.contentsPath();
    std::error_code error;
    if (file.empty() || std::filesystem::file_size(file, error) > kLargestFile || error)
        return false;
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return false;
    std::size_t at = 0;
    const auto line = [&](std::string& text) {
        const std::size_t limit = std::min(all.size(), at + kLongestLine + m_record.device().toString().size());
        for (std::size_t end = at; end < limit; ++end) {
            if (all[end] == '\n') {
                text.assign(all.begin() + static_cast<std::ptrdiff_t>(at),
                            all.begin() + static_cast<std::ptrdiff_t>(end));
                at = end + 1;
                return true;
            }
        }
        return false;
    };
    std::string header, identity, entry;
    if (!line(header) || header != kHeader || !line(identity) || identity != m_record.device().toString())
        return false;
    while (at < all.size()) {
        std::istringstream fields;
        std::string kind, rest;
        std::size_t number = 0, length = 0;
        if (!line(entry))
            return false;
        fields.str(entry);
        // The length is checked against what is left of the file before anything is taken.
        if (!(fields >> kind >> number >> length) || fields >> rest || length > all.size() - at)
            return false;
        const auto begin = all.begin() + static_cast<std::ptrdiff_t>(at);
        at += length;
        if (!loadEntry(kind, number, {begin, begin + static_cast<std::ptrdiff_t>(length)}))
            return false;
    }
    return true;
}

bool DeviceContents::loadEntry(const std::string& kind, std::size_t number, std::vector<std::uint8_t> payload)
{
    if ((kind == "erase" || kind == "write") && number < DeviceRecord::kBlocks)
        (kind == "erase" ? m_blocks[number].erase : m_blocks[number].write) = std::move(payload);
    else if (kind == "bank" && number < DeviceRecord::kRows)
        m_names[number].bank.assign(payload.begin(), payload.end());
    else if (kind == "slots" && number < DeviceRecord::kRows)
        m_names[number].slotNames = split(payload);
    else
        return false;
    return true;
}

bool DeviceContents::save()
{
    const std::string file = m_record.contentsPath();
    if (file.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(m_record.folder(), error);
    if (error)
        return failed(FileFailure::fromErrno(error.value()));
    AtomicFile target(file);
    if (target.temporaryPath().empty())
        return failed(target.failure());
    {
        errno = 0;
        std::ofstream out(target.temporaryPath(), std::ios::binary | std::ios::trunc);
        const auto put = [&out](const std::string& kind, std::size_t number, const auto& bytes) {
            out << kind << ' ' << number << ' ' << bytes.size() << '\n';
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        };
        out << kHeader << '\n' << m_record.device().toString() << '\n';
        for (std::size_t number = 0; number < DeviceRecord::kBlocks; ++number) {
            if (m_blocks[number].write.empty())
                continue;
            put("erase", number, m_blocks[number].erase);
            put("write", number, m_blocks[number].write);
        }
        for (std::size_t row = 0; row < DeviceRecord::kRows; ++row) {
            put("bank", row, m_names[row].bank);
            put("slots", row, joined(m_names[row].slotNames));
        }
        out.close();
        if (!out)
            return failed(FileFailure::fromErrno(errno != 0 ? errno : EIO));
    }
    if (!target.commit())
        return failed(target.failure());
    m_failure = {};
    return true;
}

bool DeviceContents::failed(FileFailure cause)
{
    m_failure = {RecordFailure::Subject::Copy, m_record.contentsPath(), cause};
    return false;
}
