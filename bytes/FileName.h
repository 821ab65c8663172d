#pragma once

#include <cstddef>
#include <string>

// What a file system takes for one file's name.
class FileName {
public:
    // Bytes of one name, on every file system the program writes to.
    static constexpr std::size_t kLongest = 255;

    // Of a UTF-8 name, as much as fits in bytes, ending where a character ends; a name that is no
    // UTF-8 where it is cut is cut there.
    static std::string cut(std::string name, std::size_t bytes);
};
