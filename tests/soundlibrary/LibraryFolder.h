#pragma once

#include "tests/audio/SoundFileBytes.h"
#include "tests/support/ScratchFolder.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/SqlStatement.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

// A library folder the test writes: short WAV files drawn by a function, other files, and the
// index of it in the same scratch folder.
class LibraryFolder {
public:
    LibraryFolder()
        : m_scratch("soundlibrary")
    {
        std::filesystem::create_directories(root());
    }

    std::string root() const { return m_scratch.file("Drums"); }
    std::string indexPath() const { return m_scratch.file("cache/zylox/library.sqlite"); }
    std::string path(const std::string& relative) const { return root() + "/" + relative; }

    // A mono 16-bit WAV at 44.1 kHz of seconds, its value at each time in seconds from value.
    std::string sound(const std::string& relative, double seconds,
                      const std::function<double(double)>& value = sine(440.0, 0.5), std::uint16_t channels = 1,
                      std::uint32_t rate = 44100) const
    {
        const auto frames = static_cast<std::uint64_t>(std::llround(seconds * rate));
        return write(relative,
                     sound_file_bytes::wav(rate, channels, frames, 16, false, [&](std::uint64_t frame, std::uint16_t) {
                         return value(static_cast<double>(frame) / rate);
                     }));
    }

    std::string write(const std::string& relative, const std::vector<std::uint8_t>& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        return m_scratch.write("Drums/" + relative, bytes);
    }

    static std::function<double(double)> sine(double hertz, double amplitude)
    {
        return [=](double t) { return amplitude * std::sin(2.0 * std::numbers::pi * hertz * t); };
    }

    const ScratchFolder& scratch() const { return m_scratch; }

private:
    ScratchFolder m_scratch;
};

// The first column of every row a query gives, as text.
inline std::vector<std::string> columnOf(const soundlibrary::LibraryDatabase& database, const std::string& sql)
{
    soundlibrary::SqlStatement query(database.connection(), sql);
    std::vector<std::string> values;
    while (query.step())
        values.push_back(query.text(0));
    return values;
}
