#include "audio/SoundFileDecoder.h"

#include "audio/LoadedLibrary.h"
#include "audio/MutedStandardError.h"
#include "audio/SoundChunks.h"
#include "audio/SoundFormat.h"
#include "bytes/MemorySource.h"
#include "bytes/SourceFileReader.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace audio {

namespace {

constexpr std::size_t kChunkFrames = 4096;
// Two MPEG audio frames of 1,152 samples.
constexpr std::uint64_t kMpegUncertainFrames = std::uint64_t{2} * 1152;
// libsndfile hands every format out as -1.0 to 1.0; this brings it to the 32-bit integer scale.
constexpr double kFullScale = 2147483648.0;

std::int32_t toInteger(double value)
{
    // A float file's NaN is no level at all: silence, not the full-scale click the comparisons below would make of it.
    if (std::isnan(value))
        return 0;
    const double scaled = std::nearbyint(value * kFullScale);
    if (!(scaled > std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return scaled < std::numeric_limits<std::int32_t>::max() ? static_cast<std::int32_t>(scaled)
                                                             : std::numeric_limits<std::int32_t>::max();
}

// Integer formats keep their own width, so a FLAC or AU file gives exactly the slot its WAV twin
// gives; everything else (floats, lossy and companded codecs) comes as 32-bit integers.
std::uint16_t valueBits(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return 8;
    case SF_FORMAT_PCM_16:
        return 16;
    case SF_FORMAT_PCM_24:
        return 24;
    default:
        return 32;
    }
}

struct Sndfile {
    decltype(&sf_open_virtual) openVirtual;
    decltype(&sf_readf_double) readfDouble;
    decltype(&sf_seek) seek;
    decltype(&sf_close) close;
    decltype(&sf_error) error;
};

// Null where libsndfile is missing: then no file decodes through it.
const Sndfile* sndfile()
{
    static const LoadedLibrary library(kSoundFileLibrary);
    static const Sndfile functions{
        library.function<decltype(sf_open_virtual)>("sf_open_virtual"),
        library.function<decltype(sf_readf_double)>("sf_readf_double"), library.function<decltype(sf_seek)>("sf_seek"),
        library.function<decltype(sf_close)>("sf_close"), library.function<decltype(sf_error)>("sf_error")};
    return functions.openVirtual != nullptr && functions.readfDouble != nullptr && functions.seek != nullptr
                   && functions.close != nullptr && functions.error != nullptr
               ? &functions
               : nullptr;
}

} // namespace

struct SoundFileDecoder::File {
    const Sndfile* library = nullptr;
    SNDFILE* handle = nullptr;
    SF_INFO info{};
    // Where the bytes come from: the caller's reader, or one the decoder keeps.
    SourceReader* source = nullptr;
    std::unique_ptr<SourceReader> kept;
    sf_count_t size = 0;
    // Where libsndfile's view of the file starts: past an MP3's leading zeros, which it does not skip.
    sf_count_t start = 0;
    sf_count_t position = 0;
    // The frames up to where the last read ended, and whether it ended where the decoder gave no more.
    std::uint64_t framesRead = 0;
    bool ranOut = false;
    bool soundCut = false;

    // libsndfile reads the bytes through these.
    static sf_count_t length(void* file) { return static_cast<File*>(file)->size - static_cast<File*>(file)->start; }
    static sf_count_t tell(void* file) { return static_cast<File*>(file)->position; }
    static sf_count_t seek(sf_count_t offset, int whence, void* user)
    {
        File& file = *static_cast<File*>(user);
        const sf_count_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? length(user) : 0;
        if (offset < -base || offset > length(user) - base)
            return -1;
        file.position = base + offset;
        return file.position;
    }
    static sf_count_t read(void* destination, sf_count_t count, void* user)
    {
        File& file = *static_cast<File*>(user);
        const sf_count_t wanted = std::clamp<sf_count_t>(count, 0, length(user) - file.position);
        const sf_count_t from = file.start + file.position;
        // A file cut short since its size was taken reads as far as it now goes.
        const auto got = static_cast<sf_count_t>(
            file.source->readAt(static_cast<std::uint64_t>(from),
                                std::span(static_cast<std::uint8_t*>(destination), static_cast<std::size_t>(wanted))));
        file.position += got;
        return got;
    }
    static sf_count_t write(const void*, sf_count_t, void*) { return 0; }

