#pragma once

#include "audio/PcmFrames.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

class SourceReader;

namespace audio {

// The decoding library's name as it is opened, which is also what a user without it must install.
inline constexpr const char* kSoundFileLibrary = "libsndfile.so.1";

// The sound formats our own WAV/AIFF reader does not convert (float WAV, AIFF-C, FLAC, Ogg Vorbis,
// Opus, MP3, W64, AU, CAF, ...), decoded through libsndfile into signed integer frames at the
// file's own rate (32-bit, or the file's own width where it holds integers), so they take the
// same conversion as every other sound. It reads the file's bytes where libsndfile asks. An MP3 that starts with zero
// padding is decoded from its first frame.
class SoundFileDecoder {
public:
    // The file's bytes, which must outlive the decoder.
    explicit SoundFileDecoder(std::span<const std::uint8_t> bytes);
    // A file read at any offset through the reader, which must outlive the decoder.
    explicit SoundFileDecoder(SourceReader& source);
    // A regular file on disk, read as far as libsndfile asks: its header alone tells the length,
    // rate and channels of a long file without the rest being read. Anything but a regular file
    // (a FIFO would wait for a writer) is not opened and fails as Unreadable.
    explicit SoundFileDecoder(const std::string& path);
    ~SoundFileDecoder();
    SoundFileDecoder(const SoundFileDecoder&) = delete;
    SoundFileDecoder& operator=(const SoundFileDecoder&) = delete;

    // Why a file did not open: libsndfile could not be loaded, it does not know the file's format
    // (or its encoding), the file is of a format it knows and does not decode (damaged, cut short),
    // its chunks do not fit within each other (damaged: it never reaches libsndfile, whose parsers
    // can spin on such sizes), or a file on disk could not be opened.
    enum class Failure { None, NoLibrary, UnknownFormat, Undecodable, Damaged, Unreadable };

    // libsndfile knows the file's format and it has channels and a rate.
    bool isOpen() const;
    Failure failure() const;
    // The whole sound's length in frames as the file declares it (0 when it does not say), or as
    // far as a read found it when it ran out of frames before that.
    std::uint64_t frameCount() const;
    // The file is damaged or cut short: its sound data chunk runs past the file's end, or a read ran
    // out of frames well before the length the file declares.
    bool cutShort() const;
    double samplerate() const;
    unsigned channels() const;

    // The bytes one frame takes in what read gives.
    std::size_t frameBytes() const;
    // Moves to a frame, so that the next read starts there: sought where the format can, else
    // decoded through. Returns the frame it reached, short of the one asked for where the sound ends.
    std::uint64_t seek(std::uint64_t frame);
    // Fills the sample with at most maxFrames frames from where the last read ended (the start, at
    // first); returns how many it holds.
    std::size_t read(PcmFrames& out, std::size_t maxFrames);

private:
    void open();
    std::uint64_t declaredFrames() const;

    struct File;
    std::unique_ptr<File> m_file;
    Failure m_failure = Failure::None;
};

} // namespace audio
