#include "content/DeviceSample.h"

#include "audio/SlotImport.h"

#include <ostream>

DeviceSample::DeviceSample(const std::uint8_t* bytes, std::size_t length)
    : SlotContent(bytes, length)
{
}

SlotContent* DeviceSample::clone() const
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
    SlotContent::print(out, dumpData);
}

SlotContent* DeviceSample::cloneOf(const SlotContent& other) const
{
    return other.clone();
}
