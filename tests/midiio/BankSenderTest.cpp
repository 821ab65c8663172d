#include "cli/BankSender.h"
#include "model/CFirmware.h"
#include "model/CSound.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

class BankSenderTest : public testing::Test {
protected:
    // The output without the progress lines, whose number depends on how fast the machine is.
    std::string withoutProgress() const { return std::regex_replace(out.str(), std::regex(".*%.*\n"), ""); }

    VirtualClock clock;
    LoopbackMidiService service{clock};
    ZQMidiSystem system{service, clock};
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
    std::ostringstream out;
    std::string failed;
};

TEST_F(BankSenderTest, SendsTheBanksInOrderThroughOneOutput)
{
    CSound first(0);
    CFirmware firmware;

    EXPECT_TRUE(BankSender(system, out, false).send({&first, &firmware}, 0, 2, failed));

    EXPECT_EQ(withoutProgress(), "sending bank (S01 - factory -)...\nS01 - factory -: sent\n"
                                 "sending bank (FIRMWARE - factory -)...\nFIRMWARE - factory -: sent\n");
    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{0, 1, 62, 63}));
    EXPECT_EQ(device.packets().size(), 1u);
    EXPECT_TRUE(failed.empty());
}

TEST_F(BankSenderTest, StopsAtTheFirstBankThatFails)
{
    CSound first(0), second(1), third(2);
    clock.at(120'000'000, [&] { device.vanishAfter(100); }); // cuts the second bank's second erase

    EXPECT_FALSE(BankSender(system, out, true).send({&first, &second, &third}, 0, 0, failed));

    EXPECT_EQ(failed, "S02 - factory -");
    EXPECT_EQ(device.writtenBlocks(), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_NE(out.str().find("S02 - factory -: FAILED\n"), std::string::npos);
    EXPECT_EQ(out.str().find("S03"), std::string::npos);
}

TEST(BankSenderProgressTest, ShowsPercentAndTimeLeft)
{
    EXPECT_EQ(BankSender::progressBar("S05", 50, 51), "\rS05 [###############---------------] 50%, 51 s left  ");
    EXPECT_EQ(BankSender::progressBar("S05", 200, -102), "\rS05 [##############################] 200%, 0 s left  ");
    EXPECT_EQ(BankSender::progressLine("S05", 10, 92), "S05: 10%, 92 s left\n");
}

} // namespace
