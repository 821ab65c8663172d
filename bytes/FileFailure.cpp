#include "bytes/FileFailure.h"

#include <cstring>

std::string FileFailure::describe() const
{
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::NotRegular:
        return "not a regular file";
    case Kind::System:
        return std::strerror(error);
    case Kind::Unknown:
        break;
    }
    return "cannot be written";
}
