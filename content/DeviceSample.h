#pragma once

#include "content/CContent.h"

// One instrument sample in the device format: mono, 8-bit unsigned (0x80 is silence), 33,000
// samples per second. Its length is fixed by its slot.
class DeviceSample : public CContent {
public:
    DeviceSample(const std::uint8_t* bytes, std::size_t length);
    DeviceSample(const DeviceSample& source) = default;

    CContent* clone() const override;
    // Imports a sound file into the sample, keeping its length.
    audio::ImportResult load(SourceReader& source, const audio::SoundShape& options) override;
    using CContent::load;
    std::size_t sourceLimit() const override;
    bool isSample() const override { return true; }
    void print(std::ostream& out, bool dumpData) const override;
    CContent* cloneOf(const CContent& other) const override;
};
