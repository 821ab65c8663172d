#include "audio/TimeStretch.h"

#include "audio/LoadedLibrary.h"

#include <SoundTouchDLL.h>
#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace audio {

namespace {

struct SoundTouch {
    decltype(&soundtouch_createInstance) create;
    decltype(&soundtouch_destroyInstance) destroy;
    decltype(&soundtouch_setChannels) setChannels;
    decltype(&soundtouch_setSampleRate) setSampleRate;
    decltype(&soundtouch_setTempo) setTempo;
    decltype(&soundtouch_setSetting) setSetting;
    decltype(&soundtouch_putSamples) putSamples;
    decltype(&soundtouch_flush) flush;
    decltype(&soundtouch_receiveSamples) receiveSamples;
};

// Null where the library is missing or lacks a function: then nothing stretches.
const SoundTouch* soundTouch()
{
    static const LoadedLibrary library(kStretchLibrary);
    static const SoundTouch functions{
        library.function<decltype(soundtouch_createInstance)>("soundtouch_createInstance"),
        library.function<decltype(soundtouch_destroyInstance)>("soundtouch_destroyInstance"),
        library.function<decltype(soundtouch_setChannels)>("soundtouch_setChannels"),
        library.function<decltype(soundtouch_setSampleRate)>("soundtouch_setSampleRate"),
        library.function<decltype(soundtouch_setTempo)>("soundtouch_setTempo"),
        library.function<decltype(soundtouch_setSetting)>("soundtouch_setSetting"),
        library.function<decltype(soundtouch_putSamples)>("soundtouch_putSamples"),
        library.function<decltype(soundtouch_flush)>("soundtouch_flush"),
        library.function<decltype(soundtouch_receiveSamples)>("soundtouch_receiveSamples")};
    const bool complete
        = functions.create != nullptr && functions.destroy != nullptr && functions.setChannels != nullptr
          && functions.setSampleRate != nullptr && functions.setTempo != nullptr && functions.setSetting != nullptr
          && functions.putSamples != nullptr && functions.flush != nullptr && functions.receiveSamples != nullptr;
    return complete ? &functions : nullptr;
}

// Frames of sound the stretch is given past the region's end, in seconds: more than its longest
// splice (125 ms) and the search for where to make it (25 ms). Without them its last splice, and as
// much as 35 ms of the sound's end lengthened twice, would be dropped.
constexpr double secondsPastTheEnd = 0.25;

// The steps read on past their end mirrored back and forth: no step at the end the stretch could
// splice as a click, and nothing new to hear in what of them reaches the slot.
double mirrored(std::span<const double> steps, std::size_t at)
{
    if (steps.size() == 1)
        return steps.front();
    const std::size_t period = 2 * (steps.size() - 1);
    const std::size_t within = at % period;
    return steps[within < steps.size() ? within : period - within];
}

// The library's processing is in floats; a block of them at a time either way.
using Block = std::array<float, 4096>;

// Takes what the stretcher has ready into out, up to frames in all.
void receive(const SoundTouch& library, HANDLE stretcher, Block& block, std::vector<double>& out, std::size_t frames)
{
    while (out.size() < frames) {
        const unsigned given = library.receiveSamples(stretcher, block.data(), static_cast<unsigned>(block.size()));
        if (given == 0)
            return;
        const std::size_t kept = std::min<std::size_t>(given, frames - out.size());
        out.insert(out.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(kept));
    }
}

} // namespace

std::optional<std::vector<double>> stretchSteps(std::span<const double> steps, double rate, double ratio,
                                                std::size_t frames)
{
    const SoundTouch* library = soundTouch();
    if (library == nullptr)
        return std::nullopt;
    const std::unique_ptr<void, decltype(&soundtouch_destroyInstance)> stretcher(library->create(), library->destroy);
    if (!stretcher)
        return std::nullopt;
    // The library sizes its splices in milliseconds of this rate, so a whole number near it will do.
    library->setChannels(stretcher.get(), 1);
    library->setSampleRate(stretcher.get(), static_cast<unsigned>(std::clamp(std::lround(rate), 1L, 100000000L)));
    // The anti-alias filter is for changing the rate, which a stretch leaves: on, it delays the sound
    // by half its length (33 frames) and rings before a hit.
    library->setSetting(stretcher.get(), SETTING_USE_AA_FILTER, 0);
    // Tempo is the speed the sound is played through at: half of it lasts twice as long.
    library->setTempo(stretcher.get(), static_cast<float>(1.0 / ratio));
    std::vector<double> out;
    out.reserve(frames);
    Block block{};
    const std::size_t given
        = steps.empty() ? 0 : steps.size() + static_cast<std::size_t>(std::ceil(secondsPastTheEnd * rate));
    for (std::size_t from = 0; from < given && out.size() < frames; from += block.size()) {
        const std::size_t count = std::min(block.size(), given - from);
        for (std::size_t i = 0; i < count; ++i)
            block[i] = static_cast<float>(mirrored(steps, from + i));
        library->putSamples(stretcher.get(), block.data(), static_cast<unsigned>(count));
        receive(*library, stretcher.get(), block, out, frames);
    }
    // What the library holds back for its next splice comes out only when it is told the sound ends.
    library->flush(stretcher.get());
    receive(*library, stretcher.get(), block, out, frames);
    out.resize(frames, 0.0);
    return out;
}

} // namespace audio
