#pragma once

#include "playback/PcmFormat.h"
#include "playback/PlaybackFailure.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// An open playback stream of frames in the format it was opened for, as the sound output's feeder
// thread uses it: nothing here waits for the sound, so a stop is never held up by the device.
// Errors are negative numbers the stream turns into a failure itself.
class IPcmStream {
public:
    virtual ~IPcmStream() = default;

    // How many frames the device's buffer holds.
    virtual std::size_t bufferFrames() const = 0;
    // Takes as many of the count frames (their bytes, in the stream's format) as there is room for
    // now: how many (0 when the buffer is full), or an error.
    virtual long write(const std::uint8_t* frames, std::size_t count) = 0;
    // Returns once there may be room for more frames, or wakeUp (a descriptor) has become readable.
    virtual void waitForRoom(int wakeUp) = 0;
    // Frames taken but not heard yet, starting a stream still waiting for its buffer to fill; 0
    // once it has run dry; or an error.
    virtual long queued() = 0;
    // Discards whatever has not been heard.
    virtual void drop() = 0;
    virtual PlaybackFailure failure(long error) const = 0;
};

// Opens a stream to play frames of the format on; none, with the reason in failure, when there is no
// such device or it cannot play them.
using PcmStreamOpener = std::function<std::unique_ptr<IPcmStream>(const PcmFormat& format, PlaybackFailure& failure)>;
