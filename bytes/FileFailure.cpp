#include "bytes/FileFailure.h"

#include <cstring>

Text FileFailure::text() const
{
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::NotRegular:
        return ZYLOX_TR("FileFailure", "not a regular file");
    case Kind::System:
        return Text::verbatim(TextArgument::systemText(std::strerror(error)));
    case Kind::Unknown:
        break;
    }
    return ZYLOX_TR("FileFailure", "cannot be written");
}
