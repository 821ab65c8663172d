#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace soundlibrary {

// File names on Linux are bytes: most are UTF-8, some (made on old systems, copied from old disks)
// are not. The index keeps the bytes to open the file by and a UTF-8 text to search and show.

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(std::string_view bytes);
// The bytes as UTF-8: each byte that does not begin a well-formed sequence becomes U+FFFD.
std::string lossyUtf8(std::string_view bytes);
// The length of the well-formed sequence that bytes begin with; 0 when there is none (or no bytes).
std::size_t utf8SequenceLength(std::string_view bytes);

} // namespace soundlibrary
