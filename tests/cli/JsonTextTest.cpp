// zylox's JSON strings carry any file name's bytes in UTF-8 text: read back as a script's JSON reader does (with
// the lone surrogates \udc80 to \udcff standing for bytes that are not UTF-8), they are the bytes.
#include "cli/JsonText.h"
#include "soundlibrary/Utf8Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

// The bytes a JSON string stands for; every escape zylox writes, nothing else.
std::string readBack(const std::string& json)
{
    EXPECT_TRUE(json.size() >= 2 && json.front() == '"' && json.back() == '"') << json;
    std::string bytes;
    for (std::size_t at = 1; at + 1 < json.size(); ++at) {
        const auto byte = static_cast<unsigned char>(json[at]);
        EXPECT_GE(byte, 0x20) << "a control character stands unescaped in " << json;
        EXPECT_NE(byte, '"');
        if (byte != '\\') {
            bytes += json[at];
            continue;
        }
        const char kind = json[++at];
        if (kind != 'u') {
            bytes += kind;
            continue;
        }
        const unsigned code = std::stoul(json.substr(at + 1, 4), nullptr, 16);
        at += 4;
        EXPECT_TRUE(code < 0x80 || (code >= 0xdc80 && code <= 0xdcff)) << code;
        bytes += static_cast<char>(code < 0x80 ? code : code - 0xdc00);
    }
    return bytes;
}

} // namespace

TEST(JsonTextTest, AnyBytesComeBackFromTheirString)
{
    std::mt19937 random(515);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 40)(random), '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        const std::string json = JsonText::string(bytes);
        EXPECT_TRUE(soundlibrary::isUtf8(json)) << json;
        EXPECT_EQ(readBack(json), bytes);
    }
    EXPECT_EQ(JsonText::string("caf\xc3\xa9 \"kick\"\\\n"), "\"caf\xc3\xa9 \\\"kick\\\"\\\\\\u000a\"");
    EXPECT_EQ(JsonText::string("caf\xe9"), "\"caf\\udce9\"");
}

TEST(JsonTextTest, NumbersReadBackAndWhatJsonCannotWriteIsNull)
{
    EXPECT_EQ(JsonText::number(0.2), "0.2");
    EXPECT_EQ(JsonText::number(44100.0), "44100");
    EXPECT_EQ(std::stod(JsonText::number(-9.70143135542672)), -9.70143135542672);
    EXPECT_EQ(JsonText::number(-std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonText::number(std::nan("")), "null");
    EXPECT_EQ(JsonText::number(std::nullopt), "null");
}
