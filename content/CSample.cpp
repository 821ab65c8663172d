#include "content/CSample.h"

#include "audio/slot_import.h"

#include <ostream>

CSample::CSample(const std::uint8_t* bytes, std::size_t length)
    : CContent(bytes, length)
{
}

CContent* CSample::clone() const
{
    return new CSample(*this);
}

audio::ImportResult CSample::load(SourceReader& source, const audio::ImportOptions& options)
{
    return audio::importSlot(source, options, m_data);
}

std::size_t CSample::sourceLimit() const
{
    return audio::sourceLimit(m_data.size());
}

void CSample::print(std::ostream& out, bool dumpData) const
{
    out << "CSample <" << static_cast<const void*>(this) << ">:\n";
    CContent::print(out, dumpData);
}

CContent* CSample::cloneOf(const CContent& other) const
{
    return other.clone();
}
