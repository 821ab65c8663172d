#pragma once

#include "bytes/Text.h"

#include <string>

// Why a file could not be written, as a fact both programs word: the editor in the window's
// language, zylox in English. The system's own text for an error number is the C library's, which
// speaks the user's language once the program has set its locale.
struct FileFailure {
    enum class Kind {
        None,
        NotRegular, // the path names a folder, device or FIFO, which a save must not replace
        System, // error holds the errno
        Unknown, // the stream failed without saying why
    };

    Kind kind = Kind::None;
    int error = 0;

    static FileFailure fromErrno(int error)
    {
        return error != 0 ? FileFailure{Kind::System, error} : FileFailure{Kind::Unknown};
    }

    explicit operator bool() const { return kind != Kind::None; }
    // "not a regular file", the system's text for the error, or "cannot be written"; empty for none.
    Text text() const;
    std::string describe() const { return text().english(); }
};
