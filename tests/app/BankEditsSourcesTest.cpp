// Sounds dropped into slots one after another, with a budget of kept sources that holds two of
// them: the third lets the oldest go, the status line says so, and that slot keeps its bytes.
#include "WorkingBanksFixture.h"

#include "app/banks/BankEdits.h"
#include "app/files/FilePanels.h"
#include "app/settings/ImportPreferences.h"
#include "app/settings/Settings.h"
#include "tests/support/RecordingSoundOutput.h"
#include "tests/support/SoundFileFolder.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

namespace {

class BankEditsSourcesTest : public testing::Test {
protected:
    // One second of 44.1 kHz 16-bit mono: 88,200 bytes decoded.
    static constexpr std::size_t kSoundBytes = 88200;

    KeptAlerts dialogs;
    QTemporaryDir folder;
    Settings settings{folder.filePath(QStringLiteral("settings.ini"))};
    QWidget window;
    QMenu menu;
    FilePanels panels{dialogs, settings};
    ImportPreferences preferences{settings, window, menu, nullptr};
    WorkingBanks banks{nullptr, 2 * kSoundBytes + kSoundBytes / 2};
    RecordingSoundOutput output;
    BankEdits edits{dialogs, panels, preferences, banks, output, window};
    SoundFileFolder sounds;
};

TEST_F(BankEditsSourcesTest, PastTheBudgetTheOldestSourceGoesAndTheStatusLineSaysSo)
{
    QSignalSpy status(&edits, &BankEdits::status);
    for (const int slot : {0, 1, 2}) {
        const std::string name = "tone" + std::to_string(slot) + ".wav";
        edits.import(4, slot,
                     sounds.synth(name, "-r 44100 -c 1 -b 16", "synth 1 sine " + std::to_string(300 + 100 * slot)));
        ASSERT_EQ(status.size(), slot + 1);
        ASSERT_NE(banks.source(4, static_cast<std::uint16_t>(slot)), nullptr) << slot;
    }
    EXPECT_TRUE(dialogs.alerts.empty());
    const std::string last = status.last().at(0).toString().toStdString();
    EXPECT_EQ(last, "tone2.wav: 1.00 s, cut to 0.74 s to fit CLAP (Classic) To stay within 0 MB of kept sources, the "
                    "oldest was let go: its slot is plain bytes now, and shaping it again starts from those.");
    EXPECT_EQ(status.at(1).at(0).toString().toStdString().find("let go"), std::string::npos);
    EXPECT_EQ(banks.source(4, 0), nullptr);
    EXPECT_NE(banks.bank(4).getContent(0)->getData(), banks.factoryBank(4).getContent(0)->getData())
        << "the slot keeps its bytes";
}

} // namespace
