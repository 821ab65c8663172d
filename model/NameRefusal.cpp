#include "model/NameRefusal.h"

std::optional<NameRefusal> NameRefusal::of(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        return NameRefusal{Why::ZeroByte, name.size()};
    if (name.size() > kLongestName)
        return NameRefusal{Why::TooLong, name.size()};
    return std::nullopt;
}

Text NameRefusal::text() const
{
    switch (why) {
    case Why::ZeroByte:
        return ZYLOX_TR("NameRefusal", "holds a zero byte (U+0000), which would end the name in a bank file");
    case Why::TooLong:
        break;
    }
    //: The name's length, then how long a name may be
    return {ZYLOX_TR("NameRefusal", "%1 bytes long; %2"),
            {TextArgument::number(static_cast<long long>(length)), rule()}};
}

Text NameRefusal::rule()
{
    return {ZYLOX_TR("NameRefusal", "a bank or slot name holds at most %1 bytes of UTF-8, as a file's name does"),
            {TextArgument::number(kLongestName)}};
}
