#include "audio/ZQAudioFileReader.h"

#include "SoundFileFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Values that fill the whole range of the width, in a fixed order.
Bytes rawSamples(std::size_t count, unsigned width)
{
    Bytes bytes;
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < count * width; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.push_back(static_cast<std::uint8_t>(state >> 16));
    }
    return bytes;
}

struct Read {
    bool audio = false;
    bool pcm = false;
    std::size_t length = 0;
    audio::sample sample;
};

Read readFile(const std::string& path, std::size_t maxBytes = 0)
{
    ZQAudioFileReader reader(path);
    Read result;
    result.audio = reader.isAudioFile();
    result.pcm = reader.isPcmFile();
    result.length = reader.read(result.sample, maxBytes);
    return result;
}

Bytes chunk(const char* tag, const Bytes& body, bool bigEndian)
{
    Bytes bytes;
    appendTag(bytes, tag);
    bigEndian ? appendBig(bytes, body.size(), 4) : appendLittle(bytes, body.size(), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        bytes.push_back(0);
    }
    return bytes;
}

Bytes container(const char* fileType, const char* formType, const std::vector<Bytes>& chunks)
{
    Bytes bytes;
    appendTag(bytes, fileType);
    appendLittle(bytes, 0, 4);
    appendTag(bytes, formType);
    for (const Bytes& c : chunks) {
        bytes.insert(bytes.end(), c.begin(), c.end());
    }
    return bytes;
}

Bytes fmtBody(std::uint16_t format, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    Bytes body;
    appendLittle(body, format, 2);
    appendLittle(body, channels, 2);
    appendLittle(body, rate, 4);
    appendLittle(body, rate * channels * ((bits + 7) / 8), 4);
    appendLittle(body, channels * ((bits + 7) / 8), 2);
    appendLittle(body, bits, 2);
    return body;
}

Bytes extensibleFmtBody(std::uint16_t subFormat, std::uint16_t channels, std::uint16_t bits)
{
    Bytes body = fmtBody(0xFFFE, channels, 48000, bits);
    appendLittle(body, 22, 2);
    appendLittle(body, bits, 2);
    appendLittle(body, 0, 4);
    appendLittle(body, subFormat, 2);
    const Bytes guidRest = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    body.insert(body.end(), guidRest.begin(), guidRest.end());
    return body;
}

const Bytes rate44100 = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};

Bytes commBody(std::uint16_t channels, std::uint16_t bits, const Bytes& rate = rate44100)
{
    Bytes body;
    appendBig(body, channels, 2);
    appendBig(body, 0, 4);
    appendBig(body, bits, 2);
    body.insert(body.end(), rate.begin(), rate.end());
    return body;
}

Bytes ssndBody(std::uint32_t offset, const Bytes& data)
{
    Bytes body;
    appendBig(body, offset, 4);
    appendBig(body, 0, 4);
    body.insert(body.end(), data.begin(), data.end());
    return body;
}

struct WavCase {
    unsigned bits;
    unsigned channels;
    unsigned rate;
    const char* type;
    std::uint16_t formatTag;
};

