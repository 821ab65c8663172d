#include "soundlibrary/FolderWalk.h"

#include "audio/SoundFileTypes.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace soundlibrary {

namespace {

std::int64_t nanosecondsOf(const struct timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

FolderWalk::FolderWalk(std::string root)
    : m_root(withoutTrailingSlashes(std::move(root)))
{
    const std::size_t slash = m_root.rfind('/');
    m_rootName = slash == std::string::npos ? m_root : m_root.substr(slash + 1);
}

FolderWalk::FolderWalk(std::string folder, std::string name)
    : m_root(withoutTrailingSlashes(std::move(folder)))
    , m_rootName(std::move(name))
{
}

void FolderWalk::enteredBefore(const std::string& folder)
{
    struct stat details { };
    if (::stat(folder.c_str(), &details) == 0)
        m_entered.insert({details.st_dev, details.st_ino});
}

bool FolderWalk::run(const std::function<bool(WalkedFile&&)>& found)
{
    std::vector<Folder> toVisit{{m_root, m_rootName, 0}};
    enteredBefore(m_root);
    while (!toVisit.empty()) {
        const Folder folder = std::move(toVisit.back());
        toVisit.pop_back();
        if (!list(folder, toVisit, found))
            return false;
    }
    return true;
}

bool FolderWalk::list(const Folder& folder, std::vector<Folder>& toVisit,
                      const std::function<bool(WalkedFile&&)>& found)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.path.c_str()), ::closedir);
    if (!listing) {
        ++m_unreadable;
        m_unlisted.push_back(folder.path + "/");
        return true;
    }
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.')
            continue;
        const std::string path = folder.path == "/" ? "/" + name : folder.path + "/" + name;
        const std::string format = audio::soundFileEnding(name);
        struct stat details { };
        const bool known = ::stat(path.c_str(), &details) == 0;
        if (known && S_ISDIR(details.st_mode)) {
            if (folder.depth < kDeepest && m_entered.insert({details.st_dev, details.st_ino}).second)
                toVisit.push_back({path, folder.relative + "/" + name, folder.depth + 1});
            continue;
        }
        if (format.empty()) {
            if (!known)
                ++m_unreadable;
            else if (S_ISREG(details.st_mode))
                ++m_otherFiles;
            continue;
        }
        WalkedFile file{path, folder.relative, name, format, WalkedFile::Kind::Unreadable, -1, -1};
        if (known && S_ISREG(details.st_mode)) {
            file.kind = WalkedFile::Kind::Regular;
            file.size = static_cast<std::int64_t>(details.st_size);
            file.mtime = nanosecondsOf(details.st_mtim);
        } else {
            ++m_unreadable;
        }
        if (!found(std::move(file)))
            return false;
    }
    return true;
}

} // namespace soundlibrary
