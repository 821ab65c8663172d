#pragma once

#include <string>

// Stands in for a file that is about to be replaced: everything is written to a temporary file in
// the target's folder, which takes the target's place only on commit. Until then, and whenever
// anything fails, the target keeps its old contents; an uncommitted temporary is removed. What the
// user set on the file stays: a symbolic link stays a link and the file it points to is replaced,
// the old file's permission bits (and, where allowed, its group) carry over, and a file the user
// may not write is refused rather than replaced behind its back.
class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Empty when no temporary file could be made (the folder is missing or not writable, or the
    // target is not writable); errno then says why.
    const std::string& temporaryPath() const { return m_temporary; }

    // Flushes the temporary file to disk, renames it over the target and flushes the folder, so
    // the new name survives a power cut. Call only after the stream that wrote it has been closed
    // without error.
    bool commit();

private:
    std::string m_target;
    std::string m_temporary;
    bool m_committed = false;
};
