#include "model/BankPads.h"

#include "content/SlotContent.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kOpenHat = "OPEN HI HAT";
constexpr std::string_view kClosedHat = "CLOSED HI HAT";

} // namespace

KitSounds bankPads(const IBank& bank)
{
    KitSounds pads;
    const auto count = std::min<std::size_t>(bank.getContentCount(), KitSounds::kPads);
    for (std::size_t pad = 0; pad < count; ++pad) {
        const auto slot = static_cast<std::uint16_t>(pad);
        const SlotContent* content = bank.getContent(slot);
        if (content == nullptr || !bank.isSampleContent(slot))
            continue;
        pads.pads[pad] = content->getData();
        const std::string label = bank.getContentLabel(slot);
        if (label == kOpenHat)
            pads.openHat = pad;
        else if (label == kClosedHat)
            pads.closedHat = pad;
    }
    return pads;
}
