#include "soundlibrary/LibraryFoldersFailure.h"

#include <cstring>

namespace soundlibrary {

Text LibraryFoldersFailure::text() const
{
    const TextArgument system = TextArgument::systemText(error != 0 ? std::strerror(error) : "");
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::Missing:
        return {ZYLOX_TR("LibraryFolders", "the folder %1 does not exist"), {folder}};
    case Kind::Unreachable:
        //: A folder, then the system's reason it cannot be opened
        return {ZYLOX_TR("LibraryFolders", "the folder %1 cannot be opened (%2)"), {folder, system}};
    case Kind::NotAFolder:
        return {ZYLOX_TR("LibraryFolders", "%1 is not a folder"), {folder}};
    case Kind::LineBreak:
        return {ZYLOX_TR("LibraryFolders",
                         "the folder %1 has a line break in its name, which the list of library folders cannot keep"),
                {folder}};
    case Kind::Listed:
        return {ZYLOX_TR("LibraryFolders", "the folder %1 is already in the library"), {folder}};
    case Kind::InsideListed:
        //: A folder, then the library folder it lies in
        return {ZYLOX_TR("LibraryFolders", "the folder %1 is already in the library, inside its folder %2"),
                {folder, listed}};
    case Kind::HoldsListed:
        //: A folder, then a library folder inside it, which the user removes before adding the larger one
        return {ZYLOX_TR("LibraryFolders", "the folder %1 holds the library folder %2: remove that one first"),
                {folder, listed}};
    case Kind::NotListed:
        return {ZYLOX_TR("LibraryFolders", "the folder %1 is not in the library"), {folder}};
    case Kind::NoHome:
        return ZYLOX_TR("LibraryFolders",
                        "there is no place for the list of library folders: neither XDG_CONFIG_HOME nor HOME is set");
    case Kind::ListUnreadable:
        //: The file listing the library folders, then the system's reason
        return {ZYLOX_TR("LibraryFolders", "the list of library folders %1 could not be read (%2)"), {file, system}};
    case Kind::ListTooLarge:
        return {ZYLOX_TR("LibraryFolders", "the list of library folders %1 is too large to be one"), {file}};
    case Kind::ListUnwritable:
        //: The file listing the library folders, then why it could not be written
        return {ZYLOX_TR("LibraryFolders", "the list of library folders %1 could not be written (%2)"),
                {file, cause.text()}};
    }
    return {};
}

} // namespace soundlibrary
