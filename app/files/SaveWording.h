#pragma once

#include "bytes/FileFailure.h"

#include <QCoreApplication>
#include <QString>

// Why a file could not be written, in the window's language; the core words the same in English
// for zylox.
class SaveWording {
    Q_DECLARE_TR_FUNCTIONS(SaveWording)

public:
    // "not a regular file", the system's own text for the error (in the user's language where the
    // C library has it), or "cannot be written".
    static QString failure(const FileFailure& failure);
};
