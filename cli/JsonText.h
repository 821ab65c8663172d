#pragma once

#include <optional>
#include <string>
#include <string_view>

// Values as JSON writes them, for zylox's --json output.
class JsonText {
public:
    // A quoted JSON string of bytes: UTF-8 as it is (quotes, backslashes and control characters
    // escaped); a byte that is not UTF-8 as \udcXX, the lone surrogate by which Python's
    // "surrogateescape" and others carry a file name's bytes, so that a script gets the very bytes back.
    static std::string string(std::string_view bytes);
    // A number in the fewest digits that read back as the same double; null for none or for what JSON
    // cannot write (an infinite loudness of silence).
    static std::string number(std::optional<double> value);
};
