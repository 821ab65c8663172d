#include "audio/KeptPeaks.h"

namespace audio {

KeptPeaks& KeptPeaks::operator=(const KeptPeaks& other)
{
    if (this != &other) {
        const std::lock_guard lock(m_making);
        m_peaks = {};
    }
    return *this;
}

KeptPeaks& KeptPeaks::operator=(KeptPeaks&& other) noexcept
{
    return *this = static_cast<const KeptPeaks&>(other);
}

std::size_t KeptPeaks::bytes() const
{
    const std::lock_guard lock(m_making);
    std::size_t bytes = 0;
    for (const std::unique_ptr<const SoundPeaks>& peaks : m_peaks) {
        bytes += peaks ? peaks->bytes() : 0;
    }
    return bytes;
}

const SoundPeaks& KeptPeaks::of(const PcmFrames& source, MonoSource mono) const
{
    const std::lock_guard lock(m_making);
    // A value beyond the known ones mixes, as MonoSteps takes it.
    const auto index = static_cast<std::size_t>(mono);
    std::unique_ptr<const SoundPeaks>& peaks = m_peaks[index < m_peaks.size() ? index : 0];
    if (!peaks) {
        peaks = std::make_unique<const SoundPeaks>(source, mono);
    }
    return *peaks;
}

} // namespace audio
