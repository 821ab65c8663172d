#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A temporary folder of sound files for one test: hand-made bytes, or files that sox writes from
// raw sample bytes, so fixtures come from an independent writer and never from our own code.
class SoundFileFolder {
public:
    SoundFileFolder();
    ~SoundFileFolder();
    SoundFileFolder(const SoundFileFolder&) = delete;
    SoundFileFolder& operator=(const SoundFileFolder&) = delete;

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    // sox reads the raw bytes as described by rawFormat ("-r 44100 -c 1 -b 16 -e signed-integer")
    // and writes name with outFormat options; the test fails when sox does.
    std::string sox(const std::vector<std::uint8_t>& raw, const std::string& rawFormat, const std::string& name,
                    const std::string& outFormat = "") const;
    std::string path(const std::string& name) const;

private:
    std::filesystem::path m_folder;
};

// Little-endian signed values at width bytes each.
std::vector<std::uint8_t> littleEndian(const std::vector<std::int64_t>& values, unsigned width);
// Byte-exact WAV and AIFF building blocks for the files no tool writes.
void appendTag(std::vector<std::uint8_t>& bytes, const char* tag);
void appendLittle(std::vector<std::uint8_t>& bytes, std::uint64_t value, unsigned width);
void appendBig(std::vector<std::uint8_t>& bytes, std::uint64_t value, unsigned width);
