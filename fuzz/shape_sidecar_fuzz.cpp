// Arbitrary text as the shape sidecar beside a bank file: whatever the reader keeps names a slot
// that exists, a source by an absolute path and a hash of the slot's bytes, and it is written back
// as the same slots. No input may crash it, nor any value beyond a number's range (row 1e30) reach
// a conversion to an integer.
#include "app/files/ShapeSidecarText.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

auto fieldsOf(const ShapeSidecarText::Slot& slot)
{
    const audio::SoundShape& shape = slot.shape;
    return std::tie(slot.row, slot.slot, slot.sourcePath, slot.sourceSize, slot.sourceModified, slot.bytesHash,
                    shape.resampling, shape.normalize, shape.trim, shape.start, shape.end, shape.mono, shape.reverse,
                    shape.trimThreshold, shape.removeDc, shape.gain, shape.limit, shape.pitch, shape.fit, shape.phase,
                    shape.fadeIn, shape.fadeOut, shape.dither);
}

bool makesSense(const ShapeSidecarText::Slot& slot)
{
    return slot.row < factory::kBankCount && slot.slot >= 0
           && static_cast<unsigned>(slot.slot) < factory::slotCount(slot.row) && slot.sourcePath.starts_with('/')
           && slot.bytesHash.size() == 64;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<ShapeSidecarText::Slot> kept
        = ShapeSidecarText::read(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const ShapeSidecarText::Slot& slot : kept)
        if (!makesSense(slot))
            std::abort();
    const std::vector<ShapeSidecarText::Slot> again = ShapeSidecarText::read(ShapeSidecarText::write("kit.mid", kept));
    if (again.size() != kept.size())
        std::abort();
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (fieldsOf(again[i]) != fieldsOf(kept[i]))
            std::abort();
    return 0;
}
