#pragma once

#include <optional>

namespace audio {

// How a sound file's samples become the slot's 8-bit samples at 33,000 per second.
enum class Resampling {
    Classic, // linear interpolation without a low-pass filter, then truncation: what slots always held
    Clean, // band-limited resampling, then rounding: high sounds do not fold down into the slot
};

// Which of a source's channels reach the one channel of a slot.
enum class MonoSource {
    Mix, // the mean of every channel, as imports always made it
    Left, // the first channel
    Right, // the second channel (the only one of a mono source)
    Side, // half the difference of the first two: what is not in the centre
};

// The phase of the clean resampler's low-pass filter. Below 44.1 kHz a linear-phase filter's ringing
// before a drum hit can be heard as pre-echo; a minimum-phase one rings only after it.
enum class FilterPhase { Linear, Intermediate, Minimum };

// How a fit makes the region's sound the slot's length.
enum class FitKind {
    Pitch, // resampled, so the device plays it higher or lower: a cymbal raised an octave
    Stretch, // shortened or lengthened keeping its pitch (libSoundTouch), within the stretch range below
};

// How the clean conversion chooses the last of the 8 bits.
enum class Dither {
    None, // plain rounding: a quiet decay turns into stepped distortion
    Triangular, // TPDF noise of one step either way: the distortion becomes a steady hiss
    Shaped, // triangular noise whose error is moved above 4 kHz, with a filter made for 33 kHz
};

// The ranges a user may give each step; the command line names them when refusing a value.
constexpr double lowestPitch = -24.0; // semitones
constexpr double highestPitch = 24.0;
constexpr double furthestFit = 48.0; // semitones either way that --fit may reach
// The lengths a fit by stretching may give a region, as times its own length. Shorter, a hit's decay
// no longer shortens with it (its first splice is kept whole, the rest dropped: 0.2 leaves it twice
// as long as asked); longer, its tail climbs back at each splice, by 5.6 dB at 2 and 9.4 dB at 2.5,
// and more and more snares are heard twice (1 in 12 at 2, 1 in 6 at 2.2).
constexpr double shortestStretch = 0.4;
constexpr double longestStretch = 2.0;
constexpr double lowestGain = -48.0; // dB
constexpr double highestGain = 48.0;
constexpr double lowestLevel = -96.0; // dBFS, for the trim threshold and the limiter's ceiling
constexpr double highestLevel = 0.0;
constexpr double longestFade = 1000.0; // ms, longer than any slot
constexpr double defaultTrimThreshold = -48.0; // dBFS: half a step of 8 bits, silence to a slot
constexpr double longestRegion = 3600.0; // seconds into a source

// How a source becomes a slot: one value for the editor and the command line. The steps are taken
// in this order:
//   1. region: start and end (or start and length) in seconds of the source; an end short of the
//      slot leaves the rest of the slot silent, no end takes as much as the slot holds;
//   2. mono: mix, left, right or side;
//   3. trim: the silence before the sound, below trimThreshold (relative to the peak when
//      normalising, as the sound will reach the slot); reversed, the silence after it;
//   4. DC removal: the region's mean taken away;
//   5. gain in dB;
//   6. pitch in semitones, or fit: the source is resampled so that the device plays it higher or
//      lower (+12 fits twice the sound into the slot); fit is the pitch that makes the whole region
//      fill the slot, or by stretching, the region shortened or lengthened to the slot keeping its
//      pitch;
//   7. the conversion, Classic or Clean, and for Clean the filter's phase;
//   8. peak limiter (a ceiling in dBFS, fast attack, short release) on the converted sound;
//   9. reverse: the converted frames backwards, so the reversed slot is the forward one mirrored; a
//      region with an end longer than the slot sounds from its end;
//  10. normalise (measured on the converted sound, so the slot's own peak reaches full scale);
//  11. fade-in and fade-out in ms of the slot; without a fade-out the device's short fade at a cut
//      stays;
//  12. for Clean, the dither (rounding, never flooring; none in digital silence; a fixed seed, so
//      the same shape always gives the same bytes). Without normalise no byte passes the limiter's
//      ceiling: where rounding or the dither's noise would carry one past it, it stays on the last
//      whole step inside.
// The default value is the classic import, byte for byte.
struct SoundShape {
    // The import's first options stay first, so that initialisers naming them by position keep
    // their meaning. raw is no step of the shape: a file that no decoder takes goes into a sample
    // slot as raw device bytes, even when its first bytes look like a sound's.
    bool raw = false;
    Resampling resampling = Resampling::Classic;
    bool normalize = false; // scale the converted sound so its peak reaches full scale
    bool trim = false; // drop the silence before the sound starts

    double start = 0.0; // seconds into the source
    std::optional<double> end{}; // seconds into the source; none: as much as the slot holds
    MonoSource mono = MonoSource::Mix;
    bool reverse = false;
    double trimThreshold = defaultTrimThreshold; // dBFS
    bool removeDc = false;
    double gain = 0.0; // dB
    std::optional<double> limit{}; // the limiter's ceiling in dBFS; none: no limiter
    double pitch = 0.0; // semitones
    bool fit = false; // the pitch that makes the region fill the slot, in place of pitch
    FitKind fitKind = FitKind::Pitch; // how fit fills the slot: by pitch or by stretching
    FilterPhase phase = FilterPhase::Linear;
    double fadeIn = 0.0; // ms of the slot
    double fadeOut = 0.0;
    Dither dither = Dither::None;

    // Whether any step beyond the conversion, normalise and trim of old is asked for.
    bool reshapes() const;
    // The shape with every number inside its range (an hour at most for the region) and every
    // value that is no number at its default, so that no value a caller gives can upset a render.
    SoundShape withinRanges() const;
    // Whether the sound is changed beyond converting it, so even a slot's own image is reshaped.
    bool shapes() const { return normalize || trim || reshapes(); }
};

} // namespace audio
