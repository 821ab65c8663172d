#include "audio/CleanResampler.h"

#include "audio/ClassicConverter.h"
#include "audio/LoadedLibrary.h"
#include "audio/StepsDecimator.h"

#include <soxr.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace audio {

namespace {

struct Soxr {
    decltype(&soxr_io_spec) ioSpec;
    decltype(&soxr_quality_spec) qualitySpec;
    decltype(&soxr_create) create;
    decltype(&soxr_process) process;
    decltype(&soxr_delete) destroy;
};

// Null where libsoxr is missing: then nothing resamples cleanly.
const Soxr* soxrLibrary()
{
    static const LoadedLibrary library("libsoxr.so.0");
    static const Soxr functions{library.function<decltype(soxr_io_spec)>("soxr_io_spec"),
                                library.function<decltype(soxr_quality_spec)>("soxr_quality_spec"),
                                library.function<decltype(soxr_create)>("soxr_create"),
                                library.function<decltype(soxr_process)>("soxr_process"),
                                library.function<decltype(soxr_delete)>("soxr_delete")};
    const bool complete = functions.ioSpec != nullptr && functions.qualitySpec != nullptr && functions.create != nullptr
                          && functions.process != nullptr && functions.destroy != nullptr;
    return complete ? &functions : nullptr;
}

using Resampler = std::unique_ptr<soxr, decltype(&soxr_delete)>;

// libsoxr's own phase-response recipes.
unsigned long phaseRecipe(FilterPhase phase)
{
    switch (phase) {
    case FilterPhase::Intermediate:
        return SOXR_INTERMEDIATE_PHASE;
    case FilterPhase::Minimum:
        return SOXR_MINIMUM_PHASE;
    case FilterPhase::Linear:
        break;
    }
    return SOXR_LINEAR_PHASE;
}

Resampler createResampler(const Soxr& library, double sourceRate, double deviceRate,
                          FilterPhase phase = FilterPhase::Linear)
{
    const soxr_io_spec_t io = library.ioSpec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
    const soxr_quality_spec_t quality = library.qualitySpec(SOXR_HQ | phaseRecipe(phase), 0);
    soxr_error_t error = nullptr;
    Resampler resampler(library.create(sourceRate, deviceRate, 1, &error, &io, &quality, nullptr), library.destroy);
    if (error != nullptr) {
        resampler.reset();
    }
    return resampler;
}

// One 8-bit step in the sample's own values.
double stepOf(const PcmFrames& in)
{
    return std::ldexp(1.0, 8 - static_cast<int>(in.m_bitsPerValue));
}

// Feeds the source's frames (fill puts count of them from a frame on into a block) to the resampler
// a block at a time, so no second copy of a long source is held, until the output is full or the
// resampler has flushed what the source's end leaves.
template <typename Fill>
bool resampleInto(const Soxr& library, soxr_t resampler, std::uint64_t frames, Fill fill, std::vector<double>& out)
{
    std::array<double, 4096> block{};
    std::size_t blockLength = 0;
    std::size_t blockUsed = 0;
    std::uint64_t nextFrame = 0;
    std::size_t produced = 0;
    while (produced < out.size()) {
        if (blockUsed == blockLength && nextFrame < frames) {
            blockLength = static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), frames - nextFrame));
            fill(block.data(), nextFrame, blockLength);
            nextFrame += blockLength;
            blockUsed = 0;
        }
        const bool ended = blockUsed == blockLength;
        std::size_t taken = 0;
        std::size_t given = 0;
        if (library.process(resampler, ended ? nullptr : block.data() + blockUsed, blockLength - blockUsed, &taken,
                            out.data() + produced, out.size() - produced, &given)
            != nullptr) {
            return false;
        }
        blockUsed += taken;
        produced += given;
        if (ended && given == 0) {
            break;
        }
    }
    out.resize(produced);
    return true;
}

} // namespace

std::vector<double> resampleClean(const PcmFrames& in, double deviceRate, std::size_t maxFrames)
{
    const double rate = in.m_samplerate;
    if (!(rate >= cleanLowestRate && rate <= cleanHighestRate)) {
        return {};
    }
    // The channels are mixed as the resampler reads them: only the frames it needs, however long
    // the source.
    const bool layout = in.m_channels != 0 && in.m_bytesPerValue != 0 && in.m_bytesPerValue <= 4;
    const std::uint64_t frames = layout ? in.frameCount() : 0;
    const double wanted = std::trunc(static_cast<double>(frames) * deviceRate / rate);
    std::vector<double> out(static_cast<std::size_t>(std::min(wanted, static_cast<double>(maxFrames))));
    if (out.empty()) {
        return {};
    }
    const double step = stepOf(in);
    // At the device rate already there is nothing to filter, and a file in the device format keeps
    // its samples exactly.
    if (rate == deviceRate) {
        ClassicConverter::mixedFrames(in, 0, out, step);
        return out;
    }
    const Soxr* library = soxrLibrary();
    if (library == nullptr) {
        return {};
    }
    const Resampler resampler = createResampler(*library, rate, deviceRate);
    const auto fill = [&in, step](double* block, std::uint64_t from, std::size_t count) {
        ClassicConverter::mixedFrames(in, from, {block, count}, step);
    };
    if (!resampler || !resampleInto(*library, resampler.get(), frames, fill, out)) {
        return {};
    }
    return out;
}

std::vector<double> resampleSteps(std::uint64_t frames, const StepsReader& steps, double sourceRate, double deviceRate,
                                  FilterPhase phase, std::size_t maxFrames)
{
    if (!(sourceRate >= cleanLowestRate && sourceRate <= cleanHighestRate) || frames == 0) {
        return {};
    }
    const double wanted = std::trunc(static_cast<double>(frames) * deviceRate / sourceRate);
    std::vector<double> out(static_cast<std::size_t>(std::min(wanted, static_cast<double>(maxFrames))));
    const Soxr* library = soxrLibrary();
    if (out.empty() || library == nullptr) {
        return {};
    }
    // Far above the device rate, the frames are thinned first: the resampler then reads a fraction
    // of them.
    const std::size_t factor = StepsDecimator::factorFor(sourceRate, deviceRate);
    if (factor > 1) {
        StepsDecimator thinned(frames, steps, factor);
        const Resampler resampler
            = createResampler(*library, sourceRate / static_cast<double>(factor), deviceRate, phase);
        const auto fill = [&thinned](double* block, std::uint64_t from, std::size_t count) {
            thinned.into(from, {block, count});
        };
        if (!resampler || !resampleInto(*library, resampler.get(), thinned.frames(), fill, out)) {
            return {};
        }
        return out;
    }
    const Resampler resampler = createResampler(*library, sourceRate, deviceRate, phase);
    const auto fill = [&steps](double* block, std::uint64_t from, std::size_t count) { steps(from, {block, count}); };
    if (!resampler || !resampleInto(*library, resampler.get(), frames, fill, out)) {
        return {};
    }
    return out;
}

} // namespace audio
