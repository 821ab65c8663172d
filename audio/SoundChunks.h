#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace audio {

// The chunks of a WAV (RIFF, RIFX, RF64, BW64) or AIFF (FORM) file, walked before libsndfile sees
// the file; of a W64 or AU file only whether its sound is all there. libsndfile trusts the sizes and counts inside the
// chunks it reads field by field, and some of its loops never end on one that claims more than its chunk holds (a LIST
// sub-chunk of 4 GB in a 104-byte file was enough), so a file whose chunks do not fit never reaches it.
class SoundChunks {
public:
    // Reads into the span from a byte offset of the file; returns how many bytes it read.
    using ReadAt = std::function<std::size_t(std::uint64_t offset, std::span<std::uint8_t> into)>;

    // Walks the file at once: at most kMostChunks chunks and sub-chunks, 8 bytes of each read.
    SoundChunks(const ReadAt& read, std::uint64_t fileSize);

    // Every chunk libsndfile reads field by field lies within the file, every LIST sub-chunk
    // within its LIST, every counted entry (cue points, sample loops, AIFF markers and comments)
    // within its chunk, and there are no more than kMostChunks. Files of other formats fit.
    bool fit() const { return m_fit; }
    // The sound data chunk (data, SSND, W64's data, an AU header's data size) declares more bytes
    // than the file holds: the file was cut short (or damaged) within its sound. A length of
    // 0xFFFFFFFF, "until the end", declares none.
    bool soundCut() const { return m_soundCut; }

    static constexpr int kMostChunks = 4096;

private:
    bool walkTop(std::uint64_t at);
    bool wave64SoundCut();
    bool walkList(std::uint64_t body, std::uint64_t length);
    bool entriesFit(std::uint32_t id, std::uint64_t body, std::uint64_t length);
    // AIFF markers (a 1-byte text length) and comments (2 bytes): a count, then entries with text.
    bool pascalEntriesFit(std::uint64_t body, std::uint64_t length, std::uint64_t textLengthBytes);
    // The 1 to 8 bytes at offset as a number in the file's byte order; false when the file ends first.
    bool number(std::uint64_t offset, std::size_t bytes, std::uint64_t& value) const;
    bool read(std::uint64_t offset, std::span<std::uint8_t> into) const;

    const ReadAt& m_read;
    std::uint64_t m_size;
    bool m_bigEndian = false;
    bool m_wave = false;
    std::uint64_t m_rf64DataLength = 0; // the 64-bit length an RF64 file's ds64 chunk gives its data
    int m_chunks = 0;
    bool m_fit = true;
    bool m_soundCut = false;
};

} // namespace audio
