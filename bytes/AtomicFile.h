#pragma once

#include "bytes/FileFailure.h"

#include <cstdint>
#include <span>
#include <string>

// Stands in for a file that is about to be replaced: everything is written to a temporary file in
// the target's folder, which takes the target's place only on commit. Until then, and whenever
// anything fails, the target keeps its old contents. The temporary has no name at all where the
// file system allows it (a crash leaves nothing behind); elsewhere it is the hidden
// ".NAME.zylox-PID.tmp" (of a long NAME its start), and a later save of the same file removes those
// whose process is gone.
// What the user set on the file stays: a symbolic link stays a link and the file it points to is
// replaced, the old file's permission bits and (where allowed) owner and group carry over, and a
// file the user may not write, or that is no regular file (a FIFO, a device), is refused rather
// than replaced behind the user's back.
class AtomicFile {
public:
    // The whole of bytes as the file at path; on failure the file stays as it was, and the failure
    // says why.
    static FileFailure writeWhole(const std::string& path, std::span<const std::uint8_t> bytes);

    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Where to write the new contents; empty when no temporary file could be made (see failure()).
    const std::string& temporaryPath() const { return m_temporary; }

    // Flushes the temporary file to disk, renames it over the target and flushes the folder, so
    // the new name survives a power cut. Call only after the stream that wrote it has been closed
    // without error.
    bool commit();

    // Why the temporary could not be made or the commit failed: no regular file, or the system's
    // error.
    FileFailure failure() const;

private:
    bool openUnnamed(const std::string& folder);
    bool openNamed();
    bool failWith(int error);

    std::string m_target;
    // The hidden name the file has (fallback) or takes just before it replaces the target.
    std::string m_hidden;
    std::string m_temporary;
    int m_descriptor = -1;
    bool m_unnamed = false;
    bool m_committed = false;
    bool m_notRegular = false;
    int m_error = 0;
};