    // The bytes from offset, wherever libsndfile's position is: how the checks before it read.
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into)
    {
        const sf_count_t kept = position;
        position = static_cast<sf_count_t>(std::min<std::uint64_t>(offset, static_cast<std::uint64_t>(length(this))));
        const sf_count_t got = read(into.data(), static_cast<sf_count_t>(into.size()), this);
        position = kept;
        return static_cast<std::size_t>(got);
    }

    // Where an MP3's first frame starts after zero padding, behind its ID3v2 tag or not; 0 for
    // every other file. Of a tag, with its pictures, only the header is read.
    sf_count_t mpegStart()
    {
        std::array<std::uint8_t, 10> first{};
        const std::size_t tag = id3TagBytes(std::span(first.data(), readAt(0, first)));
        std::array<std::uint8_t, 1> next{};
        if (readAt(tag, next) != 1 || next[0] != 0)
            return 0;
        std::vector<std::uint8_t> after(kMostMpegPadding + 4);
        after.resize(readAt(tag, after));
        const std::size_t zeros = zerosBeforeMpegFrame(after);
        return zeros != 0 ? static_cast<sf_count_t>(tag + zeros) : 0;
    }
};

SoundFileDecoder::SoundFileDecoder(std::span<const std::uint8_t> bytes)
    : m_file(std::make_unique<File>())
{
    m_file->kept = std::make_unique<MemorySource>(bytes);
    m_file->source = m_file->kept.get();
    open();
}

SoundFileDecoder::SoundFileDecoder(SourceReader& source)
    : m_file(std::make_unique<File>())
{
    m_file->source = &source;
    open();
}

SoundFileDecoder::SoundFileDecoder(const std::string& path)
    : m_file(std::make_unique<File>())
{
    auto file = std::make_unique<SourceFileReader>(path);
    if (file->error() != 0 || !file->seekable()) {
        m_failure = Failure::Unreadable;
        return;
    }
    m_file->kept = std::move(file);
    m_file->source = m_file->kept.get();
    open();
}

void SoundFileDecoder::open()
{
    m_file->size = static_cast<sf_count_t>(
        std::min<std::uint64_t>(m_file->source->size(), std::numeric_limits<sf_count_t>::max()));
    m_file->library = sndfile();
    if (m_file->library == nullptr) {
        m_failure = Failure::NoLibrary;
        return;
    }
    m_file->start = m_file->mpegStart();
    const SoundChunks chunks(
        [this](std::uint64_t offset, std::span<std::uint8_t> into) { return m_file->readAt(offset, into); },
        static_cast<std::uint64_t>(m_file->size));
    if (!chunks.fit()) {
        m_failure = Failure::Damaged;
        return;
    }
    m_file->soundCut = chunks.soundCut();
    const MutedStandardError quiet;
    SF_VIRTUAL_IO io{&File::length, &File::seek, &File::read, &File::write, &File::tell};
    m_file->handle = m_file->library->openVirtual(&io, SFM_READ, &m_file->info, m_file.get());
    if (m_file->handle == nullptr) {
        const int error = m_file->library->error(nullptr);
        m_failure = error == SF_ERR_UNRECOGNISED_FORMAT || error == SF_ERR_UNSUPPORTED_ENCODING ? Failure::UnknownFormat
                                                                                                : Failure::Undecodable;
    } else if (m_file->info.channels <= 0 || m_file->info.samplerate <= 0) {
        m_file->library->close(m_file->handle);
        m_file->handle = nullptr;
        m_failure = Failure::Undecodable;
    }
}

SoundFileDecoder::~SoundFileDecoder()
{
    if (m_file->handle != nullptr) {
        const MutedStandardError quiet;
        m_file->library->close(m_file->handle);
    }
}

bool SoundFileDecoder::isOpen() const
{
    return m_file->handle != nullptr;
}

SoundFileDecoder::Failure SoundFileDecoder::failure() const
{
    return m_failure;
}

