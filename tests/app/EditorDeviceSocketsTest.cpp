// Identical USB interfaces in the window: listed by their sockets, each unit with a record of its
// own, a unit in a new socket asked about before its record is written; and File → Save Device
// Contents… offering the devices with a record when the chosen output's is unknown.
#include "EditorFixture.h"

#include "midiio/record/DeviceRecord.h"
#include "tests/support/DeviceSimulator.h"

#include <filesystem>

namespace {

using Blocks = std::vector<std::size_t>;

class EditorDeviceSocketsTest : public EditorFixture {
protected:
    std::vector<MidiPortIdentity> recorded() { return DeviceRecord::recorded(DeviceRecord::defaultFolder()); }
    static MidiPortIdentity inSocket(const std::string& socket)
    {
        return {"ZYLOX 515", "ZYLOX 515 MIDI In", "usb-0000:00:14.0-" + socket};
    }

    // Made before the window, which lists them.
    DeviceSimulator& unit2 = service.addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-2");
    DeviceSimulator& unit3 = service.addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-3");
    const std::string zylox = "ZYLOX 515:ZYLOX 515 MIDI In";
};

TEST_F(EditorDeviceSocketsTest, IdenticalInterfacesAreTwoOutputsAndAUnitInANewSocketIsAskedAboutOnce)
{
    EXPECT_EQ(outputList(), (Texts{"*" + zylox + " (USB socket 2)", zylox + " (USB socket 3)"}));
    selectRow(4);
    control<QComboBox>("popup_out").setCurrentIndex(1);
    send();
    EXPECT_EQ(unit3.erasedBlocks(), (Blocks{8, 9}));
    EXPECT_TRUE(unit2.erasedBlocks().empty());
    EXPECT_EQ(recorded(), std::vector<MidiPortIdentity>{inSocket("3")});

    // The unit in socket 3 moves to socket 4.
    service.unplug(unit3);
    DeviceSimulator& unit4 = service.addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-4");
    settle();
    EXPECT_EQ(outputList(), (Texts{"*" + zylox + " (USB socket 3) (disconnected)", zylox + " (USB socket 2)",
                                   zylox + " (USB socket 4)"}));
    control<QComboBox>("popup_out").setCurrentIndex(2);
    shown.clear();
    send();
    EXPECT_EQ(shown,
              Texts{"question|Same Device?|" + zylox
                    + " (USB socket 4) has no device record yet.\n"
                      "Is this the same ZYLOX 515 as the one last sent to through "
                    + zylox
                    + " (USB socket 3)?\n"
                      "If it is, that device's record (what it was sent, where a stopped send resumes, its output "
                      "settings) moves to this socket; if not, each keeps a record of its own.|Same Device|"
                      "Another Device|Enter: Another Device"});
    EXPECT_EQ(unit4.erasedBlocks(), (Blocks{8, 9}));
    EXPECT_EQ(recorded(), std::vector<MidiPortIdentity>{inSocket("4")});

    // Another unit in socket 5 is another device, with a record of its own.
    service.unplug(unit4);
    DeviceSimulator& unit5 = service.addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-5");
    settle();
    control<QComboBox>("popup_out").setCurrentIndex(2);
    reply = AlertReply::Alternate;
    shown.clear();
    send();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(unit5.erasedBlocks(), (Blocks{8, 9}));
    EXPECT_EQ(recorded(), (std::vector<MidiPortIdentity>{inSocket("4"), inSocket("5")}));
}

TEST_F(EditorDeviceSocketsTest, SaveDeviceContentsOffersTheDevicesWithAKnownBankWhenTheChosenOnesIsUnknown)
{
    chooseSaveDeviceContents();
    EXPECT_EQ(shown, Texts{"informational|Save Device Contents|No bank of " + zylox
                           + " (USB socket 2) is known: a "
                             "bank is known once it has been sent to the device completely.|OK|"});

    control<QComboBox>("popup_out").setCurrentIndex(1);
    selectRow(1);
    send();
    control<QComboBox>("popup_out").setCurrentIndex(0);
    const std::string pick = "pick|Save Device Contents|No bank of " + zylox
                             + " (USB socket 2) is known. Save what "
                               "is known of which device?|"
                             + zylox + " (USB socket 3) (known: S02)";
    picked = -1;
    shown.clear();
    chooseSaveDeviceContents();
    EXPECT_EQ(shown, Texts{pick});

    // The question naming the unknown banks cancelled: no folder is asked for.
    picked = 0;
    reply = AlertReply::Alternate;
    shown.clear();
    chooseSaveDeviceContents();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], pick);

    reply = AlertReply::Default;
    paths.push_back(path("unit 3"));
    shown.clear();
    chooseSaveDeviceContents();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], pick);
    EXPECT_EQ(shown[1].substr(0, shown[1].find('\n')),
              "question|Save Device Contents|Not known on " + zylox + " (USB socket 3): S01, S03 to FW.");
    EXPECT_EQ(statusLine(), "Saved 1 bank of " + zylox + " (USB socket 3) into " + path("unit 3"));
    EXPECT_TRUE(std::filesystem::exists(path("unit 3/S02.mid")));
}

TEST_F(EditorDeviceSocketsTest, SaveDeviceContentsStartsInTheFolderLastSavedToAndWithoutMidiOffersTheRecordedDevices)
{
    selectRow(1);
    control<QComboBox>("popup_out").setCurrentIndex(1);
    send();
    // A bank file saved into a folder makes it the one the next save panel starts in.
    std::filesystem::create_directory(path("kits"));
    paths = {path("kits/S02.mid")};
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(std::filesystem::exists(path("kits/S02.mid"))) << statusLine();

    paths = {path("kits/unit 3")};
    chooseSaveDeviceContents();
    EXPECT_EQ(panelStarts.back(), path("kits/Device contents"));
    ASSERT_TRUE(std::filesystem::exists(path("kits/unit 3/S02.mid"))) << statusLine();

    // Saved elsewhere, the folder the contents went into is beside where the next panel starts.
    std::filesystem::create_directory(path("copies"));
    paths = {path("copies/unit 3")};
    chooseSaveDeviceContents();
    ASSERT_TRUE(std::filesystem::exists(path("copies/unit 3/S02.mid"))) << statusLine();
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(panelStarts.back(), path("copies/S02.mid"));

    // The next start finds no MIDI system, and so no output chosen: the devices with a record are offered.
    shown.clear();
    editor.reset();
    service.unplug(unit2);
    service.unplug(unit3);
    service.withoutSystem();
    settings.setOutput(QString());
    editor = std::make_unique<EditorWindow>(*this, system, settings, auditions, kit);
    editor->show();
    picked = -1;
    chooseSaveDeviceContents();
    EXPECT_EQ(shown, Texts{"pick|Save Device Contents|Save what is known of which device?|" + zylox
                           + " (USB socket 3) (known: S02)"});
}

} // namespace
