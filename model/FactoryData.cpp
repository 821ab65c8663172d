#include "model/FactoryData.h"

// Defined by the generated assembler file that embeds the generator's output.
extern "C" const std::uint8_t zylox_factory_samples[];
extern "C" const std::uint8_t zylox_factory_firmware[];

namespace factory {

std::span<const std::uint8_t> sampleData()
{
    return {zylox_factory_samples, kSampleDataLength};
}

std::span<const std::uint8_t> firmwareData()
{
    return {zylox_factory_firmware, kFirmwareDataLength};
}

} // namespace factory
