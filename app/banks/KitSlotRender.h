#pragma once

#include "app/document/SlotSource.h"
#include "audio/ImportResult.h"

#include <cstdint>
#include <vector>

class IBank;
struct KitFile;

// A kit's file made into its slot's sound with the shape the kit gives it (KitProposal::shapeFor),
// as OK puts it into the slot and Play lets it be heard first. The source is kept, so the sound panel
// shapes the slot again from the file rather than from its 8-bit bytes.
class KitSlotRender {
public:
    struct Rendered {
        std::vector<std::uint8_t> bytes; // the slot's length; empty where the file was refused
        SlotSource source;
        audio::ImportResult result; // false where refused; readable says whether the file could be read
        bool readable = true;
    };

    static Rendered render(const IBank& bank, std::uint16_t slot, const KitFile& file);
};
