// What `zylox send` runs: the banks through one output with progress, and the choice of the port by
// index or name. A stop from another thread is SendCommandTest's signal and TransmissionRunTest's stop.
#include "cli/BankSender.h"
#include "cli/PortChoice.h"
#include "midiio/BankTransmitter.h"
#include "midiio/MidiDestinations.h"
#include "model/SoundBank.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class BankSenderTest : public testing::Test {
protected:
    VirtualClock clock;
    LoopbackMidiService service{clock};
    MidiContext system{service, clock};
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
    std::shared_ptr<BankTransmitter> wrapper
        = BankTransmitter::createTransmitterTo(system, MidiPortIdentity::of(device.names));
    std::ostringstream out;
    SoundBank first{0}, second{1}, third{2};
};

// The banks in order through one output, and the lines of each, are SendCommandTest's; that the
// run ends at the bank that fails, TransmissionRunTest.AFailureLeavesTheBankIncompleteAndUnknown...
TEST_F(BankSenderTest, SaysWhichBankFailed)
{
    clock.at(120'000'000, [&] { device.vanishAfter(100); }); // cuts the second bank's second erase

    BankSender(out, true).send(*wrapper, {{0, &first}, {1, &second}, {2, &third}}, 0, nullptr);

    EXPECT_NE(out.str().find("S02 - factory -: FAILED\n"), std::string::npos);
}

TEST(BankSenderProgressTest, ShowsPercentAndTimeLeftOfTheWholeTransmission)
{
    EXPECT_EQ(BankSender::progressBar("S05", 50, 51), "\rS05 [###############---------------] 50%, 51 s left  ");
    EXPECT_EQ(BankSender::progressBar("S05", 200, -102), "\rS05 [##############################] 200%, 0 s left  ");
    EXPECT_EQ(BankSender::progressLine("S05", 10, 3000), "S05: 10%, 50 min 0 s left\n");
}

TEST(PortChoiceTest, AnIndexOrAUniquePartOfANameInAnyCase)
{
    const std::vector<MidiPortIdentity> ports{{"Midi Through", "Midi Through Port-0"},
                                              {"Test USB MIDI", "Test USB MIDI MIDI 1"},
                                              {"VirMIDI 1-0", "VirMIDI 1-0"},
                                              {"VirMIDI 1-1", "VirMIDI 1-1"},
                                              {"Twin", "Twin Port 1", "usb-0000:00:14.0-2"},
                                              {"Twin", "Twin Port 1", "usb-0000:00:14.0-3"}};
    using Outcome = PortChoice::Outcome;
    struct Case {
        std::string wanted;
        Outcome outcome;
        std::size_t index;
        std::string candidates;
    };
    const std::string all = "0: Midi Through:Midi Through Port-0\n1: Test USB MIDI:Test USB MIDI MIDI 1\n"
                            "2: VirMIDI 1-0:VirMIDI 1-0\n3: VirMIDI 1-1:VirMIDI 1-1\n"
                            "4: Twin:Twin Port 1 (USB socket 2)\n5: Twin:Twin Port 1 (USB socket 3)\n";
    for (const Case& expected :
         {Case{"1", Outcome::Found, 1, ""}, Case{"6", Outcome::NoSuchIndex, 6, ""},
          Case{"99999999999999999999", Outcome::NoSuchIndex, 6, ""}, Case{"socket 3", Outcome::Found, 5, ""},
          Case{"twin", Outcome::SeveralMatch, 0,
               "4: Twin:Twin Port 1 (USB socket 2)\n5: Twin:Twin Port 1 (USB socket 3)\n"},
          Case{"usb midi", Outcome::Found, 1, ""}, Case{"1-1", Outcome::Found, 3, ""},
          Case{"Through:", Outcome::Found, 0, ""},
          Case{"virmidi", Outcome::SeveralMatch, 0, "2: VirMIDI 1-0:VirMIDI 1-0\n3: VirMIDI 1-1:VirMIDI 1-1\n"},
          Case{"serial", Outcome::NoMatch, 0, all}, Case{"", Outcome::NoMatch, 0, all}}) {
        SCOPED_TRACE(expected.wanted);
        const PortChoice choice(MidiDestinations::listedNames(ports), expected.wanted);
        EXPECT_EQ(choice.outcome(), expected.outcome);
        if (expected.outcome == Outcome::Found) {
            EXPECT_EQ(choice.index(), expected.index);
        }
        if (!expected.candidates.empty()) {
            EXPECT_EQ(choice.candidates(), expected.candidates);
        }
    }
}

} // namespace
