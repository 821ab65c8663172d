#pragma once

#include "audio/SoundPeaks.h"

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>

namespace audio {

// A decoded sound's peaks, made for a mono choice when first asked for and kept with the sound, so
// that every render after the first finds sound in a long source at once. Any thread may ask. A copy
// or a move starts without any: its frames are another sample's.
class KeptPeaks {
public:
    KeptPeaks() = default;
    KeptPeaks(const KeptPeaks&) { }
    KeptPeaks(KeptPeaks&&) noexcept { }
    KeptPeaks& operator=(const KeptPeaks&);
    KeptPeaks& operator=(KeptPeaks&&) noexcept;
    ~KeptPeaks() = default;

    // The peaks of source, which must be the same sample, unchanged, at every call.
    const SoundPeaks& of(const PcmFrames& source, MonoSource mono) const;
    // The memory the peaks made so far take.
    std::size_t bytes() const;

private:
    mutable std::mutex m_making;
    mutable std::array<std::unique_ptr<const SoundPeaks>, 4> m_peaks;
};

} // namespace audio
