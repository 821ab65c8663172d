#include "content/CMessage.h"
#include "content/CSample.h"
#include "tests/midifile/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kOriginal{0xF0, 0x31, 0x40, 0x38, 0x00, 0x11, 0xF7};

struct SysExCase {
    const char* what;
    Bytes file;
    bool loads;
    Bytes message; // after the load
};

class SysExImport : public ::testing::TestWithParam<SysExCase> {};

TEST_P(SysExImport, TakesTheFirstMessageWithoutItsThreeHeaderBytes)
{
    const SysExCase& example = GetParam();
    ScratchFolder folder("sysex-import");
    const std::string path = folder.write("in.syx", example.file);
    CMessage message(kOriginal.data(), kOriginal.size());

    EXPECT_EQ(message.load(path.c_str()), example.loads);
    EXPECT_EQ(message.getData(), example.message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SysExImport,
    ::testing::Values(
        SysExCase{"surrounded", {0x00, 0xF0, 0x7D, 0x01, 0x02, 0x10, 0x20, 0xF7, 0x33}, true, {0xF0, 0x10, 0x20, 0xF7}},
        SysExCase{"second message ignored", {0xF0, 1, 2, 3, 0xF7, 0xF0, 1, 2, 3, 4, 0xF7}, true, {0xF0, 0xF7}},
        SysExCase{"end inside the skipped bytes is not the end", {0xF0, 0xF7, 0x01, 0x02, 0x05, 0xF7}, true,
                  {0xF0, 0x05, 0xF7}},
        SysExCase{"short without end", {0xF0, 0x01, 0x02}, false, kOriginal},
        SysExCase{"ends before F7", {0xF0, 0x01, 0x02, 0x03, 0x04, 0x05}, false, kOriginal},
        SysExCase{"no F0", {0x00, 0x01, 0xF7, 0x90}, false, kOriginal},
        SysExCase{"empty", {}, false, kOriginal}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(SysExImport, MissingFileLeavesTheMessage)
{
    ScratchFolder folder("sysex-missing");
    CMessage message(kOriginal.data(), kOriginal.size());
    EXPECT_FALSE(message.load(folder.file("absent.syx").c_str()));
    EXPECT_FALSE(message.load(folder.path().c_str()));
    EXPECT_EQ(message.getData(), kOriginal);
}

std::vector<std::unique_ptr<CContent>> samples(const std::vector<Bytes>& data)
{
    std::vector<std::unique_ptr<CContent>> run;
    for (const Bytes& bytes : data)
        run.push_back(std::make_unique<CSample>(bytes.data(), bytes.size()));
    return run;
}

std::vector<CContent*> pointers(const std::vector<std::unique_ptr<CContent>>& run)
{
    std::vector<CContent*> result;
    for (const auto& content : run)
        result.push_back(content.get());
    return result;
}

TEST(FlashWriteMessage, HeaderCutsBlockAndChannel)
{
    const auto run = samples({Bytes(0x8000, 0x80), Bytes(0x8000, 0x80)});
    const std::vector<CContent*> slots = pointers(run);

    const CMessage block9(9, 0, slots);
    ASSERT_EQ(block9.getSize(), 131078u);
    EXPECT_EQ(Bytes(block9.getData().begin(), block9.getData().begin() + 5), (Bytes{0xF0, 0x31, 0x49, 0x38, 0x20}));
    EXPECT_EQ(block9.getData().back(), 0xF7);

    EXPECT_EQ(CMessage(9, 15, slots).getData()[4], 0x2F);
    EXPECT_EQ(CMessage(9, 16, slots).getData()[4], 0x20);
    EXPECT_EQ(CMessage(64 + 9, 0, slots).getData()[2], 0x49);
}

TEST(FlashWriteMessage, EachByteBecomesTopBitThenLowSevenBits)
{
    Bytes first(0x8000);
    for (std::size_t i = 0; i < first.size(); ++i)
        first[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    const auto run = samples({first, {0x80, 0xFF, 0x7F, 0x00}, Bytes(0x8000 - 4, 0x80)});
    const CMessage message(0, 0, pointers(run));
    const Bytes& data = message.getData();

    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(data[5 + 2 * i], first[i] >> 7) << i;
        ASSERT_EQ(data[6 + 2 * i], first[i] & 0x7F) << i;
    }
    const std::size_t second = 5 + 2 * first.size();
    EXPECT_EQ(Bytes(data.begin() + second, data.begin() + second + 8),
              (Bytes{0x01, 0x00, 0x01, 0x7F, 0x00, 0x7F, 0x00, 0x00}));
    for (std::size_t i = 1; i + 1 < data.size(); ++i)
        ASSERT_LT(data[i], 0x80) << i;
}

TEST(FlashWriteMessage, StopsAtTheEndOfItsDataAreaWhateverTheRun)
{
    // Too long: a single content larger than a block is cut where the data area ends.
    const auto tooLong = samples({Bytes(0x18000, 0xFF), Bytes(10, 0x00)});
    const CMessage cut(3, 0, pointers(tooLong));
    ASSERT_EQ(cut.getSize(), 131078u);
    EXPECT_EQ(cut.getData()[131075], 0x01);
    EXPECT_EQ(cut.getData()[131076], 0x7F);
    EXPECT_EQ(cut.getData()[131077], 0xF7);

    // Too short: what the run does not reach stays 0xF7.
    const auto tooShort = samples({Bytes(0x100, 0x00)});
    const CMessage partial(3, 0, pointers(tooShort));
    ASSERT_EQ(partial.getSize(), 131078u);
    EXPECT_EQ(partial.getData()[5 + 0x1FF], 0x00);
    EXPECT_EQ(partial.getData()[5 + 0x200], 0xF7);

    // Only the run from the first given content on is taken, and nothing stops before it is full.
    const auto skipped = samples({Bytes(0x8000, 0x01), Bytes(0x8000, 0x02), Bytes(0x8000, 0x03)});
    const std::vector<CContent*> all = pointers(skipped);
    const CMessage fromSecond(1, 0, std::span<CContent* const>(all).subspan(1));
    EXPECT_EQ(fromSecond.getData()[6], 0x02);
    EXPECT_EQ(fromSecond.getData()[131076], 0x03);

    const CMessage empty(1, 0, {});
    EXPECT_EQ(empty.getData()[5], 0xF7);
}

} // namespace
