#pragma once

#include "app/files/ShapeSidecarText.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What a bank file cannot hold: for each slot shaped from a sound file, the file, the shape and a
// hash of the bytes the shape made. It lives beside the bank file (NAME.zylox.json for NAME.mid),
// so that a set opened again can go back to the sources. A slot whose bytes no longer have the
// hash, or whose source changed, opens as plain bytes: a stale or foreign file is harmless.
class ShapeSidecar {
public:
    using Slot = ShapeSidecarText::Slot;

    // "kit.v2.MID" gives "kit.v2.zylox.json" beside it; a name without ".mid" is kept whole.
    static std::string pathFor(const std::string& bankFile);
    static std::string hashOf(std::span<const std::uint8_t> bytes);

    // Writes the shaped slots beside the bank file in one step; without any, removes a sidecar left
    // there by an earlier save. False, with the reason, when it could not.
    static bool write(const std::string& bankFile, const std::vector<Slot>& shaped, QString& error);
    // The shaped slots a sidecar beside the bank file keeps; none when there is no sidecar, it is no
    // regular file (a FIFO is never waited on) or it cannot be read, and an entry that does not make
    // sense is left out.
    static std::vector<Slot> read(const std::string& bankFile);
};
