// Fill Bank from Folder… as the user meets it: the File menu's item, the folder panel, the dialog
// worked by keys, and the bank as the undo history keeps it; Export Bank as Sounds…; the slots' loudness in their rows,
// and Edit › Match Loudness….

#include "EditorFixture.h"

#include "app/sounds/Waveforms.h"
#include "audio/DeviceWave.h"
#include "model/FactoryBank.h"
#include "soundlibrary/LoudnessMatch.h"
#include "soundlibrary/LoudnessMeter.h"
#include "soundlibrary/SlotLoudness.h"
#include "tests/support/SoundFileFolder.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kRow = 5; // S06, a sound bank
constexpr int kFirmwareRow = 31;

} // namespace

class EditorKitTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        // Each slot's file louder or quieter than the next and of its own pitch, so a slot that took
        // another's file or another's gain differs from what it should hold.
        std::filesystem::create_directory(sounds.path("kit"));
        const char* names[] = {"Open HiHat.wav", "chh.wav", "clap.wav", "rim.wav", "crash 1.wav", "ride.wav"};
        for (int slot = 0; slot < 6; ++slot)
            sounds.synth(std::string("kit/") + names[slot], "-r 44100 -c 1 -b 16",
                         "synth 0.3 sine " + std::to_string(200 + 150 * slot) + " gain "
                             + std::to_string(-3 - 4 * slot));
        sounds.synth("kit/snare.wav", "-r 44100 -c 1 -b 16", "synth 0.2 whitenoise gain -6");
        selectRow(kRow);
    }

    // File › Fill Bank from Folder…, by its keys, answering the folder panel with the kit's folder;
    // returns once the folder has been read and the dialog is open.
    QDialog& fillFromFolder()
    {
        paths.push_back(sounds.path("kit"));
        menuKey(Qt::Key_F, Qt::Key_F);
        // Bounded by time, not by passes: under a sanitizer the folder's analysis outlasts many
        // quick passes of the event loop.
        if (!QTest::qWaitFor([this] { return dialog() != nullptr; }, 120000))
            throw std::runtime_error("no kit dialog: " + statusLine());
        return *dialog();
    }
    QDialog* dialog() { return shownDialog(QStringLiteral("dialog_kit")); }
    template <class Control> Control& inDialog(const QString& name)
    {
        auto* found = dialog() != nullptr ? dialog()->findChild<Control*>(name) : nullptr;
        return found != nullptr ? *found : throw std::runtime_error("no dialog control " + name.toStdString());
    }
    void pressOk()
    {
        QTest::mouseClick(inDialog<QDialogButtonBox>("buttons_kit").button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    std::string why(int slot) { return inDialog<QLabel>("text_kitWhy_" + QString::number(slot)).text().toStdString(); }
    std::string names()
    {
        std::string all;
        for (int slot = 0; slot < 6; ++slot)
            all += textOf("textfield_contentNames_" + QString::number(slot)) + "|";
        return all;
    }

    // Each slot's row once its figure is measured: what `zylox loudness` prints for the slot.
    std::string loudnessShown(int slot) { return textOf("text_slotLoudness_" + QString::number(slot)); }
    std::string loudnessOf(int row, int slot)
    {
        return soundlibrary::SlotLoudness::text(soundlibrary::SlotLoudness::of(this->slot(row, slot))).english();
    }
    bool loudnessShownFor(int row)
    {
        return QTest::qWaitFor(
            [&] {
                for (int slot = 0; slot < 6; ++slot)
                    if (loudnessShown(slot) != loudnessOf(row, slot))
                        return false;
                return true;
            },
            120000);
    }
    // Edit › Match Loudness…, by its keys; returns once its dialog is open.
    QDialog& matchLoudness()
    {
        menuKey(Qt::Key_E, Qt::Key_L);
        QDialog* found = shownDialog(QStringLiteral("dialog_matchLoudness"));
        if (found == nullptr)
            throw std::runtime_error("no Match Loudness dialog");
        // Its keys reach it as the window the user works in.
        QApplication::setActiveWindow(found);
        return *found;
    }
    std::vector<double> figures(int row)
    {
        std::vector<double> all;
        for (int slot = 0; slot < 6; ++slot)
            all.push_back(soundlibrary::SlotLoudness::of(this->slot(row, slot)).value_or(-HUGE_VAL));
        return all;
    }

    SoundFileFolder sounds;
};

TEST_F(EditorKitTest, FillsEverySlotAsProposedAsOneStepThatUndoesWholeAndExportsAsSoundsAndCancelChangesNothing)
{
    const Bytes before = imageOf(editor->workBank(kRow));
    QTest::keyClick(&fillFromFolder(), Qt::Key_Escape);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(imageOf(editor->workBank(kRow)), before);
    EXPECT_FALSE(editor->findChild<QMenu*>("menu_edit")->actions().front()->isEnabled());

    QDialog& kit = fillFromFolder();
    EXPECT_EQ(shown.back(), "folder");
    EXPECT_EQ(why(0), "name says 'open hat'");
    // Every row offers the folder's sound files, the one no name points to among them.
    EXPECT_NE(inDialog<QComboBox>("combo_kitFile_2").findText(QStringLiteral("snare.wav")), -1);
    pressOk();
    EXPECT_FALSE(kit.isVisible());

    EXPECT_EQ(names(), "Open HiHat.wav|chh.wav|clap.wav|rim.wav|crash 1.wav|ride.wav|");
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_TRUE(soundlibrary::SlotLoudness::of(this->slot(kRow, slot))) << "slot " << slot << " is silent";
    EXPECT_THAT(statusLine(), StartsWith("Filled S06 from \u201Ckit\u201D: OPEN HI HAT: Open HiHat.wav"));

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(imageOf(editor->workBank(kRow)), before);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names(), "Open HiHat.wav|chh.wav|clap.wav|rim.wav|crash 1.wav|ride.wav|");

    // Taken out again as sounds, into a folder the export makes; each slot's file and its name are
    // BankSoundFiles' own to prove.
    paths.push_back(sounds.path("out"));
    menuKey(Qt::Key_F, Qt::Key_X);
    EXPECT_EQ(statusLine(), "Exported S06 as 6 sound files into \u201Cout\u201D.");
    EXPECT_EQ(ScratchFolder::read(sounds.path("out/RIDE - ride.wav")), audio::deviceWave(this->slot(kRow, 5)));
}

