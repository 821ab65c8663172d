#include "soundlibrary/SoundAnalysis.h"

#include "soundlibrary/Brightness.h"
#include "soundlibrary/LoudnessMeter.h"

#include "audio/DecodedSound.h"
#include "audio/MonoSteps.h"
#include "audio/ShapeReport.h"
#include "audio/SlotImport.h"
#include "audio/SoundShape.h"
#include "audio/SoundSnapping.h"
#include "bytes/SourceFileReader.h"

#include <algorithm>
#include <vector>

namespace soundlibrary {

SoundAnalysis SoundAnalysis::of(const std::string& path)
{
    SoundAnalysis analysis;
    SourceFileReader source(path);
    // A stream (a FIFO, a device) would be read forward without end: it is no sound file.
    if (source.error() != 0 || !source.seekable())
        return analysis;
    const audio::DecodedSound sound
        = audio::decodeSound(source, audio::secondsWanted(0.0, kMeasuredSeconds), audio::heldSourceLimit());
    if (source.error() != 0) {
        return analysis;
    }
    if (!sound) {
        analysis.kind = LibraryEntry::Kind::NotASound;
        return analysis;
    }
    analysis.kind = LibraryEntry::Kind::Sound;
    const audio::PcmFrames& frames = sound.frames;
    analysis.seconds = sound.fileSeconds();
    analysis.rate = frames.m_samplerate;
    analysis.channels = frames.m_channels;

    const std::uint64_t count = frames.frameCount();
    const std::optional<std::uint64_t> onset = audio::onsetFrame(sound, 0, audio::defaultTrimThreshold);
    analysis.leadIn = onset ? sound.secondsAt(*onset) : analysis.seconds;
    const double peakSteps = std::max(sound.peaks(audio::MonoSource::Left).peak({0, count}),
                                      sound.peaks(audio::MonoSource::Right).peak({0, count}));
    analysis.peak = audio::ShapeReport::decibelsOf(peakSteps);

    if (const std::optional<LoudnessMeter::Loudness> loudness = LoudnessMeter::of(frames)) {
        analysis.loudness = loudness->integrated;
        analysis.loudestShortTerm = loudness->loudestShortTerm;
    }
    if (onset) {
        const std::uint64_t last = std::min(
            count, *onset + static_cast<std::uint64_t>(std::max(1.0, kBrightnessSeconds * frames.m_samplerate)));
        const std::vector<double> hit = audio::MonoSteps(frames, audio::MonoSource::Mix).of({*onset, last});
        analysis.centroid = brightness(hit, frames.m_samplerate);
    }
    return analysis;
}

} // namespace soundlibrary
