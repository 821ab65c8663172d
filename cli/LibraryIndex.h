#pragma once

#include "soundlibrary/LibraryFolders.h"

#include <memory>
#include <optional>

namespace soundlibrary {
class LibraryDatabase;
}

// The sound library as zylox reaches it: the list of its folders in the user's configuration and
// its index in the user's cache, the same files the editor uses, with what to say when there are none.
class LibraryIndex {
public:
    // How a user starts a library, after "zylox: <command>: ".
    static const char* const kHowToStart;

    // The list of library folders; nothing after saying why it could not be read.
    static std::optional<soundlibrary::LibraryFolders> folders();
    // Whether an index has been made: one can be opened without making a file.
    static bool exists();
    // The index, opened (and made when there is none), what its opening tells written on standard
    // error; nothing after saying why it could not be opened.
    static std::unique_ptr<soundlibrary::LibraryDatabase> open();
};
