#pragma once

#include "audio/PcmFrames.h"
#include "bytes/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Reads the sample data of a WAV (RIFF/WAVE) or AIFF (FORM/AIFF) file, held in memory as it was
// read once from its source, in the file's own format with every value made little-endian. Chunk
// walks start at byte 12, skip the pad byte after an odd-length body, and leave the read position
// where they found it.
class PcmFileReader : public ByteReader {
public:
    // The file's bytes, which must outlive the reader.
    explicit PcmFileReader(std::span<const std::uint8_t> bytes);

    // A RIFF/WAVE file, or any FORM file (AIFF, AIFF-C, or another form type).
    bool isAudioFile() const;
    // Integer PCM WAV (plain, or extensible with a PCM sub-format) or uncompressed AIFF.
    bool isPcmFile() const;

    // Fills the sample with at most maxBytes data bytes (0: as many as the file holds) and returns
    // how many it holds; 0, with the data emptied, when no sample data can be found.
    std::size_t read(audio::PcmFrames& sample, std::size_t maxBytes);
    // The format read would give the sample, without its data: to size a read before making it.
    bool readFormat(audio::PcmFrames& format);

    bool readWave(audio::PcmFrames& sample, std::size_t maxBytes);
    // The SSND offset bytes are left out of the sample; maxBytes counts them all the same.
    bool readAiff(std::uint32_t& offset, std::uint32_t& blockSize, audio::PcmFrames& sample, std::size_t maxBytes);
    bool readFmtChunk(std::uint16_t& format, double& samplerate, std::uint16_t& channels, std::uint16_t& bits);
    bool readCommChunk(double& samplerate, std::uint16_t& channels, std::uint16_t& bits);

    std::uint32_t m_fileType = 0; // four-character code of bytes 0 to 3
    std::uint32_t m_formType = 0; // four-character code of bytes 8 to 11
    std::uint16_t m_formatTag = 0; // WAV "fmt " format code; 0 for other files
    std::uint16_t m_subFormatTag = 0; // format code inside an extensible WAV's sub-format; else 0
    std::uint64_t m_dataLength = 0; // sample data bytes the file holds, read or not; set by read
    std::uint64_t m_declaredLength = 0; // sample data bytes the header declares, whether the bytes hold them or not
    std::uint64_t m_dataStart = 0; // where the sample data starts in the file; 0 when not known

private:
    void probeHeader();
    // Walks from byte 12 to the body of the first chunk with this code; its length goes to length.
    bool findChunk(std::uint32_t code, bool bigEndian, std::uint32_t& length);
    std::uint16_t readSubFormat(std::uint32_t fmtLength);
};