// Edit › Copy Sound and Paste Sound by their keys, into slots of other lengths and another bank, and
// Swap Sounds from the Edit menu, and a slot dragged onto another: each one undo step. A plain slot's bytes are cut or
// padded with silence; a kit's file is made again from its kept source for the shorter slot.
TEST_F(EditorKitTest, ACopiedSoundIsPastedIntoAnySlotAndSwappedWithAnyEachAsOneStep)
{
    const auto copyAndPaste = [this](int from, int row, int into) {
        selectSlot(from);
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        selectRow(row);
        selectSlot(into);
        press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    };
    const Bytes ride = slot(kRow, 5); // a factory sound of 32,768 bytes, no source kept
    const Bytes rim = slot(kRow, 3); // 8,192 bytes
    // The Edit menu shown with nothing copied offers no Paste; closed again, the keys still work.
    QMenu& edit = openMenu(Qt::Key_E);
    EXPECT_FALSE(control<QAction>("menu_pasteSound").isEnabled());
    QTest::keyClick(&edit, Qt::Key_Escape);
    copyAndPaste(5, kRow, 1);
    EXPECT_EQ(slot(kRow, 1), Bytes(ride.begin(), ride.begin() + 0x2000));
    EXPECT_EQ(statusLine(), "Pasted the sound copied from S06 RIDE into S06 CLOSED HI HAT.");
    copyAndPaste(3, kRow + 1, 4);
    Bytes padded = rim;
    padded.resize(0x8000, 0x80);
    EXPECT_EQ(slot(kRow + 1, 4), padded);
    EXPECT_EQ(slotName(kRow + 1, 4), slotName(kRow, 3));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(slot(kRow + 1, 4), padded) << "one step";

    selectRow(kRow);
    fillFromFolder();
    pressOk();
    copyAndPaste(0, kRow, 1);
    const Bytes hat = slot(kRow, 0);
    EXPECT_EQ(names(), "Open HiHat.wav|Open HiHat.wav|clap.wav|rim.wav|crash 1.wav|ride.wav|");
    EXPECT_NE(slot(kRow, 1), Bytes(hat.begin(), hat.begin() + 0x2000)) << "made again, with the cut's fade";

    selectSlot(2);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    selectSlot(3);
    menuKey(Qt::Key_E, Qt::Key_W);
    EXPECT_EQ(names(), "Open HiHat.wav|Open HiHat.wav|rim.wav|clap.wav|crash 1.wav|ride.wav|");
    EXPECT_EQ(statusLine(), "Swapped the sounds of S06 CLAP and S06 RIM SHOT.");
    // Across two banks: each slot keeps its length, and one step takes back both banks' slots (as it
    // does two of one bank's: the swap puts both in one step either way).
    const Bytes nextRim = slot(kRow + 1, 3);
    const std::string nextRimName = slotName(kRow + 1, 3);
    selectRow(kRow + 1);
    selectSlot(3);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    selectRow(kRow);
    selectSlot(5);
    menuKey(Qt::Key_E, Qt::Key_W);
    EXPECT_EQ(statusLine(), "Swapped the sounds of S07 RIM SHOT and S06 RIDE.");
    EXPECT_EQ(names(), "Open HiHat.wav|Open HiHat.wav|rim.wav|clap.wav|crash 1.wav|" + nextRimName + "|");
    EXPECT_EQ(slotName(kRow + 1, 3), "ride.wav");
    EXPECT_EQ(slot(kRow + 1, 3).size(), nextRim.size());
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(slot(kRow + 1, 3), nextRim) << "one step for both banks";
    EXPECT_EQ(names(), "Open HiHat.wav|Open HiHat.wav|rim.wav|clap.wav|crash 1.wav|ride.wav|");

    // A slot's waveform dropped onto another slot's row copies the slot, not the file it leaves.
    const std::unique_ptr<QMimeData> dragged(editor->findChild<Waveforms*>()->exportedSlot(4));
    ASSERT_NE(dragged, nullptr);
    ASSERT_TRUE(drop("textfield_contentNames_5", *dragged));
    EXPECT_EQ(names(), "Open HiHat.wav|Open HiHat.wav|rim.wav|clap.wav|crash 1.wav|crash 1.wav|");
    EXPECT_EQ(slot(kRow, 5), slot(kRow, 4)) << "slots of one length: the same bytes";
    EXPECT_EQ(statusLine(), "Copied the sound of S06 CRASH into S06 RIDE.");

    selectRow(kFirmwareRow);
    selectSlot(0);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(statusLine(), "The firmware bank's slots hold messages, not sounds: only a sample slot's "
                            "sound is copied, pasted or swapped");
}

