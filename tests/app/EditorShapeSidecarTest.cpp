// A saved set remembers where its shaped slots came from: opening its bank file again finds their
// sources, unless a slot or its source changed since, and then the slot is plain bytes, said so.
#include "EditorFixture.h"

#include "app/document/WorkingBanks.h"
#include "app/files/ShapeSidecar.h"
#include "model/SoundBank.h"

#include <filesystem>

namespace {

using EditorShapeSidecarTest = EditorFixture;

TEST_F(EditorShapeSidecarTest, OpeningASavedSetFindsTheSourcesOfItsShapedSlotsUnlessTheyChanged)
{
    const std::string kick = make("kick.wav", "sox -n -r 44100 -c 1 -b 16", "synth 0.3 sine 60");
    ASSERT_TRUE(drop("textfield_contentNames_1", {kick}));
    const auto& banks = *editor->findChild<WorkingBanks*>();
    ASSERT_NE(banks.source(4, 1), nullptr);
    const auto dropped = banks.source(4, 1)->sound;
    paths = {path("kit.mid")};
    click("button_save");
    ASSERT_TRUE(std::filesystem::exists(path("kit.zylox.json")));

    openFile(path("kit.mid"));
    const SlotSource* found = banks.source(4, 1);
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found->sound, dropped) << "the source must come from the file, not stay from before";
    EXPECT_EQ(found->path, kick);
    EXPECT_EQ(found->sound->frames.frameCount(), dropped->frames.frameCount());
    EXPECT_EQ(banks.source(4, 0), nullptr);
    // Every source found: the open says only what it did.
    EXPECT_EQ(statusLine(), "Opened kit.mid into S05");

    // Another program wrote the bank file since: the slot is no longer what the shape made.
    SoundBank factory(4);
    ASSERT_TRUE(BankFile().saveBank(factory, path("kit.mid")));
    openFile(path("kit.mid"));
    EXPECT_EQ(banks.source(4, 1), nullptr);
    EXPECT_EQ(statusLine(),
              "Opened kit.mid into S05. 1 shaped slot opens as plain bytes: its source changed or is gone.");

    // The source itself changed since the save.
    paths = {path("kit.mid")};
    ASSERT_TRUE(drop("textfield_contentNames_1", {kick}));
    saveChangesReply = AlertReply::Default;
    click("button_save");
    make("kick.wav", "sox -n -r 44100 -c 1 -b 16", "synth 0.5 sine 80");
    openFile(path("kit.mid"));
    EXPECT_EQ(banks.source(4, 1), nullptr);
    EXPECT_EQ(statusLine(),
              "Opened kit.mid into S05. 1 shaped slot opens as plain bytes: its source changed or is gone.");
}

} // namespace
