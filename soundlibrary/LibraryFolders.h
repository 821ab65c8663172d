#pragma once

#include "soundlibrary/LibraryFoldersFailure.h"

#include <string>
#include <vector>

namespace soundlibrary {

// The folders the user made the library of, kept across restarts in a file both programs share
// (libraryFoldersPath): one absolute path a line, its bytes as the file system has them, so a name
// that is not UTF-8 comes back as it was. Lines that are not absolute paths (blank ones, a note the
// user wrote by hand) are passed over and dropped at the next change. Each change reads the file
// again first and saves it whole through a temporary file, so a change of the other program made
// since this one read it is kept, and neither ever sees half a list.
class LibraryFolders {
public:
    // A list holds some dozens of paths of at most 4 KiB each: a larger file is not one.
    static constexpr std::size_t kLargestFile = std::size_t{1} << 20;

    // The list in path; no file there is an empty list. failure() says why it could not be read.
    static LibraryFolders load(std::string path);

    const std::vector<std::string>& folders() const { return m_folders; }
    const std::string& path() const { return m_path; }
    // Why the last read failed; a change refuses until the file can be read again, so that a list
    // this program could not read is never written over.
    const LibraryFoldersFailure& failure() const { return m_failure; }

    // Reads the file again, for a change the other program made.
    void reload();
    // Adds folder (relative to the working folder, or absolute) in its canonical form: links
    // resolved, no "." or "..". Refuses a folder that is missing, no folder, or already in the
    // library (listed, inside a listed one, or holding one), and a path with a line break.
    LibraryFoldersFailure add(const std::string& folder);
    // Removes folder, as listed or as its canonical form; a folder gone from the disk can be removed.
    LibraryFoldersFailure remove(const std::string& folder);

private:
    explicit LibraryFolders(std::string path);
    // Reads again and refuses when that failed.
    LibraryFoldersFailure reloadForChange();
    LibraryFoldersFailure save();
    LibraryFoldersFailure refusal(LibraryFoldersFailure::Kind kind, std::string folder, std::string listed = {},
                                  int error = 0) const;

    std::string m_path;
    std::vector<std::string> m_folders;
    LibraryFoldersFailure m_failure;
};

} // namespace soundlibrary
