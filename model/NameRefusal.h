#pragma once

#include "bytes/Text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Why a bank or slot name cannot be kept as it is, for both programs to refuse it before anything
// is written. A bank file keeps a bank's name as a meta event and its slots' names one after the
// other, each ended by a zero byte (the device record keeps them the same way), so a zero byte
// inside a name would end it early. A name is at most kLongestName bytes of UTF-8: as long as a
// file's name, which an import gives a slot, and short enough that the names of 32 banks stay a
// small part of the device record.
struct NameRefusal {
    enum class Why {
        ZeroByte, // holds a zero byte (U+0000)
        TooLong, // longer than kLongestName bytes: length says how long
    };
    static constexpr std::size_t kLongestName = 255;

    Why why = Why::TooLong;
    std::size_t length = 0; // the name's bytes

    // None for a name that is kept as it is: empty, non-ASCII and control characters included.
    static std::optional<NameRefusal> of(std::string_view name);

    // "300 bytes long; a bank or slot name holds at most 255 bytes of UTF-8, as a file's name does".
    Text text() const;
    std::string describe() const { return text().english(); }
    // "a bank or slot name holds at most 255 bytes of UTF-8, as a file's name does".
    static Text rule();
};