std::uint64_t SoundFileDecoder::declaredFrames() const
{
    // Streams of unknown length report a huge count: that is no length at all.
    const sf_count_t frames = m_file->info.frames;
    return isOpen() && frames > 0 && frames < std::numeric_limits<sf_count_t>::max() / 2
               ? static_cast<std::uint64_t>(frames)
               : 0;
}

std::uint64_t SoundFileDecoder::frameCount() const
{
    return m_file->ranOut ? std::min(m_file->framesRead, declaredFrames()) : declaredFrames();
}

double SoundFileDecoder::samplerate() const
{
    return static_cast<double>(m_file->info.samplerate);
}

unsigned SoundFileDecoder::channels() const
{
    return isOpen() ? static_cast<unsigned>(m_file->info.channels) : 0;
}

std::size_t SoundFileDecoder::read(PcmFrames& out, std::size_t maxFrames)
{
    out.clear();
    if (!isOpen())
        return 0;
    const auto channels = static_cast<std::size_t>(m_file->info.channels);
    out.m_channels = static_cast<std::uint16_t>(channels);
    out.m_samplerate = samplerate();
    const std::uint16_t bits = valueBits(m_file->info.format);
    out.setBitrate(bits);
    out.m_unsigned8Bit = false;
    const std::size_t valueBytes = bits / 8;

    const std::size_t limit = maxFrames;
    std::vector<double> chunk(kChunkFrames * channels);
    std::size_t frames = 0;
    const MutedStandardError quiet;
    while (frames < limit) {
        const auto wanted = static_cast<sf_count_t>(std::min(kChunkFrames, limit - frames));
        const sf_count_t got = m_file->library->readfDouble(m_file->handle, chunk.data(), wanted);
        if (got <= 0)
            break;
        for (std::size_t i = 0; i < static_cast<std::size_t>(got) * channels; ++i) {
            const auto value = static_cast<std::uint32_t>(toInteger(chunk[i]) >> (32 - bits));
            for (std::size_t byte = 0; byte < valueBytes; ++byte)
                out.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
        }
        frames += static_cast<std::size_t>(got);
    }
    m_file->framesRead += frames;
    m_file->ranOut = m_file->ranOut || frames < limit;
    return frames;
}

std::size_t SoundFileDecoder::frameBytes() const
{
    return isOpen() ? static_cast<std::size_t>(m_file->info.channels) * (valueBits(m_file->info.format) / 8u) : 0;
}

std::uint64_t SoundFileDecoder::seek(std::uint64_t frame)
{
    if (!isOpen() || frame == 0)
        return m_file->framesRead;
    const MutedStandardError quiet;
    if (frame < static_cast<std::uint64_t>(std::numeric_limits<sf_count_t>::max())
        && m_file->library->seek(m_file->handle, static_cast<sf_count_t>(frame), SEEK_SET)
               == static_cast<sf_count_t>(frame)) {
        m_file->framesRead = frame;
        return frame;
    }
    // A format or a source that cannot seek is decoded up to the frame, a chunk at a time.
    std::vector<double> chunk(kChunkFrames * static_cast<std::size_t>(m_file->info.channels));
    while (m_file->framesRead < frame) {
        const auto wanted = static_cast<sf_count_t>(std::min<std::uint64_t>(kChunkFrames, frame - m_file->framesRead));
        const sf_count_t got = m_file->library->readfDouble(m_file->handle, chunk.data(), wanted);
        if (got <= 0) {
            m_file->ranOut = true;
            break;
        }
        m_file->framesRead += static_cast<std::uint64_t>(got);
    }
    return m_file->framesRead;
}

bool SoundFileDecoder::cutShort() const
{
    if (m_file->soundCut)
        return true;
    const std::uint64_t declared = declaredFrames();
    // An MP3's length is the decoder's estimate from the file's size and first bit rate, which a
    // whole file misses by a frame or two (216 of 46,296 frames were seen): only a shortfall well
    // beyond that is a cut. Every other format's count is exact.
    const bool estimated = (m_file->info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG;
    const std::uint64_t uncertain = estimated ? std::max<std::uint64_t>(kMpegUncertainFrames, declared / 20) : 0;
    return m_file->ranOut && m_file->framesRead + uncertain < declared;
}

} // namespace audio
