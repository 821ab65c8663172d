#include "app/files/SaveWording.h"

#include <cstring>

QString SaveWording::failure(const FileFailure& failure)
{
    switch (failure.kind) {
    case FileFailure::Kind::None:
        return {};
    case FileFailure::Kind::NotRegular:
        return tr("not a regular file");
    case FileFailure::Kind::System:
        return QString::fromLocal8Bit(std::strerror(failure.error));
    case FileFailure::Kind::Unknown:
        break;
    }
    return tr("cannot be written");
}
