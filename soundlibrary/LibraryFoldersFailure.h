#pragma once

#include "bytes/FileFailure.h"
#include "bytes/Text.h"

#include <string>

namespace soundlibrary {

// Why a folder was not added to or removed from the library, or why the list of library folders
// could not be read or written: both programs word it, zylox in English, the window in its language.
struct LibraryFoldersFailure {
    enum class Kind {
        None,
        Missing, // no such folder
        Unreachable, // the system's error (error) on the way to it, as a folder without permission
        NotAFolder, // a file, a device, a FIFO
        LineBreak, // its path holds a line break, which a list of one path a line cannot keep
        Listed, // in the list already
        InsideListed, // inside listed, a folder of the list: its files are in the library already
        HoldsListed, // holds listed, a folder of the list, whose files would be in the library twice
        NotListed, // removed, but not in the list
        NoHome, // neither XDG_CONFIG_HOME nor HOME names a folder for the list
        ListUnreadable, // the list's file could not be read (error)
        ListTooLarge, // the list's file is larger than any list: another file stands there
        ListUnwritable, // the list's file could not be written (cause)
    };

    Kind kind = Kind::None;
    std::string folder{}; // the folder as the user gave it, or made canonical
    std::string listed{}; // InsideListed, HoldsListed: the folder of the list
    std::string file{}; // the list's file
    int error = 0; // Unreachable, ListUnreadable: errno
    FileFailure cause{}; // ListUnwritable

    explicit operator bool() const { return kind != Kind::None; }
    // "the folder /home/u/Sounds is already in the library", "the list of library folders
    // /home/u/.config/zylox/library-folders could not be written (No space left on device)"; empty for none.
    Text text() const;
};

} // namespace soundlibrary