TEST_F(EditorKitTest, ARowChangedOrLeftInTheDialogIsWhatItsSlotGets)
{
    const Bytes ride = slot(kRow, 5);
    fillFromFolder();
    auto& first = inDialog<QComboBox>("combo_kitFile_0");
    first.setFocus();
    first.setCurrentIndex(first.findText(QStringLiteral("snare.wav")));
    EXPECT_EQ(why(0), "your choice");
    // Space on the row's file plays it as its slot will sound it.
    QTest::keyClick(&first, Qt::Key_Space);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played.back().size(), factory::kSlotLength[0]);
    auto& last = inDialog<QComboBox>("combo_kitFile_5");
    last.setFocus();
    QTest::keyClick(&last, Qt::Key_Home);
    EXPECT_EQ(why(5), "left as it is");
    pressOk();

    EXPECT_EQ(names(), "snare.wav|chh.wav|clap.wav|rim.wav|crash 1.wav|RIDE|");
    EXPECT_EQ(slot(kRow, 5), ride);
}

TEST_F(EditorKitTest, MatchedLoudnessBringsTheSlotsTogetherUnlessHeld)
{
    fillFromFolder();
    QTest::keyClick(&inDialog<QCheckBox>("checkbox_matchLoudness"), Qt::Key_Space);
    pressOk();

    // The files lie 20 dB apart; matched, they lie within the match's tolerance of the quietest (a
    // silent slot counts as infinitely quiet).
    const std::vector<double> all = figures(kRow);
    const auto [quietest, loudest] = std::minmax_element(all.begin(), all.end());
    EXPECT_LE(*loudest - *quietest, 2 * soundlibrary::LoudnessMatch::kTolerance) << statusLine();
    EXPECT_THAT(statusLine(), HasSubstr("; gain "));
}

