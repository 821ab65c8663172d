#include "soundlibrary/LibraryFolders.h"

#include "bytes/AtomicFile.h"
#include "bytes/SourceFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace soundlibrary {

namespace {

using Kind = LibraryFoldersFailure::Kind;

// Whether inner lies inside outer, both canonical: "/a/b" is inside "/a" and "/", not inside "/ab".
bool isInside(const std::string& inner, const std::string& outer)
{
    return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0
           && (outer.back() == '/' || inner[outer.size()] == '/');
}

bool holdsLineBreak(const std::string& path)
{
    return path.find('\n') != std::string::npos;
}

} // namespace

LibraryFolders::LibraryFolders(std::string path)
    : m_path(std::move(path))
{
}

LibraryFolders LibraryFolders::load(std::string path)
{
    LibraryFolders list(std::move(path));
    list.reload();
    return list;
}

void LibraryFolders::reload()
{
    m_folders.clear();
    m_failure = {};
    if (m_path.empty()) {
        m_failure = refusal(Kind::NoHome, {});
        return;
    }
    const SourceFile file(m_path, kLargestFile + 1);
    // No file, or a file where a folder on its way should be: no list has been saved there.
    if (file.error() == ENOENT || file.error() == ENOTDIR)
        return;
    if (file.error() != 0) {
        m_failure = refusal(Kind::ListUnreadable, {}, {}, file.error());
        return;
    }
    if (file.bytes().size() > kLargestFile) {
        m_failure = refusal(Kind::ListTooLarge, {});
        return;
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes().data()), file.bytes().size());
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line(text.substr(start, end - start));
        if (line.starts_with('/') && std::find(m_folders.begin(), m_folders.end(), line) == m_folders.end())
            m_folders.push_back(line);
        start = end + 1;
    }
}

LibraryFoldersFailure LibraryFolders::add(const std::string& folder)
{
    if (LibraryFoldersFailure failure = reloadForChange())
        return failure;
    if (holdsLineBreak(folder))
        return refusal(Kind::LineBreak, folder);
    std::error_code error;
    const std::string canonical = std::filesystem::canonical(folder, error).string();
    if (error)
        return error.value() == ENOENT || error.value() == ENOTDIR
                   ? refusal(Kind::Missing, folder)
                   : refusal(Kind::Unreachable, folder, {}, error.value());
    if (!std::filesystem::is_directory(canonical, error))
        return refusal(Kind::NotAFolder, folder);
    // A link's name holds no line break, but the folder it leads to may.
    if (holdsLineBreak(canonical))
        return refusal(Kind::LineBreak, canonical);
    for (const std::string& listed : m_folders) {
        if (listed == canonical)
            return refusal(Kind::Listed, canonical);
        if (isInside(canonical, listed))
            return refusal(Kind::InsideListed, canonical, listed);
        if (isInside(listed, canonical))
            return refusal(Kind::HoldsListed, canonical, listed);
    }
    m_folders.push_back(canonical);
    LibraryFoldersFailure failure = save();
    if (failure)
        m_folders.pop_back();
    return failure;
}

LibraryFoldersFailure LibraryFolders::remove(const std::string& folder)
{
    if (LibraryFoldersFailure failure = reloadForChange())
        return failure;
    std::error_code error;
    // As listed, as the path it names without "." or "..", or (for a link to it) as its canonical form.
    const std::vector<std::string> names{folder, std::filesystem::absolute(folder, error).lexically_normal().string(),
                                         std::filesystem::weakly_canonical(folder, error).string()};
    auto found = m_folders.end();
    for (std::string name : names) {
        if (name.size() > 1 && name.back() == '/')
            name.pop_back();
        found = std::find(m_folders.begin(), m_folders.end(), name);
        if (found != m_folders.end())
            break;
    }
    if (found == m_folders.end())
        return refusal(Kind::NotListed, folder);
    const auto at = found - m_folders.begin();
    const std::string removed = *found;
    m_folders.erase(found);
    LibraryFoldersFailure failure = save();
    if (failure)
        m_folders.insert(m_folders.begin() + at, removed);
    return failure;
}

LibraryFoldersFailure LibraryFolders::reloadForChange()
{
    reload();
    return m_failure;
}

LibraryFoldersFailure LibraryFolders::save()
{
    const auto unwritable = [this](FileFailure cause) {
        LibraryFoldersFailure failure = refusal(Kind::ListUnwritable, {});
        failure.cause = cause;
        return failure;
    };
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), error);
    if (error)
        return unwritable(FileFailure::fromErrno(error.value()));
    AtomicFile target(m_path);
    if (target.temporaryPath().empty())
        return unwritable(target.failure());
    {
        errno = 0;
        std::ofstream out(target.temporaryPath(), std::ios::binary | std::ios::trunc);
        for (const std::string& folder : m_folders)
            out << folder << '\n';
        out.close();
        if (!out)
            return unwritable(FileFailure::fromErrno(errno != 0 ? errno : EIO));
    }
    if (!target.commit())
        return unwritable(target.failure());
    return {};
}

LibraryFoldersFailure LibraryFolders::refusal(Kind kind, std::string folder, std::string listed, int error) const
{
    return {kind, std::move(folder), std::move(listed), m_path, error, {}};
}

} // namespace soundlibrary
