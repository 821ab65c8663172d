// The window without MIDI outputs: start-up, the slot rows, editing, reset, bank files and imports.
#include "EditorFixture.h"

#include <filesystem>
#include <map>
#include <tuple>

namespace {

using EditorTest = EditorFixture;

std::string resetQuestion(const std::string& bank)
{
    return "question|Reset to Default|Give the bank \"" + bank
           + "\" back its factory name and sounds? What it holds now is replaced.|Reset|Cancel|Enter: Cancel";
}

const Texts kSoundSlots{"OPEN HI HAT|OPEN HI HAT|+++",
                        "CLOSED HI HAT|CLOSED HI HAT|+++",
                        "CLAP|CLAP|+++",
                        "RIM SHOT|RIM SHOT|+++",
                        "CRASH|CRASH|+++",
                        "RIDE|RIDE|+++"};

TEST_F(EditorTest, StartsWithTheFactoryBanksAndS05SelectedAndShowsEachBanksSlotRows)
{
    auto& table = control<QTableView>("tableview_banks");
    ASSERT_EQ(table.model()->rowCount(), 32);
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(tableRow(row), editor->defaultBank(row).getName());
    EXPECT_TRUE(table.selectionModel()->isRowSelected(4));
    EXPECT_EQ(textOf("textfield_bankName"), "S05");
    EXPECT_EQ(slotRows(), kSoundSlots);
    EXPECT_EQ(controls(), "--+- ");

    selectRow(4, Qt::ControlModifier); // the table keeps one row selected
    EXPECT_TRUE(table.selectionModel()->isRowSelected(4));
    EXPECT_FALSE(control("text_firmwareSlots").isVisible());
    selectRow(31);
    EXPECT_EQ(slotRows(), (Texts{"PRESETS|PRESETS|++-", "OS|OS|++-", "||---", "||---", "||---", "||---"}));
    // The firmware bank says what its two slots hold in place of the rows it does not have.
    EXPECT_EQ(textOf("text_firmwareSlots"), "PRESETS: the device's preset memory, block 62 (130,950 bytes)\n"
                                            "OS: the device's operating system, block 63 (114,182 bytes)");
    EXPECT_TRUE(control("text_firmwareSlots").isVisible());
    EXPECT_TRUE(control("view_waveform_1").isVisible());
    for (const char* hidden : {"textfield_contentNames_2", "button_playContents_3", "view_waveform_5"})
        EXPECT_FALSE(control(hidden).isVisible()) << hidden;
    selectRow(2);
    EXPECT_EQ(slotRows(), kSoundSlots);
    EXPECT_FALSE(control("text_firmwareSlots").isVisible());
    EXPECT_TRUE(control("view_waveform_5").isVisible());
}

TEST_F(EditorTest, OneBankFileOpensOntoItsOwnRowAndOntoAnotherOnlyAfterABeepAndAChoiceOfRow)
{
    // The bank by the file's own name for it, not the name S08 has in the window.
    const std::string question = "question|Different Banks!|The file contains data for bank: \"file bank 7\" (S08).\n"
                                 "Load it into the selected bank \"file bank 4\" (S05) or into S08? What that bank "
                                 "holds now is replaced.|Load into S05|Cancel|Load into S08|Enter: Cancel";
    paths = {bankFile("s05.mid", 4), bankFile("s08.mid", 7), path("s08.mid")};
    click("button_load");
    EXPECT_EQ(tableRow(4), "file bank 4");
    EXPECT_EQ(statusLine(), "Opened s05.mid into S05");
    reply = AlertReply::Alternate;
    click("button_load");
    EXPECT_EQ(tableRow(4), "file bank 4");
    EXPECT_EQ(imageOf(editor->workBank(4)), imageOf(editor->defaultBank(4)));
    EXPECT_EQ(statusLine(), "Opened s05.mid into S05");

    reply = AlertReply::Default;
    click("button_load");
    EXPECT_EQ(shown, (Texts{"open mid", "open mid", "beep", question, "open mid", "beep", question}));
    EXPECT_EQ(editor->workBank(4).getIndex(), 4);
    EXPECT_EQ(tableRow(4), "file bank 7");
    EXPECT_EQ(imageOf(editor->workBank(4)), imageOf(editor->defaultBank(7)));
    EXPECT_EQ(tableRow(7), "S08");
    EXPECT_EQ(statusLine(), "Opened s08.mid into S05");
}

TEST_F(EditorTest, FileOfAllBanksGivesTheCurrentBankItsOwnOrEveryRowAndAFileWithoutBanksNone)
{
    selectRow(12);
    paths = {make("notes.mid", "printf 'not a bank file' >"), "", bankFile("all.mid"), bankFile("all.mid")};
    click("button_load");
    EXPECT_EQ(statusLine(), "Not opened: notes.mid holds no sound bank");
    click("button_load"); // cancelled
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(tableRow(row), editor->defaultBank(row).getName());
    // Current bank: the row takes its own bank from the file, and the file does not become the
    // set's, so that no Save puts the other banks over the file's own.
    click("button_load");
    EXPECT_EQ(statusLine(), "Opened S13 from all.mid");
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(tableRow(row), row == 12 ? "file bank 12" : editor->defaultBank(row).getName());
    EXPECT_EQ(title(), "Untitled[*]");
    click("radiobutton_options_1");
    click("button_load");
    EXPECT_EQ(shown,
              (Texts{"open mid",
                     "warning|Wrong File Format|notes.mid holds no sound bank for a Tarvo ZYLOX "
                     "515: it is not a bank file, or it is damaged.|OK|",
                     "open mid", "open mid",
                     saveChangesQuestion("The bank \"file bank 12\" has", "opening another bank file"), "open mid"}));
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(tableRow(row), "file bank " + std::to_string(row));
    EXPECT_EQ(textOf("textfield_bankName"), "file bank 12");
}

TEST_F(EditorTest, SavesTheCurrentBankOrAllBanksAndReportsAFailedSave)
{
    selectRow(9);
    type("textfield_bankName", "Saved kit");
    paths = {path("one.mid"), path("all.mid"), path("one.mid"), path("all.mid"), path("missing/s01.mid")};
    click("button_save"); // the first save of an untitled set asks where
    EXPECT_EQ(statusLine(), "Saved one.mid (S10)");
    click("radiobutton_options_1");
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(statusLine(), "Saved all.mid (all banks)");
    click("button_reset");
    EXPECT_EQ(tableRow(9), "S10");
    click("button_load");
    EXPECT_EQ(tableRow(9), "Saved kit");
    click("button_reset");
    selectRow(0); // a file of one bank would bring a question here
    click("button_load");
    EXPECT_EQ(tableRow(9), "Saved kit");
    EXPECT_EQ(tableRow(0), "S01 - factory -");

    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const std::string unsaved = saveChangesQuestion("The bank \"S10\" has", "opening another bank file");
    EXPECT_EQ(shown, (Texts{"save mid", "save mid", resetQuestion("Saved kit"), unsaved, "open mid",
                            resetQuestion("Saved kit"), unsaved, "open mid", "save mid",
                            "critical|Save Failed|The bank file \"s01.mid\" could not be written: No such file or "
                            "directory.|OK|"}));
    EXPECT_TRUE(control("button_save").isEnabled());
    EXPECT_FALSE(std::filesystem::exists(path("missing")));
    EXPECT_EQ(statusLine(), "Not saved: The bank file \"s01.mid\" could not be written: No such file or "
                            "directory.");
}

TEST_F(EditorTest, SaveWritesTheFileTheBanksCameFromWithTheBanksItHolds)
{
    // A one-bank file loaded into S10, All banks chosen or not, holds S10's bank from then on; a
    // change elsewhere stays unsaved.
    click("radiobutton_options_1");
    selectRow(9);
    openFile(bankFile("s05.mid", 4));
    type("textfield_bankName", "Kit in S10");
    selectRow(6);
    type("textfield_bankName", "Kit in S07");
    press(Qt::Key_S, Qt::ControlModifier);
    const std::unique_ptr<IBank> saved(editor->defaultBank(0).clone());
    ASSERT_TRUE(BankFile().openBank(*saved, path("s05.mid")));
    EXPECT_EQ(saved->getIndex(), 9);
    EXPECT_EQ(saved->getName(), "Kit in S10");
    EXPECT_EQ(title(), "s05.mid[*]");
    EXPECT_TRUE(editor->isWindowModified());
    // The star stays, and the line says why.
    EXPECT_EQ(statusLine(),
              "Saved s05.mid (S10). S07 stays unsaved: s05.mid does not hold it (Save As\u2026 writes it).");
    selectRow(11);
    type("textfield_bankName", "Kit in S12");
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(statusLine(),
              "Saved s05.mid (S10). S07, S12 stay unsaved: s05.mid does not hold them (Save As\u2026 writes them).");
    EXPECT_EQ(shown.size(), 3u); // open, beep, Different Banks!: no save panel
}

TEST_F(EditorTest, ImportTakesPcmFilesAndRawOnesAfterAskingAndKeepsTheSlotOnAnythingElse)
{
    const std::string undecodable = "critical|Wrong File Format|ZYLOX 515 Editor cannot decode the format of "
                                    "\u201Codd.wav\u201D. It imports WAV, AIFF, AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, "
                                    "AU, CAF and W64 sounds.|OK|Load Raw";
    const std::string damaged = "critical|Wrong File Format|\u201Craw.mp3\u201D could not be decoded: the file is "
                                "damaged or cut short.|OK|Load Raw";
    const std::string unreadable = "critical|Import Failed|\u201Cgone.wav\u201D could not be read.|OK|";
    const std::string needs = "; OS takes one ZYLOX 515 System Exclusive message of 1,024 to 131,078 bytes for flash "
                              "block 63.";
    const std::string shortMessage = "critical|Import Failed|\u201Cshort.syx\u201D holds a System Exclusive message of "
                                     "5 bytes"
                                     + needs + "|OK|";
    // A hit 0.2 s into the file: the line says it starts late.
    const std::string late = make("late.wav", "sox -n -r 44100 -c 1 -b 16", "synth 0.03 sine 300 pad 0.2 0.2");
    // A WAV file of a format no decoder knows (0x1234): refused, its bytes offered as raw data.
    const std::string odd
        = make("odd.wav", "printf 'RIFF\\050\\0\\0\\0WAVEfmt \\020\\0\\0\\0\\064\\022\\001\\0\\104\\254\\0\\0"
                          "\\210\\130\\001\\0\\002\\0\\020\\0data\\004\\0\\0\\0\\001\\002\\003\\004' >");
    // Raw bytes that begin like an MP3 frame: refused as a sound, taken as raw bytes when the user asks.
    const std::string mp3 = make("raw.mp3", "{ printf '\\377\\373\\220\\144'; head -c 1996 /dev/zero; } >");
    const std::string text = make("notes.txt", "printf 'plain text, taken as samples' >");
    // A header without a frame: refused at once, not shaped in a panel with nothing to show.
    const std::string hollow = make("hollow.wav", "sox -n -r 44100 -c 1 -b 16", "trim 0 0");
    const std::string syx = make("short.syx", "printf '\\360\\061\\176\\070\\367' >");
    // The status line after each file the slot took.
    const std::map<std::string, std::string> lines{
        {late, "late.wav: 0.43 s, cut to 0.25 s to fit CLOSED HI HAT (Classic) Late: the hit starts at 0.20 s of "
               "0.25 s; start the window at 0.200 s or trim the silence."},
        {text, "notes.txt: 28 bytes of raw device data, padded to 0.25 s with silence"},
        {mp3, "raw.mp3: 2,000 bytes of raw device data, padded to 0.25 s with silence"}};
    // Each file with the row, the reply to a question, what the dialogs show after the panel, and
    // whether the slot took it.
    const std::tuple<std::string, int, AlertReply, Texts, bool> cases[] = {
        {late, 4, AlertReply::Default, {}, true},
        {odd, 4, AlertReply::Default, {undecodable}, false},
        {mp3, 4, AlertReply::Alternate, {damaged}, true},
        {text, 4, AlertReply::Alternate, {rawQuestion("notes.txt")}, false},
        {text, 4, AlertReply::Default, {rawQuestion("notes.txt")}, true},
        {hollow, 4, AlertReply::Default, {"critical|Import Failed|\u201Chollow.wav\u201D holds no sound.|OK|"}, false},
        {path("gone.wav"), 4, AlertReply::Default, {unreadable}, false},
        {syx, 31, AlertReply::Default, {shortMessage}, false},
    };
    const Bytes factory = imageOf(editor->defaultBank(4));
    std::string status;
    for (const auto& [file, row, answer, alerts, taken] : cases) {
        SCOPED_TRACE(file);
        selectRow(row);
        const std::string name = taken ? std::filesystem::path(file).filename().string() : slotName(row, 1);
        const Bytes before = slot(row, 1);
        shown.clear();
        reply = answer;
        importWithApply(1, file);
        Texts expected{row == 31 ? "open" : kOpenSound};
        expected.insert(expected.end(), alerts.begin(), alerts.end());
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(slotRows()[1], editor->workBank(row).getContentLabel(1) + "|" + name + (row == 31 ? "|++-" : "|+++"));
        const Bytes after = slot(row, 1);
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after == before, !taken);
        // The status line tells what the last import that took did, or why a file was refused; a
        // question declined leaves it as it was.
        if (taken)
            status = lines.at(file);
        else if (!alerts.empty() && alerts.front().starts_with("critical|")) {
            const std::size_t message = alerts.front().find('|', std::string("critical|").size()) + 1;
            status = "Not imported: " + alerts.front().substr(message, alerts.front().find('|', message) - message);
        }
        EXPECT_EQ(statusLine(), status);
    }
    const Bytes raw = slot(4, 1);
    EXPECT_EQ(std::string(raw.begin() + 1, raw.begin() + 10), "lain text");
    EXPECT_EQ(imageOf(editor->defaultBank(4)), factory);
}

// A sound file that breaks off before the length its header declares: the slot takes what the file
// holds, and the status line and a warning say how long that is and that the file is damaged.
TEST_F(EditorTest, AnImportOfAFileCutShortSaysTheSoundEndedEarly)
{
    make("tone.flac", "sox -n -r 44100 -c 1 -b 16", "synth 1 sine 300");
    const std::string cut = make("cut.flac", "head -c 5000 " + path("tone.flac") + " >");
    const Bytes before = slot(4, 2);
    importWithApply(2, cut);
    // The line's words are SoundImport's; the warning repeats them.
    const std::string line = statusLine();
    EXPECT_THAT(line, EndsWith("; the file is damaged or cut short"));
    EXPECT_EQ(shown, (Texts{kOpenSound, "warning|Damaged or Cut Short|" + line + "|OK|"}));
    EXPECT_NE(slot(4, 2), before);
}

} // namespace