TEST_F(EditorKitTest, TheFirmwareBankTakesNoKitNoExportAsSoundsNoLoudnessMatchAndTheItemsSayWhy)
{
    selectRow(kFirmwareRow);
    QMenu& file = openMenu(Qt::Key_F);
    const std::string firmware = "the firmware bank's slots hold messages, not sounds: ";
    for (const auto& [name, why] : std::vector<std::pair<QString, std::string>>{
             {"menu_fillBank", "a kit fills a sound bank"},
             {"menu_exportBankAsSounds", "only a sound bank is taken out as sounds"},
             {"button_matchLoudness", "only a sound bank's loudness is matched"}}) {
        EXPECT_FALSE(control<QObject>(name).property("enabled").toBool()) << name.toStdString();
        EXPECT_EQ(control<QObject>(name).property("toolTip").toString().toStdString(), firmware + why)
            << name.toStdString();
    }
    QTest::keyClick(&file, Qt::Key_Escape);
    EXPECT_FALSE(control<QAction>("menu_matchLoudness").isEnabled());
    selectRow(kRow);
    EXPECT_TRUE(control("button_matchLoudness").isEnabled());
}

TEST_F(EditorKitTest, EachSlotsRowShowsItsLoudnessAsTheDevicePlaysItAndFollowsItsChanges)
{
    ASSERT_TRUE(soundlibrary::LoudnessMeter::available());
    ASSERT_TRUE(loudnessShownFor(kRow)) << loudnessShown(0);
    EXPECT_THAT(loudnessShown(0), HasSubstr(" LUFS"));
    EXPECT_EQ(control<QLabel>("text_slotLoudness_3").accessibleName().toStdString(),
              "Loudness of slot 4, " + editor->workBank(kRow).getContentLabel(3) + ": " + loudnessOf(kRow, 3));
    // A kit put in, then taken back: each row follows its slot's new bytes.
    fillFromFolder();
    pressOk();
    ASSERT_TRUE(loudnessShownFor(kRow)) << loudnessShown(0);
    press(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(loudnessShownFor(kRow)) << loudnessShown(0);
    // The firmware bank's slots hold no sound: no figure stands in their rows.
    selectRow(kFirmwareRow);
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_FALSE(control<QLabel>("text_slotLoudness_" + QString::number(slot)).isVisible()) << slot;
}

TEST_F(EditorKitTest, MatchLoudnessBringsTheBanksSlotsToTheQuietestAsOneStep)
{
    // The factory's slots keep no file: each is turned down from its own bytes.
    const Bytes before = imageOf(editor->workBank(kRow));
    const std::vector<double> was = figures(kRow);
    QDialog& dialog = matchLoudness();
    QTest::keyClick(&dialog, Qt::Key_Return);
    const std::vector<double> now = figures(kRow);
    const double quietest = *std::min_element(was.begin(), was.end());
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_NEAR(now[static_cast<std::size_t>(slot)], quietest, soundlibrary::LoudnessMatch::kTolerance)
            << slot << ": " << statusLine();
    EXPECT_THAT(statusLine(), StartsWith("Matched S06 to "));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(imageOf(editor->workBank(kRow)), before);
}

TEST_F(EditorKitTest, MatchLoudnessToATypedFigureHoldsAndNamesTheSlotsThatCannotReachIt)
{
    // A kit's slots keep their files and are rendered again from them, louder or quieter.
    fillFromFolder();
    pressOk();
    QDialog& dialog = matchLoudness();
    QTest::keyClick(&dialog, Qt::Key_L, Qt::AltModifier);
    auto& field = *dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spinbox_targetLoudness"));
    // A radio button's key clicks it as the mouse would, a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.hasFocus(); }, 10000));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, QStringLiteral("0"));
    QTest::keyClick(&field, Qt::Key_Return);
    const std::vector<double> now = figures(kRow);
    const std::string status = statusLine();
    // Which slots are held, and the words saying so, are LoudnessMatch's; the line names the slots
    // held, one part each, and no other.
    const auto missed = std::count_if(now.begin(), now.end(), [](double figure) {
        return std::abs(figure) > soundlibrary::LoudnessMatch::kTolerance;
    });
    std::ptrdiff_t held = 0;
    for (std::size_t at = status.find("held at"); at != std::string::npos; at = status.find("held at", at + 1))
        ++held;
    EXPECT_EQ(held, missed) << status;
    // Even a sine at full scale reads under 0 LUFS: louder, every slot would clip, and is held.
    EXPECT_GT(held, 0) << status;
    EXPECT_THAT(status, StartsWith("Matched S06 to 0.0 LUFS: OPEN HI HAT: gain "));
    // One step: the kit is as it was before the match.
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(names(), "Open HiHat.wav|chh.wav|clap.wav|rim.wav|crash 1.wav|ride.wav|");
}
