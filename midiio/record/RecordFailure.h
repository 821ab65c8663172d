#pragma once

#include "bytes/FileFailure.h"

#include <string>

// Why a file of a device's (its record, the copy of what it holds, or the lock its senders take)
// could not be written or opened: which file, and the cause (no regular file there, or the
// system's error). Both programs word it, the editor in the window's language, zylox in English.
struct RecordFailure {
    enum class Subject { Record, Copy, Lock };

    Subject subject = Subject::Record;
    std::string file{};
    FileFailure cause{};

    explicit operator bool() const { return static_cast<bool>(cause); }
    // "the device record /home/u/.local/state/zylox/device-….txt could not be written (not a
    // regular file)", "the copy of the device's contents … could not be written (…)", "the
    // device's lock /run/lock/zylox-device-….lock could not be opened (Permission denied)"; empty
    // for none.
    Text text() const;
    std::string describe() const { return text().english(); }
};
