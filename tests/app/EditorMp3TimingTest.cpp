// An MP3 hit whose header states the encoder's delay and padding, imported into a slot in the
// window: its sound starts on the byte its WAV's does, and the status line says the source's length.
#include "EditorFixture.h"

#include <algorithm>
#include <cstdlib>

namespace {

using EditorMp3TimingTest = EditorFixture;

// The first byte an eighth of full scale off the zero line: above any encoder's pre-echo.
std::ptrdiff_t onset(const Bytes& slot)
{
    return std::find_if(slot.begin(), slot.end(), [](std::uint8_t byte) { return std::abs(byte - 0x80) >= 16; })
           - slot.begin();
}

TEST_F(EditorMp3TimingTest, AnMp3HitStartsInTheSlotWhereItsWavDoes)
{
    const std::string wav
        = make("hat.wav", "sox -D -R -n -r 44100 -c 1 -b 16", "synth 0.03 whitenoise gain -3 pad 0.2 0.2");
    const std::string mp3 = make("hat.mp3", "sox -D -R " + wav + " -C -2");
    selectRow(4);
    paths = {wav};
    importWithApply("button_openContents_2");
    const Bytes fromWav = slot(4, 2);
    paths = {mp3};
    importWithApply("button_openContents_2");
    // The hit comes 0.2 s into the slot, as the WAV's does, and the line says so.
    EXPECT_TRUE(textOf("text_status")
                    .starts_with("hat.mp3: 0.43 s, padded to 0.74 s with silence (Classic) Late: the hit starts at "
                                 "0.20 s of 0.74 s"))
        << textOf("text_status");
    const Bytes fromMp3 = slot(4, 2);
    // Within 0.1 ms, the encoding's pre-echo, where the delay was a flam of 25 ms.
    EXPECT_NEAR(onset(fromWav), 0.2 * 33000, 3);
    EXPECT_NEAR(onset(fromMp3), onset(fromWav), 3);
}

} // namespace
