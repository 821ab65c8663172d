#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

// One temporary file per fuzzing process that holds the current input, for parsers that open a
// path; removed when the process ends.
class FuzzInputFile {
public:
    explicit FuzzInputFile(const std::string& prefix)
        : m_path((std::filesystem::temp_directory_path() / (prefix + std::to_string(getpid()))).string())
    {
    }
    ~FuzzInputFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;

    const std::string& write(const std::uint8_t* data, std::size_t size) const
    {
        std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return m_path;
    }

private:
    std::string m_path;
};
