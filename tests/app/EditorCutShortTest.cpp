// A sound file that breaks off before the length its header declares, imported in the window: the
// slot takes what the file holds, and the status line and a warning say how long that is and
// that the file is damaged or cut short.
#include "EditorFixture.h"

namespace {

using EditorCutShortTest = EditorFixture;

TEST_F(EditorCutShortTest, TheImportLineAndTheWarningSayTheSoundEndedEarly)
{
    make("tone.flac", "sox -n -r 44100 -c 1 -b 16", "synth 1 sine 300");
    const std::string cut = make("cut.flac", "head -c 5000 " + path("tone.flac") + " >");
    selectRow(4);
    const Bytes before = editor->workBank(4).getContent(2)->getData();
    shown.clear();
    paths = {cut};
    importWithApply("button_openContents_2");
    const std::string line = textOf("text_status");
    EXPECT_TRUE(line.starts_with("cut.flac: 0.")) << line;
    EXPECT_TRUE(line.ends_with(" s, padded to 0.74 s with silence (Classic); the file is damaged or cut short"))
        << line;
    EXPECT_EQ(shown, (Texts{kOpenSound, "warning|Damaged or Cut Short|" + line + "|OK|"}));
    EXPECT_NE(editor->workBank(4).getContent(2)->getData(), before);
}

} // namespace
