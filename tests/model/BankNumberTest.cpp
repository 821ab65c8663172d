#include "model/BankNumber.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(BankNumber, NamesEveryRowAndReadsBackWhatItShows)
{
    EXPECT_EQ(BankNumber::of(0), "S01");
    EXPECT_EQ(BankNumber::of(4), "S05");
    EXPECT_EQ(BankNumber::of(30), "S31");
    EXPECT_EQ(BankNumber::of(31), "FW");
    EXPECT_EQ(BankNumber::of(32), "");
    for (std::uint16_t row = 0; row < 32; ++row)
        EXPECT_EQ(BankNumber::row(BankNumber::of(row)), row);
}

TEST(BankNumber, TakesShownNamesInAnyCaseAndRowNumbersButNothingElse)
{
    const std::pair<const char*, std::uint16_t> taken[]
        = {{"S21", 20},      {"s21", 20}, {"S01", 0}, {"s31", 30}, {"FW", 31}, {"fw", 31},
           {"Firmware", 31}, {"0", 0},    {"21", 21}, {"31", 31},  {"00", 0}};
    for (const auto& [text, row] : taken)
        EXPECT_EQ(BankNumber::row(text), row) << '"' << text << '"';
    for (const char* text :
         {"S00", "S32", "S1", "S001", "S-1", "32", "-1", "+4", "4 ", "", "F", "FIRM", "99999999", "S", "SFW"})
        EXPECT_EQ(BankNumber::row(text), std::nullopt) << '"' << text << '"';
}

} // namespace
