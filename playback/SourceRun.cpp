#include "playback/SourceRun.h"

#include <algorithm>
#include <cmath>

PcmRun sourceRun(const audio::DecodedSound& sound, audio::SourceRegion region)
{
    const audio::PcmFrames& frames = sound.frames;
    PcmRun run;
    run.rate = static_cast<unsigned>(std::lround(frames.m_samplerate));
    run.channels = std::min<unsigned>(frames.m_channels, 2);
    region.last = std::min(region.last, frames.frameCount());
    const double scale = std::ldexp(1.0, 16 - 8 * frames.m_bytesPerValue);
    run.samples.reserve(region.length() * run.channels);
    for (std::uint64_t frame = region.first; frame < region.last; ++frame)
        for (unsigned channel = 0; channel < run.channels; ++channel)
            run.samples.push_back(static_cast<std::int16_t>(std::clamp(
                std::round(static_cast<double>(frames.getValue(frame, channel)) * scale), -32768.0, 32767.0)));
    return run;
}
