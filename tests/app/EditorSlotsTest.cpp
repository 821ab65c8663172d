// The slot rows as a musician uses them: waveforms, listening, drops and dragging a slot out.
#include "EditorFixture.h"

#include "app/sounds/WaveformView.h"
#include "app/sounds/Waveforms.h"
#include "audio/DeviceWave.h"
#include "tests/support/ScratchFolder.h"

#include <QLabel>
#include <QPushButton>

namespace {

class EditorSlotsFixture : public EditorFixture {
protected:
    Bytes waveform(const QString& view) { return control<WaveformView>("view_waveform_" + view).samples(); }
    // Each Play button's text, with + or - for being enabled.
    std::string playButtons()
    {
        std::string buttons;
        for (const QString tag : {"_0", "_1", "_2", "_3", "_4", "_5"}) {
            const auto& play = control<QPushButton>("button_playContents" + tag);
            buttons += (play.isEnabled() ? "+" : "-") + play.text().toStdString() + " ";
        }
        return buttons;
    }
};

TEST_F(EditorSlotsFixture, WaveformsFollowTheBankAndTheSelectedSlotIsShownLarge)
{
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(waveform(QString::number(index)), slot(4, index));
    EXPECT_EQ(waveform("selected"), slot(4, 0));
    QTest::mouseClick(&control("view_waveform_5"), Qt::LeftButton);
    EXPECT_EQ(waveform("selected"), slot(4, 5));
    EXPECT_TRUE(control<WaveformView>("view_waveform_5").isSelected());
    EXPECT_FALSE(control<WaveformView>("view_waveform_0").isSelected());

    // Another bank, an import, a reset: redrawn each time; the firmware bank has no sound to show.
    selectRow(7);
    EXPECT_EQ(waveform("2"), slot(7, 2));
    EXPECT_EQ(waveform("selected"), slot(7, 5));
    importWithApply(2, make("short.wav", "sox -n -r 33000 -c 1 -b 8 -e unsigned-integer", "synth 0.05 sine 300"));
    EXPECT_EQ(waveform("2"), slot(7, 2));
    EXPECT_NE(slot(7, 2), editor->defaultBank(7).getContent(2)->getData());
    click("button_reset");
    EXPECT_EQ(waveform("2"), editor->defaultBank(7).getContent(2)->getData());
    selectRow(31);
    EXPECT_EQ(waveform("0"), Bytes());
    EXPECT_EQ(waveform("selected"), Bytes());
}

TEST_F(EditorSlotsFixture, PlayTogglesAnotherPlayStopsTheFirstAndSpacePlaysTheSelectedSlot)
{
    EXPECT_EQ(playButtons(), "+Play +Play +Play +Play +Play +Play ");
    click("button_playContents_1");
    EXPECT_EQ(sound.played, std::vector<Bytes>{slot(4, 1)});
    EXPECT_EQ(playButtons(), "+Play +Stop +Play +Play +Play +Play ");
    click("button_playContents_1");
    settle();
    EXPECT_FALSE(sound.playing());
    EXPECT_EQ(playButtons(), "+Play +Play +Play +Play +Play +Play ");

    click("button_playContents_0");
    click("button_playContents_4");
    settle();
    EXPECT_EQ(sound.played.size(), 3u);
    EXPECT_EQ(sound.played.back(), slot(4, 4));
    EXPECT_EQ(playButtons(), "+Play +Play +Play +Play +Stop +Play ");
    sound.finish();
    settle();
    EXPECT_EQ(playButtons(), "+Play +Play +Play +Play +Play +Play ");

    QTest::mouseClick(&control("view_waveform_3"), Qt::LeftButton);
    QTest::keyClick(editor.get(), Qt::Key_Space);
    EXPECT_EQ(sound.played.back(), slot(4, 3));
    EXPECT_TRUE(sound.playing());
    // Another bank stops what played: its row now shows another sound.
    selectRow(9);
    settle();
    EXPECT_FALSE(sound.playing());
    EXPECT_EQ(playButtons(), "+Play +Play +Play +Play +Play +Play ");
    selectRow(31);
    EXPECT_EQ(playButtons(), "-Play -Play -Play -Play -Play -Play ");
    EXPECT_EQ(control("button_playContents_0").toolTip().toStdString(), "A firmware slot holds no sound");
}

TEST_F(EditorSlotsFixture, APlayThatFailsSaysWhyInTheStatusLineUntilTheNextPlaySaysWhatPlays)
{
    click("button_playContents_2");
    EXPECT_EQ(statusLine(), "Playing \"" + slotName(4, 2) + "\"");
    sound.fail({PlaybackFailure::Kind::Failed, "default", {}, "Broken pipe"});
    settle();
    EXPECT_EQ(playButtons(), "+Play +Play +Play +Play +Play +Play ");
    EXPECT_EQ(statusLine(),
              "Could not play \"" + slotName(4, 2) + "\": the ALSA device \"default\" failed (Broken pipe)");
    click("button_playContents_3");
    EXPECT_EQ(statusLine(), "Playing \"" + slotName(4, 3) + "\"");
}

TEST_F(EditorSlotsFixture, WithoutASoundOutputThePlayButtonsAreDisabledAndSayWhy)
{
    RecordingSoundOutput none({PlaybackFailure::Kind::Unopenable, "default", {}, "No such file or directory"});
    const std::string why = "No sound output: the ALSA device \"default\" cannot be opened (No such file or directory)";
    editor = std::make_unique<EditorWindow>(*this, system, settings, none, kit);
    editor->show();
    EXPECT_EQ(playButtons(), "-Play -Play -Play -Play -Play -Play ");
    EXPECT_EQ(control("button_playContents_2").toolTip().toStdString(), why);
    press(Qt::Key_Space, Qt::NoModifier);
    EXPECT_TRUE(none.played.empty());
    // Pressed anyway, by the keyboard or the mouse, the button says why in the status line.
    EXPECT_EQ(statusLine(), why);
    control<QLabel>("text_status").clear();
    click("button_playContents_4");
    EXPECT_EQ(statusLine(), why);
    editor.reset();
}

TEST_F(EditorSlotsFixture, DroppedSoundsFillSlotsFromTheRowUnderThePointerAndABankFileOpens)
{
    const std::string kick = make("kick.wav", "sox -n -r 44100 -c 2 -b 16", "synth 0.1 sine 60");
    const std::string hat = make("hat.flac", "sox -n -r 48000 -c 1 -b 16", "synth 0.2 noise");
    const std::string ride = make("ride.aiff", "sox -n -r 22050 -c 1 -b 16", "synth 0.3 sine 900");

    EXPECT_TRUE(drop("textfield_contentNames_1", {kick}));
    EXPECT_EQ(slotName(4, 1), "kick.wav");
    EXPECT_EQ(statusLine(), "kick.wav: 0.10 s, padded to 0.25 s with silence (Classic)");

    // Dropped on the RIDE row's waveform, three files: two slots follow from the CRASH row.
    EXPECT_TRUE(drop("view_waveform_4", {hat, ride, kick}));
    EXPECT_EQ(slotName(4, 4), "hat.flac");
    EXPECT_EQ(slotName(4, 5), "ride.aiff");
    EXPECT_EQ(statusLine(), "ride.aiff: 0.30 s, padded to 0.99 s with silence (Classic) (1 more file left "
                            "out: the bank has no more slots)");
    EXPECT_EQ(waveform("5"), slot(4, 5));

    // Away from the slot rows only a bank file lands, and it opens as Open… opens it; the bank's
    // name field never takes a file's address.
    EXPECT_FALSE(drop("tableview_banks", {kick}));
    EXPECT_FALSE(drop("textfield_bankName", {kick}));
    EXPECT_EQ(textOf("textfield_bankName"), bankName(4));
    EXPECT_TRUE(drop("tableview_banks", {bankFile("all.mid")}));
    EXPECT_EQ(tableRow(4), "file bank 4");
    EXPECT_EQ(waveform("1"), editor->defaultBank(4).getContent(1)->getData());
    // The imports are unsaved work: the window asks first, as Open… does.
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_THAT(shown.front(), StartsWith("question|Save changes?|"));
}

TEST_F(EditorSlotsFixture, FilesDroppedOnFirmwareSlotsGoInOnlyAsTheirMessagesAndARefusalNamesItsFile)
{
    // The factory presets and operating system, as zylox export writes them, and a bank file beside them.
    const Bytes presets = editor->defaultBank(31).getContent(0)->getData();
    const Bytes os = editor->defaultBank(31).getContent(1)->getData();
    write("p.syx", presets);
    write("os.syx", os);
    const std::string kit = bankFile("kit.mid", 4);
    selectRow(31);
    EXPECT_TRUE(drop("textfield_contentNames_0", {path("p.syx"), path("os.syx")}));
    EXPECT_EQ(editor->workBank(31).getContentNames(), (std::vector<std::string>{"p.syx", "os.syx"}));
    EXPECT_TRUE(shown.empty());

    // Each slot's message in the other slot, and a bank file beside a message: the slots keep what they hold.
    EXPECT_TRUE(drop("textfield_contentNames_0", {path("os.syx"), path("p.syx")}));
    EXPECT_TRUE(drop("textfield_contentNames_0", {path("p.syx"), kit}));
    EXPECT_EQ(slot(31, 0), presets);
    EXPECT_EQ(slot(31, 1), os);
    EXPECT_EQ(editor->workBank(31).getContentNames(), (std::vector<std::string>{"p.syx", "os.syx"}));
    EXPECT_EQ(shown, (Texts{"critical|Import Failed|\u201Cos.syx\u201D holds the OS message; PRESETS takes the PRESETS "
                            "message, which begins F0 31 40 38 00, for flash block 62.|OK|",
                            "critical|Import Failed|\u201Cp.syx\u201D holds the PRESETS message; OS takes the OS "
                            "message, which begins F0 31 7F 38 10, for flash block 63.|OK|",
                            "critical|Import Failed|\u201Ckit.mid\u201D is a bank file, not a System Exclusive "
                            "message; OS takes one ZYLOX 515 System Exclusive message of 1,024 to 131,078 bytes for "
                            "flash block 63. Open it with Open\u2026 to load its banks.|OK|"}));
}

TEST_F(EditorSlotsFixture, ADraggedWaveformLeavesAsTheWavFileZyloxExportWrites)
{
    selectRow(12);
    auto* waveforms = editor->findChild<Waveforms*>();
    ASSERT_NE(waveforms, nullptr);
    const std::unique_ptr<QMimeData> data(waveforms->exportedSlot(3));
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->urls().size(), 1);
    const std::string file = data->urls().front().toLocalFile().toStdString();
    EXPECT_THAT(file, EndsWith("/S13 RIM SHOT.wav"));
    EXPECT_EQ(ScratchFolder::read(file), audio::deviceWave(slot(12, 3)));
    selectRow(31);
    EXPECT_EQ(waveforms->exportedSlot(0), nullptr);
}

} // namespace
