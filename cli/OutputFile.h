#pragma once

#include <cstdint>
#include <span>
#include <string>

// Writes a whole file so that it is either complete or not there: an existing file is replaced
// only once every byte has been written.
class OutputFile {
public:
    // On false, reason says why (the system's text for the error).
    static bool write(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason);
};