TEST(ZQAudioFileReader, ReadsSoxWavFilesAsTheirRawSamples)
{
    const SoundFileFolder folder;
    const WavCase cases[] = {
        {8, 1, 16500, "wavpcm", 1},   {8, 2, 22050, "wavpcm", 1},  {16, 1, 44100, "wavpcm", 1},
        {16, 2, 48000, "wav", 1},     {16, 6, 96000, "wav", 0xFFFE}, {16, 6, 32000, "wavpcm", 1},
        {24, 1, 44100, "wav", 0xFFFE}, {24, 2, 88200, "wavpcm", 1}, {32, 2, 96000, "wav", 0xFFFE},
        {32, 1, 33000, "wavpcm", 1},
    };
    for (const WavCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.bits) + " bits, " + std::to_string(c.channels) + " channels, " + c.type);
        const Bytes raw = rawSamples(300 * c.channels, c.bits / 8);
        const std::string encoding = c.bits == 8 ? "unsigned-integer" : "signed-integer";
        const std::string path = folder.sox(raw,
            "-r " + std::to_string(c.rate) + " -c " + std::to_string(c.channels) + " -b " + std::to_string(c.bits)
                + " -e " + encoding,
            "in.wav", std::string("-t ") + c.type);

        ZQAudioFileReader reader(path);
        EXPECT_EQ(reader.m_formatTag, c.formatTag);
        EXPECT_TRUE(reader.isAudioFile());
        EXPECT_TRUE(reader.isPcmFile());
        audio::sample s;
        ASSERT_EQ(reader.read(s, 0), raw.size());
        EXPECT_EQ(Bytes(s.begin(), s.end()), raw);
        EXPECT_EQ(s.m_channels, c.channels);
        EXPECT_EQ(s.m_samplerate, c.rate);
        EXPECT_EQ(s.m_bitrate, c.bits);
        EXPECT_EQ(s.m_byterate, c.bits / 8);
        EXPECT_EQ(s.m_unsigned8Bit, c.bits == 8);
        EXPECT_EQ(reader.read(s, 100), 100u);
    }
}

TEST(ZQAudioFileReader, ReadsSoxAiffFilesWithWordsMadeLittleEndian)
{
    const SoundFileFolder folder;
    for (const unsigned bits : {8u, 16u, 24u}) {
        SCOPED_TRACE(std::to_string(bits) + " bits");
        const Bytes raw = rawSamples(2 * 250, bits / 8);
        const std::string path = folder.sox(raw, "-r 22050 -c 2 -e signed-integer -b " + std::to_string(bits),
                                            "in.aiff");
        const Read result = readFile(path);
        EXPECT_TRUE(result.audio);
        EXPECT_TRUE(result.pcm);
        ASSERT_EQ(result.length, raw.size());
        EXPECT_EQ(Bytes(result.sample.begin(), result.sample.end()), raw);
        EXPECT_EQ(result.sample.m_samplerate, 22050.0);
        EXPECT_EQ(result.sample.m_channels, 2);
        EXPECT_EQ(result.sample.m_bitrate, bits);
        EXPECT_FALSE(result.sample.m_unsigned8Bit);
    }
}

TEST(ZQAudioFileReader, RefusesCompressedAndFloatingPointFiles)
{
    const SoundFileFolder folder;
    const Bytes raw(400, 0);
    const std::string aifc = folder.sox(raw, "-r 44100 -c 1 -b 16 -e signed-integer", "in.aifc");
    const std::string floatWav = folder.sox(raw, "-r 44100 -c 1 -b 32 -e floating-point", "float.wav");
    const std::string extensibleFloat = folder.write("xfloat.wav",
        container("RIFF", "WAVE", {chunk("fmt ", extensibleFmtBody(3, 1, 32), false), chunk("data", raw, false)}));
    for (const auto& path : {aifc, floatWav, extensibleFloat}) {
        SCOPED_TRACE(path);
        const Read result = readFile(path);
        EXPECT_TRUE(result.audio);
        EXPECT_FALSE(result.pcm);
    }
    EXPECT_EQ(readFile(aifc).length, 0u);
}

TEST(ZQAudioFileReader, ExtensibleWavWithPcmSubFormatIsPcm)
{
    const SoundFileFolder folder;
    const Bytes data = {1, 2, 3, 4, 5, 6};
    const auto path = folder.write("x.wav",
        container("RIFF", "WAVE", {chunk("fmt ", extensibleFmtBody(1, 1, 24), false), chunk("data", data, false)}));
    const Read result = readFile(path);
    EXPECT_TRUE(result.pcm);
    EXPECT_EQ(Bytes(result.sample.begin(), result.sample.end()), data);
    EXPECT_EQ(result.sample.m_bitrate, 24);
    EXPECT_EQ(result.sample.m_samplerate, 48000.0);

    // Too short to carry a sub-format: not known to be PCM.
    Bytes shortBody = extensibleFmtBody(1, 1, 24);
    shortBody.resize(30);
    EXPECT_FALSE(readFile(folder.write("y.wav", container("RIFF", "WAVE", {chunk("fmt ", shortBody, false)}))).pcm);
}

