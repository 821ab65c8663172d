// Fill Bank from Folder… as the user meets it: the File menu's item, the folder panel, the dialog
// worked by keys, and the bank as the undo history keeps it.

#include "EditorFixture.h"

#include "model/FactoryBank.h"
#include "soundlibrary/LoudnessMatch.h"
#include "soundlibrary/SlotLoudness.h"
#include "tests/support/SoundFileFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

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
        chooseItem();
        // Bounded by time, not by passes: under a sanitizer the folder's analysis outlasts many
        // quick passes of the event loop.
        if (!QTest::qWaitFor([this] { return dialog() != nullptr; }, 120000))
            throw std::runtime_error("no kit dialog: " + textOf("text_status"));
        return *dialog();
    }
    void chooseItem()
    {
        press(Qt::Key_F, Qt::AltModifier);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_F);
    }
    QDialog* dialog()
    {
        auto* found = editor->findChild<QDialog*>(QStringLiteral("dialog_kit"));
        return found != nullptr && found->isVisible() ? found : nullptr;
    }
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

    SoundFileFolder sounds;
};

TEST_F(EditorKitTest, FillsEverySlotAsProposedAsOneStepThatUndoesWhole)
{
    const Bytes before = imageOf(editor->workBank(kRow));
    QDialog& kit = fillFromFolder();
    EXPECT_EQ(shown.back(), "folder");
    EXPECT_EQ(inDialog<QComboBox>("combo_kitFile_0").currentText().toStdString(), "Open HiHat.wav");
    EXPECT_EQ(why(0), "name says 'open hat'");
    EXPECT_EQ(inDialog<QComboBox>("combo_kitFile_4").currentText().toStdString(), "crash 1.wav");
    // Every row offers the folder's sound files, the one no name points to among them.
    EXPECT_NE(inDialog<QComboBox>("combo_kitFile_2").findText(QStringLiteral("snare.wav")), -1);
    pressOk();
    EXPECT_FALSE(kit.isVisible());

    EXPECT_EQ(names(), "Open HiHat.wav|chh.wav|clap.wav|rim.wav|crash 1.wav|ride.wav|");
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_TRUE(soundlibrary::SlotLoudness::of(this->slot(kRow, slot))) << "slot " << slot << " is silent";
    EXPECT_TRUE(textOf("text_status").starts_with("Filled S06 from \u201Ckit\u201D: OPEN HI HAT: Open HiHat.wav"))
        << textOf("text_status");

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(imageOf(editor->workBank(kRow)), before);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names(), "Open HiHat.wav|chh.wav|clap.wav|rim.wav|crash 1.wav|ride.wav|");
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

TEST_F(EditorKitTest, CancelLeavesTheBankAndTheHistoryAsTheyWere)
{
    const Bytes before = imageOf(editor->workBank(kRow));
    QDialog& kit = fillFromFolder();
    QTest::keyClick(&kit, Qt::Key_Escape);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(imageOf(editor->workBank(kRow)), before);
    EXPECT_FALSE(editor->findChild<QMenu*>("menu_edit")->actions().front()->isEnabled());
}

TEST_F(EditorKitTest, MatchedLoudnessBringsTheSlotsTogetherUnlessHeld)
{
    fillFromFolder();
    QTest::keyClick(&inDialog<QCheckBox>("checkbox_matchLoudness"), Qt::Key_Space);
    pressOk();

    std::vector<double> figures;
    for (int slot = 0; slot < 6; ++slot) {
        const auto figure = soundlibrary::SlotLoudness::of(this->slot(kRow, slot));
        ASSERT_TRUE(figure) << "slot " << slot;
        figures.push_back(*figure);
    }
    // The files lie 20 dB apart; matched, they lie within the match's tolerance of the quietest.
    const auto [quietest, loudest] = std::minmax_element(figures.begin(), figures.end());
    EXPECT_LE(*loudest - *quietest, 2 * soundlibrary::LoudnessMatch::kTolerance) << textOf("text_status");
    EXPECT_NE(textOf("text_status").find("; gain "), std::string::npos) << textOf("text_status");
}

TEST_F(EditorKitTest, TheFirmwareBankRefusesAKitAndSaysWhy)
{
    selectRow(kFirmwareRow);
    const Bytes before = imageOf(editor->workBank(kFirmwareRow));
    paths.push_back(sounds.path("kit"));
    press(Qt::Key_F, Qt::AltModifier);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    auto& item = control<QAction>("menu_fillBank");
    EXPECT_FALSE(item.isEnabled());
    EXPECT_EQ(item.toolTip().toStdString(),
              "the firmware bank's slots hold messages, not sounds: a kit fills a sound bank");
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "folder"), 0);
    EXPECT_EQ(imageOf(editor->workBank(kFirmwareRow)), before);
}
