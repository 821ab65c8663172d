#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace soundlibrary {

// An entry of a library folder whose name is a sound file's (by its ending, as the file panel
// offers them).
struct WalkedFile {
    enum class Kind {
        Regular, // a regular file: its size and time are known
        Unreadable, // a broken link, a FIFO or device, or one whose details could not be read
    };
    std::string path; // bytes, as the system gives them
    std::string folder; // the folder from the library folder's own name on ("Drums/Claps"), bytes
    std::string name; // bytes
    std::string format; // the name's ending in lower case: "wav"
    Kind kind = Kind::Regular;
    std::int64_t size = 0; // bytes
    std::int64_t mtime = 0; // ns since the epoch
};

// Walks one library folder and its folders, depth first: links are followed, but each folder is
// entered once (a link back up would loop) and no deeper than kDeepest below the library folder.
// Hidden entries (names that begin with a dot: .git, .Trash) are left out.
class FolderWalk {
public:
    static constexpr int kDeepest = 32;

    explicit FolderWalk(std::string root);
    // A folder inside a library folder, its files' folder text beginning with name (the library
    // folder's own name and the way down to this one: "Drums/Claps").
    FolderWalk(std::string folder, std::string name);

    // Counts a folder as entered already: the library folder and those on the way down to this one,
    // which a link back up would otherwise walk again.
    void enteredBefore(const std::string& folder);
    // Hands each sound-named entry to found, until it returns false (run then returns false).
    bool run(const std::function<bool(WalkedFile&&)>& found);

    // Entries that could not be read: folders that could not be listed, entries whose details could
    // not be read, sound-named entries that are no regular file.
    std::uint64_t unreadable() const { return m_unreadable; }
    // Regular files whose names are not of sound files: left out of the index.
    std::uint64_t otherFiles() const { return m_otherFiles; }
    // The folders that could not be listed (the library folder itself among them when it is not
    // there, as a disk not mounted), each followed by a slash: what was under them is unknown, not
    // gone.
    const std::vector<std::string>& unlistedFolders() const { return m_unlisted; }

private:
    struct Folder {
        std::string path;
        std::string relative;
        int depth = 0;
    };
    bool list(const Folder& folder, std::vector<Folder>& toVisit, const std::function<bool(WalkedFile&&)>& found);

    std::string m_root;
    std::string m_rootName;
    std::set<std::pair<std::uint64_t, std::uint64_t>> m_entered; // device and inode of each folder
    std::uint64_t m_unreadable = 0;
    std::uint64_t m_otherFiles = 0;
    std::vector<std::string> m_unlisted;
};

} // namespace soundlibrary