TEST(ZQAudioFileReader, OddLengthChunksArePadded)
{
    const SoundFileFolder folder;
    const Bytes data = {0x10, 0x00, 0x20, 0x00};
    const Bytes text = {'a', 'b', 'c'};
    const auto wav = folder.write("odd.wav", container("RIFF", "WAVE",
        {chunk("LIST", text, false), chunk("fmt ", fmtBody(1, 1, 44100, 16), false), chunk("id3 ", text, false),
         chunk("data", data, false)}));
    const Read w = readFile(wav);
    EXPECT_TRUE(w.pcm);
    EXPECT_EQ(Bytes(w.sample.begin(), w.sample.end()), data);

    const auto aiff = folder.write("odd.aiff", container("FORM", "AIFF",
        {chunk("NAME", text, true), chunk("COMM", commBody(1, 16), true), chunk("ANNO", text, true),
         chunk("SSND", ssndBody(0, {0x00, 0x10, 0x00, 0x20}), true)}));
    const Read a = readFile(aiff);
    EXPECT_EQ(Bytes(a.sample.begin(), a.sample.end()), data);
    EXPECT_EQ(a.sample.m_samplerate, 44100.0);
}

TEST(ZQAudioFileReader, MissingOrTruncatedPartsGiveNoDataOrWhatIsThere)
{
    const SoundFileFolder folder;
    const auto fmt = chunk("fmt ", fmtBody(1, 1, 44100, 16), false);
    const Read noData = readFile(folder.write("nodata.wav", container("RIFF", "WAVE", {fmt})));
    EXPECT_TRUE(noData.pcm);
    EXPECT_EQ(noData.length, 0u);
    EXPECT_TRUE(noData.sample.empty());

    const Read noFmt = readFile(folder.write("nofmt.wav", container("RIFF", "WAVE", {chunk("data", {1, 2}, false)})));
    EXPECT_TRUE(noFmt.audio);
    EXPECT_FALSE(noFmt.pcm);
    EXPECT_EQ(noFmt.length, 0u);

    Bytes truncated = container("RIFF", "WAVE", {fmt, chunk("data", Bytes(100, 7), false)});
    truncated.resize(truncated.size() - 60);
    EXPECT_EQ(readFile(folder.write("short.wav", truncated)).length, 40u);

    // A data length of 4 GiB in a tiny file allocates no more than the file holds.
    Bytes huge = container("RIFF", "WAVE", {fmt});
    appendTag(huge, "data");
    appendLittle(huge, 0xFFFFFFF0, 4);
    huge.insert(huge.end(), {1, 2, 3, 4});
    EXPECT_EQ(readFile(folder.write("huge.wav", huge)).length, 4u);

    const Read noComm = readFile(folder.write("nocomm.aiff",
        container("FORM", "AIFF", {chunk("SSND", ssndBody(0, {1, 2}), true)})));
    EXPECT_TRUE(noComm.pcm);
    EXPECT_EQ(noComm.length, 0u);

    const Read missing = readFile(folder.path("does-not-exist.wav"));
    EXPECT_FALSE(missing.audio);
    EXPECT_FALSE(missing.pcm);
    EXPECT_EQ(missing.length, 0u);
}

