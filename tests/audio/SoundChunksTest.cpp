// The walk of WAV and AIFF chunks before libsndfile sees a file: files whose chunks nest as they
// should pass, and any one size or count that reaches past its parent stops the file, whatever
// else it holds. The fuzzers' finds, on which libsndfile's parser spun without end, are refused
// at once by the import, the decoder and the browser's summary.
#include "audio/SoundChunks.h"
#include "audio/SlotImport.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundSummary.h"

#include "tests/audio/SoundFileBytes.h"
#include "tests/support/Bytes.h"
#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Refusal = audio::ImportResult::Refusal;
using sound_file_bytes::number;

audio::SoundChunks walk(const Bytes& file, std::uint64_t size = 0)
{
    const audio::SoundChunks::ReadAt read = [&file](std::uint64_t offset, std::span<std::uint8_t> into) {
        const std::size_t count = offset < file.size() ? std::min<std::size_t>(into.size(), file.size() - offset) : 0;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), count, into.begin());
        return count;
    };
    return audio::SoundChunks(read, size != 0 ? size : file.size());
}

// Files made of random chunks that all fit, each remembering where the sizes and counts the walk
// checks stand and the least value that reaches past their parent, so that a test can make any
// one of them claim too much.
class RandomFile {
public:
    enum class Kind { Riff, Rifx, Rf64, Aiff };
    struct Field {
        std::size_t at;
        unsigned width;
        std::uint64_t least; // 0: a top-level chunk's size, which reaches past the file's end
    };

    RandomFile(std::mt19937& random, Kind kind)
        : m_random(random)
        , m_kind(kind)
    {
        const bool aiff = kind == Kind::Aiff;
        const char* head = kind == Kind::Riff   ? "RIFF"
                           : kind == Kind::Rifx ? "RIFX"
                           : kind == Kind::Rf64 ? "RF64"
                                                : "FORM";
        m_bytes = concat(
            {Bytes(head, head + 4), number(0, 4, big()), aiff ? Bytes{'A', 'I', 'F', 'F'} : Bytes{'W', 'A', 'V', 'E'}});
        if (kind == Kind::Rf64)
            add("ds64", concat({Bytes(8, 0), number(0, 8, false), Bytes(12, 0)}), true);
        for (int chunks = pick(0, 5); chunks > 0; --chunks) {
            switch (pick(0, 3)) {
            case 0:
                // Chunks the walk does not look into may even reach past the end.
                add(aiff ? "ANNO" : "junk", text(pick(0, 40)), false);
                break;
            case 1:
                aiff ? addEntries("MARK", 1) : addList();
                break;
            case 2:
                aiff ? addEntries("COMT", 2) : addCounted("cue ", 4, 24);
                break;
            default:
                aiff ? add("APPL", text(pick(0, 9)), false) : addCounted("smpl", 36, 24);
                break;
            }
        }
        m_dataLength = static_cast<std::size_t>(pick(1, 300));
        add(aiff ? "SSND" : "data", text(m_dataLength), false);
        for (Field& field : m_fields)
            field.least = field.least != 0 ? field.least : m_bytes.size() - (field.at + 4) + 1;
    }

