// The English zylox prints of a text: its arguments filled in once, numbers as English writes
// them, a count of one in its own words.
#include "bytes/Text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(TextTest, FillsEachArgumentOnceAndLeavesWhatLooksLikeOneInAName)
{
    const Text text(ZYLOX_TR("TextTest", "%2 of %1, %2 again; 100% and %9 stay"), {"%2 file", "50%1"});
    EXPECT_EQ(text.english(), "50%1 of %2 file, 50%1 again; 100% and %9 stay");
    EXPECT_EQ(Text(ZYLOX_TR("TextTest", "ends in %")).english(), "ends in %");
    EXPECT_TRUE(Text().empty());
    EXPECT_EQ(Text().english(), "");
}

TEST(TextTest, WritesNumbersAsEnglishDoes)
{
    const Text text(ZYLOX_TR("TextTest", "%1|%2|%3|%4|%5|%6|%7"),
                    {TextArgument::number(44100), TextArgument::count(131078), TextArgument::count(-1234567),
                     TextArgument::signedWhole(48), TextArgument::signedWhole(-48), TextArgument::signedFixed(6.04, 1),
                     TextArgument::fixed(-0.005, 2)});
    EXPECT_EQ(text.english(), "44100|131,078|-1,234,567|+48|-48|+6.0|-0.01");
}

// Any count: the English for one is taken for one alone, and the number reads back as the count,
// its thousands separated by commas.
TEST(TextTest, ACountOfOneTakesItsOwnWords)
{
    std::mt19937 random(515);
    for (int round = 0; round < 200; ++round) {
        const long long count = round < 3 ? round : std::uniform_int_distribution<long long>(0, 5'000'000)(random);
        const std::string english
            = Text(ZYLOX_TR_N("TextTest", "%1 bytes", "%1 byte"), {TextArgument::count(count)}, count).english();
        const std::string number = english.substr(0, english.find(' '));
        EXPECT_EQ(english.substr(number.size()), count == 1 ? " byte" : " bytes");
        std::string digits;
        for (std::size_t at = 0; at < number.size(); ++at)
            if ((number.size() - at) % 4 == 0)
                EXPECT_EQ(number[at], ',') << number;
            else
                digits += number[at];
        EXPECT_EQ(digits, std::to_string(count));
    }
}

TEST(TextTest, TextsComposeAndJoin)
{
    const Text inner(ZYLOX_TR("TextTest", "%1 s"), {TextArgument::fixed(0.25, 2)});
    const Text outer(ZYLOX_TR("TextTest", "cut to %1 (%2)"), {inner, Text::joined({"Clean", ", ", "trimmed"})});
    EXPECT_EQ(outer.english(), "cut to 0.25 s (Clean, trimmed)");
    // Past nine parts a joined text keeps the first nine, rather than reading past its arguments.
    EXPECT_EQ(Text::joined({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}).english(), "123456789");
    EXPECT_EQ(Text::verbatim(TextArgument::systemText("No space left on device")).english(), "No space left on device");
}

} // namespace