TEST(ZQAudioFileReader, ProbeTellsContainersApart)
{
    const SoundFileFolder folder;
    EXPECT_FALSE(readFile(folder.write("short", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A'})).audio);
    EXPECT_FALSE(readFile(folder.write("avi", container("RIFF", "AVI ", {chunk("LIST", {1, 2}, false)}))).audio);
    const Read form = readFile(folder.write("form", container("FORM", "8SVX", {})));
    EXPECT_TRUE(form.audio);
    EXPECT_FALSE(form.pcm);
    EXPECT_EQ(form.length, 0u);
    const Read text = readFile(folder.write("text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'}));
    EXPECT_FALSE(text.audio);
    EXPECT_FALSE(text.pcm);
}

TEST(ZQAudioFileReader, SsndOffsetIsRemovedBeforeTheWordsAreSwapped)
{
    const SoundFileFolder folder;
    const auto comm = chunk("COMM", commBody(1, 16), true);
    const auto aiff = [&](const std::string& name, const Bytes& ssnd) {
        return readFile(folder.write(name, container("FORM", "AIFF", {comm, chunk("SSND", ssnd, true)})));
    };
    const Read four = aiff("four", ssndBody(4, {9, 9, 9, 9, 0x12, 0x34, 0x56, 0x78}));
    EXPECT_EQ(Bytes(four.sample.begin(), four.sample.end()), (Bytes{0x34, 0x12, 0x78, 0x56}));

    const Read one = aiff("one", ssndBody(1, {9, 0x12, 0x34, 0x56, 0x78, 0x9A}));
    EXPECT_EQ(Bytes(one.sample.begin(), one.sample.end()), (Bytes{0x34, 0x12, 0x78, 0x56}));

    EXPECT_EQ(aiff("beyond", ssndBody(100, {1, 2, 3, 4})).length, 0u);
    EXPECT_EQ(aiff("stub", {0, 0, 0, 0}).length, 0u);

    // The limit counts the offset bytes.
    ZQAudioFileReader reader(folder.path("four"));
    audio::sample s;
    EXPECT_EQ(reader.read(s, 6), 2u);
}

TEST(ZQAudioFileReader, DecodesExtendedRates)
{
    const SoundFileFolder folder;
    const std::pair<Bytes, double> rates[] = {
        {rate44100, 44100.0},
        {{0x40, 0x0E, 0xBB, 0x80, 0, 0, 0, 0, 0, 0}, 48000.0},
        {{0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}, 22050.0},
        {Bytes(10, 0), 2.0},
    };
    for (const auto& [bytes, rate] : rates) {
        const auto path = folder.write("rate.aiff", container("FORM", "AIFF",
            {chunk("COMM", commBody(1, 8, bytes), true), chunk("SSND", ssndBody(0, {1}), true)}));
        EXPECT_EQ(readFile(path).sample.m_samplerate, rate);
    }
}

TEST(ZQAudioFileReader, OddWidthsReadAsTheirContainers)
{
    const SoundFileFolder folder;
    const auto wav = folder.write("12.wav", container("RIFF", "WAVE",
        {chunk("fmt ", fmtBody(1, 1, 44100, 12), false), chunk("data", {0xF0, 0x7F}, false)}));
    const Read w = readFile(wav);
    EXPECT_EQ(w.sample.m_bitrate, 16);
    EXPECT_EQ(w.sample.getValue(0, 0), 0x7FF0);

    const auto aiff = folder.write("20.aiff", container("FORM", "AIFF",
        {chunk("COMM", commBody(1, 20), true), chunk("SSND", ssndBody(0, {0x80, 0x00, 0x10}), true)}));
    const Read a = readFile(aiff);
    EXPECT_EQ(a.sample.m_bitrate, 24);
    EXPECT_EQ(a.sample.getValue(0, 0), -8388608 + 16);

    const auto fourBit = folder.write("4.wav", container("RIFF", "WAVE",
        {chunk("fmt ", fmtBody(1, 1, 44100, 4), false), chunk("data", {0x90}, false)}));
    const Read f = readFile(fourBit);
    EXPECT_EQ(f.sample.m_bitrate, 8);
    EXPECT_TRUE(f.sample.m_unsigned8Bit);
}

} // namespace
