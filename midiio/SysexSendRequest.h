#pragma once

#include "midiio/OutputPacing.h"

#include <cstdint>
#include <functional>

using MidiRef = std::uint32_t;

// One System Exclusive message for the service to send. The bytes are not copied: they must stay
// alive and unchanged until the completion has been called.
struct SysexSendRequest {
    MidiRef destination = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t bytesToSend = 0;
    // Called exactly once, on the service's own thread: true when the last byte has gone out on
    // the wire, false when the send was refused or failed (the destination vanished, for one).
    std::function<void(bool sent)> completion;
    // The pieces it goes to the kernel in, and the gaps between them.
    OutputPacing pacing;
};
