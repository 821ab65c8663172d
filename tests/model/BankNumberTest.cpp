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
    const std::pair<const char*, std::optional<std::uint16_t>> cases[] = {{"S21", 20},
                                                                          {"s21", 20},
                                                                          {"S01", 0},
                                                                          {"s31", 30},
                                                                          {"FW", 31},
                                                                          {"fw", 31},
                                                                          {"Firmware", 31},
                                                                          {"0", 0},
                                                                          {"21", 21},
                                                                          {"31", 31},
                                                                          {"00", 0},
                                                                          {"S00", std::nullopt},
                                                                          {"S32", std::nullopt},
                                                                          {"S1", std::nullopt},
                                                                          {"S001", std::nullopt},
                                                                          {"S-1", std::nullopt},
                                                                          {"32", std::nullopt},
                                                                          {"-1", std::nullopt},
                                                                          {"+4", std::nullopt},
                                                                          {"4 ", std::nullopt},
                                                                          {"", std::nullopt},
                                                                          {"F", std::nullopt},
                                                                          {"FIRM", std::nullopt},
                                                                          {"99999999", std::nullopt},
                                                                          {"S", std::nullopt},
                                                                          {"SFW", std::nullopt}};
    for (const auto& [text, row] : cases)
        EXPECT_EQ(BankNumber::row(text), row) << '"' << text << '"';
}

} // namespace
