#include "midiio/DeviceRecord.h"

#include "flash/CEvent.h"
#include "midifile/AtomicFile.h"
#include "model/IBank.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kHeader = "zylox device record 1";
// A record holds 34 short lines; anything much larger is not one.
constexpr std::uintmax_t kLargestFile = 16 * 1024;

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
    std::uint64_t hash = kHashStart;
    for (const CEvent* event : bank.createEvents(channel))
        hash = hashed(hash, event->getData().data(), event->getData().size());
    return hash;
}

DeviceRecord::DeviceRecord(std::string folder, MidiPortIdentity device)
    : m_folder(std::move(folder)), m_device(std::move(device))
{
    if (!load())
        m_rows = {};
}

std::string DeviceRecord::fileNamed(const std::string& extension) const
{
    if (m_folder.empty())
        return {};
    const std::string identity = m_device.toString();
    return m_folder + "/device-" + hex(hashed(kHashStart, reinterpret_cast<const std::uint8_t*>(identity.data()),
                                               identity.size())) + extension;
}

std::string DeviceRecord::path() const
{
    return fileNamed(".txt");
}

std::string DeviceRecord::lockPath() const
{
    return fileNamed(".lock");
}

std::string DeviceRecord::unwritable(int error) const
{
    return "the device record in " + m_folder + " could not be written (" + std::strerror(error) + ")";
}

bool DeviceRecord::holds(std::size_t row, std::uint64_t fingerprint) const
{
    return row < kRows && m_rows[row] == fingerprint;
}

std::vector<std::size_t> DeviceRecord::differing(const std::vector<RowBank>& banks,
                                                 std::uint16_t channel) const
{
    std::vector<std::size_t> rows;
    for (const auto& [row, bank] : banks)
        if (!holds(row, fingerprint(*bank, channel)))
            rows.push_back(row);
    return rows;
}

bool DeviceRecord::remember(std::size_t row, std::uint64_t fingerprint)
{
    return restore(row, fingerprint);
}

bool DeviceRecord::forget(std::size_t row)
{
    return restore(row, std::nullopt);
}

bool DeviceRecord::restore(std::size_t row, std::optional<std::uint64_t> fingerprint)
{
    if (row >= kRows)
        return false;
    m_rows[row] = fingerprint;
    return save();
}

bool DeviceRecord::load()
{
    const std::string file = path();
    std::error_code error;
    if (file.empty() || std::filesystem::file_size(file, error) > kLargestFile || error)
        return false;
    std::ifstream in(file);
    std::string header, identity, line;
    if (!std::getline(in, header) || header != kHeader || !std::getline(in, identity) ||
        identity != m_device.toString())
        return false;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::size_t row = kRows;
        std::string value, rest;
        if (!(fields >> row >> value) || fields >> rest || row >= kRows || value.size() != 16 ||
            value.find_first_not_of("0123456789abcdef") != std::string::npos)
            return false;
        m_rows[row] = std::stoull(value, nullptr, 16);
    }
    return in.eof();
}

bool DeviceRecord::save()
{
    const std::string file = path();
    if (file.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return failed(error.value());
    AtomicFile target(file);
    if (target.temporaryPath().empty())
        return failed(errno);
    {
        errno = 0;
        std::ofstream out(target.temporaryPath(), std::ios::trunc);
        out << kHeader << '\n' << m_device.toString() << '\n';
        for (std::size_t row = 0; row < kRows; ++row)
            if (m_rows[row])
                out << row << ' ' << hex(*m_rows[row]) << '\n';
        out.close();
        if (!out)
            return failed(errno != 0 ? errno : EIO);
    }
    errno = 0;
    if (!target.commit())
        return failed(errno != 0 ? errno : EIO);
    m_failure.clear();
    return true;
}

bool DeviceRecord::failed(int error)
{
    m_failure = unwritable(error);
    return false;
}
