#include "SoundFileFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

SoundFileFolder::SoundFileFolder()
{
    std::random_device seed;
    m_folder = std::filesystem::temp_directory_path() / ("zylox-audio-" + std::to_string(seed()));
    std::filesystem::create_directories(m_folder);
}

SoundFileFolder::~SoundFileFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::string SoundFileFolder::path(const std::string& name) const
{
    return (m_folder / name).string();
}

std::string SoundFileFolder::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    std::ofstream out(path(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path(name);
}

std::string SoundFileFolder::sox(const std::vector<std::uint8_t>& raw, const std::string& rawFormat,
                                 const std::string& name, const std::string& outFormat) const
{
    const std::string input = write(name + ".raw", raw);
    const std::string command = std::string(SOX_PROGRAM) + " -D -t raw " + rawFormat + " '" + input + "' "
        + outFormat + " '" + path(name) + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path(name);
}

std::vector<std::uint8_t> littleEndian(const std::vector<std::int64_t>& values, unsigned width)
{
    std::vector<std::uint8_t> bytes;
    for (const std::int64_t value : values) {
        appendLittle(bytes, static_cast<std::uint64_t>(value), width);
    }
    return bytes;
}

void appendTag(std::vector<std::uint8_t>& bytes, const char* tag)
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

void appendLittle(std::vector<std::uint8_t>& bytes, std::uint64_t value, unsigned width)
{
    for (unsigned i = 0; i < width; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void appendBig(std::vector<std::uint8_t>& bytes, std::uint64_t value, unsigned width)
{
    for (unsigned i = width; i > 0; --i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * (i - 1))));
    }
}
