#pragma once

#include <string>

namespace soundlibrary {

// How the library's index file was opened: the fact the window words in its status line.
struct LibraryOpening {
    enum class Outcome {
        Opened, // an index as it was left (of an older version: brought up to this one)
        Created, // none was there: the folders are scanned anew
        Rebuilt, // the file there was set aside (why says why) and a fresh one made
        Failed, // no index could be opened or made (systemText says why): the library is off
    };
    // Why a file was set aside.
    enum class Reason {
        None,
        Damaged, // not an SQLite file, its pages do not check out, or another program's tables
        Locked, // another program held it past the wait
        Newer, // written by a newer version of the program, whose layout this one cannot read
        Older, // written by an older version, whose layout could not be brought up to this one
    };

    Outcome outcome = Outcome::Failed;
    Reason reason = Reason::None;
    std::string asidePath; // where the set-aside file now is
    std::string systemText; // SQLite's or the system's own words, for a failure
};

} // namespace soundlibrary
