#pragma once

#include "audio/ImportResult.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Why a firmware slot refused a file, in words both programs show: what the file holds and what
// the slot needs, for example "holds a System Exclusive message of 5 bytes; PRESETS takes one ZYLOX
// 515 System Exclusive message of 1,024 to 131,078 bytes for flash block 62". Empty for a refusal
// that is no firmware slot's.
// What a firmware slot takes: one message of shortest to longest bytes writing flash block block,
// not the message of the slot labelled otherLabel; its own begins as form says ("F0 31 7F 38 10").
struct MessageSlotNeeds {
    std::size_t shortest;
    std::size_t longest;
    unsigned block;
    std::string form;
    std::string otherLabel;
};
MessageSlotNeeds messageSlotNeeds(std::uint16_t slot);

Text messageSlotRefusalText(const audio::ImportResult& refused, const std::string& slotLabel, std::uint16_t slot);
inline std::string messageSlotRefusal(const audio::ImportResult& refused, const std::string& slotLabel,
                                      std::uint16_t slot)
{
    return messageSlotRefusalText(refused, slotLabel, slot).english();
}

// A firmware slot whose message the device must not be sent: which slot, its label, and what its
// message is, as an import would have refused it.
struct SlotRefusal {
    std::uint16_t slot = 0;
    std::string slotLabel{};
    audio::ImportResult refused{};

    // "PRESETS holds a System Exclusive message of 5 bytes; PRESETS takes one ...".
    Text text() const;
    std::string describe() const { return text().english(); }
};
