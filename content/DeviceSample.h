#pragma once

#include "content/SlotContent.h"

// One instrument sample in the device format: mono, 8-bit unsigned (0x80 is silence), 33,000
// samples per second. Its length is fixed by its slot.
class DeviceSample : public SlotContent {
public:
    DeviceSample(const std::uint8_t* bytes, std::size_t length);
    DeviceSample(const DeviceSample& source) = default;

    SlotContent* clone() const override;
    // Imports a sound file into the sample, keeping its length.
    audio::ImportResult load(SourceReader& source, const audio::SoundShape& options) override;
    using SlotContent::load;
    std::size_t sourceLimit() const override;
    bool isSample() const override { return true; }
    void print(std::ostream& out, bool dumpData) const override;
    SlotContent* cloneOf(const SlotContent& other) const override;
};