    const Bytes& bytes() const { return m_bytes; }
    const std::vector<Field>& fields() const { return m_fields; }
    std::size_t dataLength() const { return m_dataLength; }
    bool big() const { return m_kind == Kind::Rifx || m_kind == Kind::Aiff; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }
    Bytes text(std::size_t length)
    {
        Bytes bytes(length);
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(pick('a', 'z'));
        return bytes;
    }
    void add(const char* tag, const Bytes& body, bool checked)
    {
        if (checked)
            m_fields.push_back({m_bytes.size() + 4, 4, 0});
        m_bytes
            = concat({m_bytes, Bytes(tag, tag + 4), number(body.size(), 4, big()), body, Bytes(body.size() % 2, 0)});
    }
    void addList()
    {
        const std::size_t body = m_bytes.size() + 8;
        Bytes list = pick(0, 1) ? Bytes{'I', 'N', 'F', 'O'} : Bytes{'a', 'd', 't', 'l'};
        std::vector<std::size_t> sizes;
        for (int sub = pick(0, 4); sub > 0; --sub) {
            const Bytes inner = text(pick(0, 20));
            sizes.push_back(body + list.size() + 4);
            list = concat(
                {list, {'I', 'N', 'A', 'M'}, number(inner.size(), 4, big()), inner, Bytes(inner.size() % 2, 0)});
        }
        for (const std::size_t at : sizes)
            m_fields.push_back({at, 4, body + list.size() - (at + 4) + 1});
        add("LIST", list, true);
    }
    void addCounted(const char* tag, std::size_t fixed, std::size_t entry)
    {
        const auto count = static_cast<std::size_t>(pick(0, 3));
        Bytes body = text(fixed + count * entry);
        const std::size_t countAt = fixed == 4 ? 0 : 28;
        std::copy_n(number(count, 4, big()).begin(), 4, body.begin() + static_cast<std::ptrdiff_t>(countAt));
        m_fields.push_back({m_bytes.size() + 8 + countAt, 4, count + 1});
        add(tag, body, true);
    }
    // AIFF markers and comments: a count, then entries whose text length stands at byte 6.
    void addEntries(const char* tag, unsigned lengthBytes)
    {
        const auto count = static_cast<std::size_t>(pick(0, 3));
        const std::size_t body = m_bytes.size() + 8;
        Bytes entries = number(count, 2, true);
        m_fields.push_back({body, 2, count + 1});
        std::vector<std::size_t> lengths;
        for (std::size_t i = 0; i < count; ++i) {
            const Bytes name = text(pick(0, 7));
            lengths.push_back(body + entries.size() + 6);
            const Bytes entry = concat({Bytes(6, 1), number(name.size(), lengthBytes, true), name});
            entries = concat({entries, entry, Bytes(entry.size() % 2, 0)});
        }
        for (const std::size_t at : lengths)
            m_fields.push_back({at, lengthBytes, body + entries.size() - at - lengthBytes + 1});
        add(tag, entries, true);
    }

    std::mt19937& m_random;
    Kind m_kind;
    Bytes m_bytes;
    std::vector<Field> m_fields;
    std::size_t m_dataLength = 0;
};

TEST(SoundChunks, ChunksThatFitPassAndAnyOneSizeOrCountBeyondItsParentIsRefused)
{
    std::mt19937 random(28);
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        const RandomFile file(random, static_cast<RandomFile::Kind>(round % 4));
        SCOPED_TRACE(testing::Message() << "round " << round);
        const audio::SoundChunks whole = walk(file.bytes());
        ASSERT_TRUE(whole.fit());
        EXPECT_FALSE(whole.soundCut());
        // Cut within its sound, the file still fits, and says it was cut.
        const auto missing = static_cast<std::ptrdiff_t>(file.dataLength() % 2 + file.dataLength() / 2 + 1);
        const Bytes cut(file.bytes().begin(), file.bytes().end() - missing);
        EXPECT_TRUE(walk(cut).fit());
        EXPECT_TRUE(walk(cut).soundCut());
        // Of the first bytes of a longer file, nothing is said to be cut.
        EXPECT_FALSE(walk(cut, file.bytes().size()).soundCut());
        for (const RandomFile::Field& field : file.fields()) {
            const std::uint64_t most = (std::uint64_t{1} << (8 * field.width)) - 1;
            if (field.least > most)
                continue;
            // The least that does not fit half of the time: a walk one byte off lets it through.
            const std::uint64_t claim
                = random() % 2 ? field.least : std::uniform_int_distribution<std::uint64_t>(field.least, most)(random);
            Bytes bad = file.bytes();
            std::copy_n(number(claim, field.width, file.big()).begin(), field.width,
                        bad.begin() + static_cast<std::ptrdiff_t>(field.at));
            EXPECT_FALSE(walk(bad).fit()) << "field at " << field.at << " claims " << claim;
            ++refused;
        }
    }
    EXPECT_GT(refused, 1000);
}

