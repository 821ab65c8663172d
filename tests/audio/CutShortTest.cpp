// Files whose sound ends before the length their header declares, through each decoder: the
// import keeps what they hold, says how long that is, and says the file is damaged or cut short
// (whole files of every format never say so: SoundImport.OtherSoundFormats...). And an MP3 that
// starts with zero padding decodes.
#include "audio/SlotImport.h"
#include "audio/SoundFormat.h"
#include "audio/SoundSummary.h"

#include "tests/audio/EncodedCopies.h"
#include "tests/audio/ShapeSounds.h"
#include "tests/support/Bytes.h"
#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr std::size_t kSlot = 32768; // 0.99 s at the device's rate: more than any cut file here holds
using shape_sounds::soundEnd;

struct CutShort : testing::Test {
    audio::ImportResult import(const Bytes& file, Bytes& slot) const
    {
        slot.assign(kSlot, 0x11);
        return audio::importSlot(file, {}, slot);
    }
    Bytes head(const std::string& name, std::size_t bytes) const
    {
        const Bytes whole = SoundFileFolder::read(folder.path(name));
        EXPECT_GT(whole.size(), bytes) << name;
        return Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(std::min(bytes, whole.size())));
    }

    const SoundFileFolder folder;
};

TEST_F(CutShort, EveryDecoderKeepsWhatTheFileHoldsAndSaysItIsCutShort)
{
    // A second of a tone at 44.1 kHz: WAV and AIFF through our reader, the rest through libsndfile.
    const std::string noise = folder.synth("noise.wav", "-r 44100 -c 1 -b 16", "synth 1 sine 300 gain -3");
    encodeCopies(folder, noise,
                 {"noise.aiff", "float.wav -e floating-point -b 32", "float.aifc -e floating-point -b 32", "noise.flac",
                  "noise.w64", "noise.au", "noise.ogg", "noise.opus"});

    // Cut, each keeps the sound it holds: the slot's sound ends where the line says the file's does.
    const std::pair<const char*, std::size_t> cuts[]
        = {{"noise.wav", 30000}, {"noise.aiff", 30000}, {"float.wav", 30000}, {"float.aifc", 30000},
           {"noise.flac", 5000}, {"noise.w64", 30000},  {"noise.au", 30000}};
    for (const auto& [name, bytes] : cuts) {
        SCOPED_TRACE(name);
        Bytes slot;
        const audio::ImportResult cut = import(head(name, bytes), slot);
        ASSERT_TRUE(cut);
        EXPECT_TRUE(cut.cutShort);
        EXPECT_GT(cut.length, 1000u);
        EXPECT_LT(cut.length, 33000u * bytes / SoundFileFolder::read(folder.path(name)).size() + 100);
        EXPECT_NEAR(static_cast<double>(soundEnd(slot)), static_cast<double>(cut.length), 8.0);
        EXPECT_TRUE(
            cut.describeInNamedSlot(name).ends_with(" with silence (Classic); the file is damaged or cut short"))
            << cut.describeInNamedSlot(name);
    }

    // Cut before its first frame ends, a file holds nothing to keep: it did not decode; nor do cut
    // Ogg Vorbis and Opus files, whose decoders keep nothing of a cut stream.
    folder.synth("hiss.flac", "-r 44100 -c 1 -b 16", "synth 1 whitenoise");
    for (const auto& [name, bytes] :
         {std::pair{"hiss.flac", 5000}, std::pair{"noise.ogg", 3000}, std::pair{"noise.opus", 3000}}) {
        SCOPED_TRACE(name);
        Bytes slot;
        const audio::ImportResult nothing = import(head(name, bytes), slot);
        EXPECT_EQ(nothing ? std::nullopt : std::optional(nothing.refusal), audio::ImportResult::Refusal::Undecodable);
        EXPECT_EQ(nothing.detail(), "the file is damaged or cut short");
        EXPECT_EQ(slot, Bytes(kSlot, 0x11));
    }
}

TEST_F(CutShort, AnMp3ThatStartsWithZeroPaddingDecodesAsItWouldWithout)
{
    const std::string tone = folder.synth("tone.wav", "-r 44100 -c 2 -b 16", "synth 0.5 sine 300");
    folder.run(tone + " " + folder.path("tone.mp3"));
    const Bytes mp3 = SoundFileFolder::read(folder.path("tone.mp3"));
    Bytes plain;
    ASSERT_TRUE(import(mp3, plain));
    // Its tag, as a tagger writes one: ten bytes of header, a body of 0x81 bytes, sizes in seven bits a byte.
    const Bytes tag = concat({{'I', 'D', '3', 4, 0, 0, 0, 0, 1, 1}, Bytes(0x81, 'T')});
    for (const auto& [before, zeros] :
         {std::pair{Bytes{}, std::size_t{1}}, std::pair{Bytes{}, std::size_t{1000}},
          std::pair{Bytes{}, audio::kMostMpegPadding}, std::pair{tag, std::size_t{300}}}) {
        SCOPED_TRACE(testing::Message() << before.size() << " bytes of tag, " << zeros << " zeros");
        const Bytes padded = concat({before, Bytes(zeros, 0), mp3});
        EXPECT_EQ(audio::recogniseSound(padded), audio::SoundFormat::Other);
        Bytes slot;
        const audio::ImportResult result = import(padded, slot);
        ASSERT_TRUE(result);
        EXPECT_FALSE(result.cutShort);
        EXPECT_EQ(slot, plain);
        EXPECT_EQ(audio::summariseSoundFile(folder.write("padded.mp3", padded)).kind, audio::SoundSummary::Kind::Sound);
    }
    // Zeros before no sound, or too many of them, are not an MP3.
    EXPECT_EQ(audio::recogniseSound(concat({Bytes(100, 0), Bytes(2000, 'x')})), audio::SoundFormat::Unknown);
    EXPECT_EQ(audio::recogniseSound(concat({Bytes(audio::kMostMpegPadding + 1, 0), mp3})), audio::SoundFormat::Unknown);
    EXPECT_EQ(audio::recogniseSound(Bytes(5000, 0)), audio::SoundFormat::Unknown);
}

} // namespace
