#pragma once

#include "audio/DecodedSound.h"
#include "audio/SoundShape.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

// What a shaped slot was made from: the decoded source (at most a minute of it, shared between
// the slot and the undo steps that hold it) and the shape it was given, so the sound panel starts
// again from the source instead of from the slot's 8-bit bytes. path is where the source came
// from; empty for a source made of a slot's own bytes.
struct SlotSource {
    std::shared_ptr<const audio::DecodedSound> sound;
    std::string path;
    audio::SoundShape shape;
};

// The kept sources of one bank's slots, by slot.
using RowSources = std::map<std::uint16_t, SlotSource>;
