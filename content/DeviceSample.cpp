#include "content/DeviceSample.h"

#include "audio/SlotImport.h"

#include <ostream>

DeviceSample::DeviceSample(const std::uint8_t* bytes, std::size_t length)
    : CContent(bytes, length)
{
}

CContent* DeviceSample::clone() const
{
    return new DeviceSample(*this);
}

audio::ImportResult DeviceSample::load(SourceReader& source, const audio::SoundShape& options)
{
    return audio::importSlot(source, options, m_data);
}

std::size_t DeviceSample::sourceLimit() const
{
    return audio::sourceLimit(m_data.size());
}

void DeviceSample::print(std::ostream& out, bool dumpData) const
{
    out << "CSample <" << static_cast<const void*>(this) << ">:\n";
    CContent::print(out, dumpData);
}

CContent* DeviceSample::cloneOf(const CContent& other) const
{
    return other.clone();
}
