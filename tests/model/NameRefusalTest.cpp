#include "model/NameRefusal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Why = NameRefusal::Why;

TEST(NameRefusal, KeepsEveryNameButOneWithAZeroByteOrLongerThanAFilesName)
{
    const std::string longest(NameRefusal::kLongestName, 'x');
    // Non-ASCII counts in bytes: 127 two-byte letters and one byte make the longest name.
    std::string umlauts;
    for (int i = 0; i < 127; ++i)
        umlauts += "\u00E4";
    for (const std::string& kept : {std::string(), std::string("K"), longest, umlauts + "!",
                                    std::string("\t\x01\x7F\xFF tab"), std::string("\u30AD\u30C3\u30AF")})
        EXPECT_FALSE(NameRefusal::of(kept)) << kept.size();

    const auto refusal = [](const std::string& name) {
        return NameRefusal::of(name).value_or(NameRefusal{Why::TooLong, 0});
    };
    EXPECT_EQ(refusal(longest + "x").why, Why::TooLong);
    EXPECT_EQ(refusal(longest + "x").length, 256u);
    EXPECT_EQ(refusal(umlauts + "\u00E4").length, 256u);
    EXPECT_EQ(refusal(std::string("a\0b", 3)).why, Why::ZeroByte);
    EXPECT_EQ(refusal(std::string(1, '\0')).why, Why::ZeroByte);
    EXPECT_EQ(refusal(longest + std::string(1, '\0')).why, Why::ZeroByte);

    EXPECT_EQ(refusal(std::string(300, 'x')).describe(),
              "300 bytes long; a bank or slot name holds at most 255 bytes of UTF-8, as a file's name does");
    EXPECT_EQ(refusal(std::string(1, '\0')).describe(),
              "holds a zero byte (U+0000), which would end the name in a bank file");
}

} // namespace
