#include "soundlibrary/Utf8Text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace soundlibrary;

// Random bytes, most of them near the edges of UTF-8's ranges: whatever the name, the searched text
// is UTF-8, and a name that is UTF-8 is searched as it is.
TEST(Utf8TextTest, AnyNameBecomesUtf8AndAUtf8NameStaysItself)
{
    std::mt19937 random(515);
    const unsigned char edges[]
        = {0x00, 0x41, 0x7F, 0x80, 0xBF, 0xC0, 0xC2, 0xDF, 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF, 0x9F, 0xA0, 0x8F};
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(random() % 8, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 2 ? edges[random() % std::size(edges)] : random() % 256);
        const std::string text = lossyUtf8(bytes);
        ASSERT_TRUE(isUtf8(text)) << round;
        if (isUtf8(bytes))
            ASSERT_EQ(text, bytes) << round;
        else
            ASSERT_NE(text.find("\xEF\xBF\xBD"), std::string::npos) << round;
    }
}

TEST(Utf8TextTest, RefusesWhatIsNotWellFormed)
{
    EXPECT_TRUE(isUtf8("caf\xC3\xA9 \xF0\x9F\xA5\x81"));
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "caf\xE9"})
        EXPECT_FALSE(isUtf8(bad)) << bad;
    EXPECT_EQ(lossyUtf8("caf\xE9!"), "caf\xEF\xBF\xBD!");
}
