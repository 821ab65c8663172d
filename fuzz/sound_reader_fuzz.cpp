// Arbitrary bytes through the two sound readers alone, up to the decoded frames and without the
// conversion into a slot, so that a fuzzing hour spends its inputs on the parsers: our WAV/AIFF
// reader (format first, then the data, all of it and cut short) and the libsndfile path with the
// walk of chunks before it. Neither may crash, hang, or hold more than the file could give it.
#include "audio/PcmFileReader.h"
#include "audio/SoundFileDecoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

// Inputs are kept small: the parsers' branches lie in the first bytes, and the whole-import target
// already covers long files. Longer inputs are cut here, so run it with -max_len=65536.
constexpr std::size_t kMaxInputBytes = 64 * 1024;
constexpr std::size_t kCutShortBytes = 1000;
// Two whole chunks of the decoder's and part of a third: past its chunk boundaries without
// spending the run on converting one long sound.
constexpr std::size_t kDecodedFrames = 10000;

void readOurs(std::span<const std::uint8_t> bytes)
{
    PcmFileReader reader(bytes);
    if (!reader.isAudioFile() && reader.isPcmFile()) {
        std::abort();
    }
    audio::PcmFrames format;
    reader.readFormat(format);
    audio::PcmFrames whole;
    const std::size_t held = reader.read(whole, 0);
    // Data bytes are copied out of the file, never made up.
    if (held != whole.size() || held > bytes.size()) {
        std::abort();
    }
    audio::PcmFrames start;
    if (reader.read(start, kCutShortBytes) > kCutShortBytes) {
        std::abort();
    }
}

void decode(std::span<const std::uint8_t> bytes)
{
    audio::SoundFileDecoder decoder(bytes);
    if (decoder.isOpen() != (decoder.failure() == audio::SoundFileDecoder::Failure::None)) {
        std::abort();
    }
    if (!decoder.isOpen()) {
        return;
    }
    audio::PcmFrames frames;
    const std::size_t count = decoder.read(frames, kDecodedFrames);
    if (count > kDecodedFrames || frames.frameCount() != count) {
        std::abort();
    }
    // A read that ran out of frames found where the sound ends: no length may claim more.
    if (count < kDecodedFrames && decoder.frameCount() > count) {
        std::abort();
    }
    static_cast<void>(decoder.cutShort());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, std::min(size, kMaxInputBytes));
    readOurs(bytes);
    decode(bytes);
    return 0;
}
