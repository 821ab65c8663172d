#pragma once

#include <string>

// Why the device record, or a file beside it, could not be written: the record's folder and the
// system's error number. Both programs word it, the editor in the window's language, zylox in
// English.
struct RecordFailure {
    std::string folder{};
    int error = 0;

    explicit operator bool() const { return error != 0; }
    // "the device record in /home/u/.local/state/zylox could not be written (No space left on
    // device)"; empty for none.
    std::string describe() const;
};
