#include "content/SlotContent.h"

#include "bytes/MemorySource.h"

#include <iomanip>
#include <ostream>

namespace {

constexpr std::size_t kBytesPerDumpLine = 16;

} // namespace

SlotContent::SlotContent(const std::uint8_t* bytes, std::size_t length)
    : m_data(bytes, bytes + length)
{
}

audio::ImportResult SlotContent::load(std::span<const std::uint8_t> source, const audio::SoundShape& options)
{
    MemorySource memory(source);
    return load(memory, options);
}

void SlotContent::print(std::ostream& out, bool dumpData) const
{
    const std::ios_base::fmtflags flags = out.flags();
    const char fill = out.fill();
    out.flags(std::ios_base::dec);

    out << "m_data: $" << static_cast<const void*>(m_data.data()) << "\tsize: " << m_data.size() << "\n";
    if (dumpData && !m_data.empty()) {
        out << std::hex << std::setfill('0') << "00000: ";
        for (std::size_t i = 0; i < m_data.size(); ++i) {
            if (i > 0) {
                if (i % kBytesPerDumpLine == 0)
                    out << "\n" << std::setw(5) << i << ": ";
                else
                    out << ' ';
            }
            out << std::setw(2) << static_cast<unsigned>(m_data[i]);
        }
        out << "\n";
    }

    out.fill(fill);
    out.flags(flags);
}
