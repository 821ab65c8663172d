#include "audio/SoundSummary.h"

#include "audio/DecodedSound.h"
#include "audio/PcmFileReader.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundFormat.h"
#include "bytes/SourceFile.h"

#include <algorithm>

namespace audio {

namespace {

// Enough for the chunks WAV and AIFF files put before their sample data (metadata, markers, a
// picture rarely); a header past it goes to libsndfile, which reads the file as it needs.
constexpr std::size_t kHeadBytes = std::size_t{64} * 1024;

// The header our own reader understands, with the data length the whole file can hold; none when
// the sample data does not start within the head.
bool summariseFromHeader(const SourceFile& head, SoundSummary& summary)
{
    PcmFileReader reader(head.bytes());
    PcmFrames format;
    if (!reader.readFormat(format) || !usableRate(format.m_samplerate) || format.m_channels == 0)
        return false;
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(format.m_channels) * format.m_bytesPerValue;
    const std::uint64_t unread = head.fileSize() - head.bytes().size();
    // A file cut short holds less than its header declares: the length is what it holds.
    const std::uint64_t data = std::min(reader.m_declaredLength, reader.m_dataLength + unread);
    summary
        = {SoundSummary::Kind::Sound, frameBytes != 0 ? data / frameBytes : 0, format.m_samplerate, format.m_channels};
    return true;
}

} // namespace

SoundSummary summariseSoundFile(const std::string& path)
{
    const SourceFile head(path, kHeadBytes);
    if (head.error() != 0)
        return {};
    SoundSummary summary;
    if (head.bytes().empty()) {
        summary.kind = SoundSummary::Kind::NotASound;
        return summary;
    }
    if (recogniseSound(head.bytes()) == SoundFormat::Convertible && summariseFromHeader(head, summary))
        return summary;
    const SoundFileDecoder decoder(path);
    if (!decoder.isOpen()) {
        summary.kind = decoder.failure() == SoundFileDecoder::Failure::Unreadable ? SoundSummary::Kind::Unreadable
                                                                                  : SoundSummary::Kind::NotASound;
        return summary;
    }
    return {SoundSummary::Kind::Sound, decoder.frameCount(), decoder.samplerate(), decoder.channels()};
}

} // namespace audio
