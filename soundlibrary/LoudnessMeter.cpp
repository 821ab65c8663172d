#include "soundlibrary/LoudnessMeter.h"

#include "audio/LoadedLibrary.h"
#include "audio/MonoSteps.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace soundlibrary {

namespace {

// libebur128's own declarations, of the version Debian ships (1.2): only these are used.
struct ebur128_state;
using Init = ebur128_state*(unsigned int channels, unsigned long samplerate, int mode);
using Destroy = void(ebur128_state** state);
using SetChannel = int(ebur128_state* state, unsigned int channel, int value);
using AddFrames = int(ebur128_state* state, const double* frames, std::size_t count);
using Measure = int(ebur128_state* state, double* out);
constexpr int kModeShortTermAndIntegrated = (1 << 1) | (1 << 2) | (1 << 0); // EBUR128_MODE_S | EBUR128_MODE_I
constexpr int kDualMono = 6; // EBUR128_DUAL_MONO
constexpr int kSuccess = 0;

struct Functions {
    Init* init = nullptr;
    Destroy* destroy = nullptr;
    SetChannel* setChannel = nullptr;
    AddFrames* addFrames = nullptr;
    Measure* integrated = nullptr;
    Measure* shortTerm = nullptr;

    bool complete() const { return init && destroy && setChannel && addFrames && integrated && shortTerm; }
};

const Functions& functions()
{
    static const audio::LoadedLibrary library(kLoudnessLibrary);
    static const Functions loaded{library.function<Init>("ebur128_init"),
                                  library.function<Destroy>("ebur128_destroy"),
                                  library.function<SetChannel>("ebur128_set_channel"),
                                  library.function<AddFrames>("ebur128_add_frames_double"),
                                  library.function<Measure>("ebur128_loudness_global"),
                                  library.function<Measure>("ebur128_loudness_shortterm")};
    return loaded;
}

// One measuring block of the integrated loudness, in seconds.
constexpr double kBlockSeconds = 0.4;
// How often the short-term loudness is read, in seconds.
constexpr double kShortTermStep = 0.1;

} // namespace

bool LoudnessMeter::available()
{
    return functions().complete();
}

std::optional<LoudnessMeter::Loudness> LoudnessMeter::of(const audio::PcmFrames& frames)
{
    const Functions& library = functions();
    const double rate = std::round(frames.m_samplerate);
    const std::uint64_t count = frames.frameCount();
    if (!library.complete() || count == 0 || frames.m_channels == 0 || !(rate >= 1.0 && rate <= 1e7))
        return std::nullopt;
    const unsigned channels = frames.m_channels == 1 ? 1 : 2;
    ebur128_state* state = library.init(channels, static_cast<unsigned long>(rate), kModeShortTermAndIntegrated);
    if (state == nullptr)
        return std::nullopt;
    if (channels == 1)
        library.setChannel(state, 0, kDualMono);

    // Full scale is 128 steps either way: the meter's 1.0.
    const audio::MonoSteps left(frames, audio::MonoSource::Left);
    const audio::MonoSteps right(frames, audio::MonoSource::Right);
    const auto step = static_cast<std::uint64_t>(std::max(1.0, rate * kShortTermStep));
    const std::uint64_t measured = std::max(count, static_cast<std::uint64_t>(std::ceil(rate * kBlockSeconds)));
    std::vector<double> leftSteps(step);
    std::vector<double> rightSteps(step);
    std::vector<double> interleaved(step * channels);
    Loudness loudness{-HUGE_VAL, -HUGE_VAL};
    bool measuredAll = true;
    for (std::uint64_t first = 0; first < measured && measuredAll; first += step) {
        const std::uint64_t length = std::min(step, measured - first);
        const std::uint64_t held = first < count ? std::min(length, count - first) : 0;
        std::fill(interleaved.begin(), interleaved.end(), 0.0);
        left.into(first, std::span(leftSteps).first(held));
        right.into(first, std::span(rightSteps).first(held));
        for (std::uint64_t i = 0; i < held; ++i) {
            interleaved[i * channels] = leftSteps[i] / 128.0;
            if (channels == 2)
                interleaved[i * channels + 1] = rightSteps[i] / 128.0;
        }
        double shortTerm = -HUGE_VAL;
        measuredAll = library.addFrames(state, interleaved.data(), length) == kSuccess
                      && library.shortTerm(state, &shortTerm) == kSuccess;
        loudness.loudestShortTerm = std::max(loudness.loudestShortTerm, shortTerm);
    }
    measuredAll = measuredAll && library.integrated(state, &loudness.integrated) == kSuccess;
    library.destroy(&state);
    if (!measuredAll)
        return std::nullopt;
    return loudness;
}

} // namespace soundlibrary
