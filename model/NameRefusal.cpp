#include "model/NameRefusal.h"

std::optional<NameRefusal> NameRefusal::of(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        return NameRefusal{Why::ZeroByte, name.size()};
    if (name.size() > kLongestName)
        return NameRefusal{Why::TooLong, name.size()};
    return std::nullopt;
}

std::string NameRefusal::describe() const
{
    switch (why) {
    case Why::ZeroByte:
        return "holds a zero byte (U+0000), which would end the name in a bank file";
    case Why::TooLong:
        break;
    }
    return std::to_string(length) + " bytes long; a bank or slot name holds at most " + std::to_string(kLongestName)
           + " bytes of UTF-8, as a file's name does";
}