TEST(SoundChunks, LengthsThatMeanUntilTheEndAndOtherFormatsPass)
{
    const Bytes fmt = concat({{'f', 'm', 't', ' ', 16, 0, 0, 0, 3, 0, 1, 0, 0x44, 0xAC, 0, 0}, Bytes(8, 0)});
    const Bytes riff{'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0xFF, 'W', 'A', 'V', 'E'};
    // A streaming writer's data of no known length, and an RF64 file whose ds64 chunk says how long it is.
    const Bytes streamed = concat({riff, fmt, {'d', 'a', 't', 'a', 0xFF, 0xFF, 0xFF, 0xFF}, Bytes(100, 1)});
    EXPECT_TRUE(walk(streamed).fit());
    EXPECT_FALSE(walk(streamed).soundCut());
    const Bytes ds64 = concat({{'d', 's', '6', '4', 28, 0, 0, 0}, Bytes(8, 0), number(1000, 8, false), Bytes(12, 0)});
    const Bytes rf64 = concat({{'R', 'F', '6', '4', 0xFF, 0xFF, 0xFF, 0xFF, 'W', 'A', 'V', 'E'},
                               ds64,
                               fmt,
                               {'d', 'a', 't', 'a', 0xFF, 0xFF, 0xFF, 0xFF}});
    EXPECT_TRUE(walk(concat({rf64, Bytes(1000, 1)})).fit());
    EXPECT_FALSE(walk(concat({rf64, Bytes(1000, 1)})).soundCut());
    EXPECT_TRUE(walk(concat({rf64, Bytes(999, 1)})).soundCut());
    // Trailing bytes that are no chunk (an ID3 tag of a tagger), a chunk of no interest past the end.
    EXPECT_TRUE(
        walk(concat({riff, fmt, {'d', 'a', 't', 'a', 2, 0, 0, 0, 1, 2}, {'T', 'A', 'G', 'x', 'y', 'z', 'w', 'v'}}))
            .fit());
    for (const Bytes& other : {Bytes{'f', 'L', 'a', 'C', 0, 0, 0, 0x22}, Bytes{}, Bytes(5000, 0)})
        EXPECT_TRUE(walk(other).fit());
    // More chunks than any sound file holds.
    Bytes many = riff;
    for (int i = 0; i <= audio::SoundChunks::kMostChunks; ++i)
        many = concat({many, {'j', 'u', 'n', 'k', 0, 0, 0, 0}});
    EXPECT_FALSE(walk(many).fit());
}

Bytes fromHex(const std::string& hex)
{
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// The fuzzers' finds. Each of them kept libsndfile's parser busy for ever: the import and the
// browser's summary never returned. Now each is refused at once as damaged.
TEST(SoundChunks, TheFuzzersFindsAreDamagedFilesForTheImportTheDecoderAndTheSummary)
{
    const SoundFileFolder folder;
    const Bytes finds[] = {
        // A LIST chunk that claims more than the file holds.
        fromHex("5249464600000000574156454c4953540300ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"
                "fffffffffffffffff7ffffffffffffffffffffffffffffffffffffffffffffffffffff00006162000000000006000f94"
                "1b337d6c0000000000000035000000090000663d6d74"),
        // A float WAV of 157 bytes whose LIST fits, but whose sub-chunk claims nearly 4 GB.
        sound_file_bytes::chunked(
            "WAVE",
            {sound_file_bytes::fmt(3, 1, 44100, 32),
             {"LIST", concat({{'I', 'N', 'F', 'O', 'I', 'K', 'E', 'Y', 0xF8, 0xFF, 0xFF, 0xFF}, Bytes(24, 'x')})},
             {"data", Bytes(60, 0)}},
            {'i', 'd', '3', ' ', 1, 0, 0, 0, 0}),
    };
    for (const Bytes& find : finds) {
        SCOPED_TRACE(find.size());
        EXPECT_FALSE(walk(find).fit());
        EXPECT_EQ(audio::SoundFileDecoder(find).failure(), audio::SoundFileDecoder::Failure::Damaged);
        Bytes slot(8192, 0x11);
        const audio::ImportResult result = audio::importSlot(find, {}, slot);
        EXPECT_EQ(result ? std::nullopt : std::optional(result.refusal), Refusal::Undecodable);
        EXPECT_EQ(result.detail(), "the file is damaged or cut short");
        EXPECT_EQ(slot, Bytes(8192, 0x11));
        EXPECT_EQ(audio::summariseSoundFile(folder.write("find.wav", find)).kind, audio::SoundSummary::Kind::NotASound);
    }
    EXPECT_EQ(finds[1].size(), 157u);
}

} // namespace
