#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class IBank;

// The set's file: the bank file Save writes (empty while the set has none, so Save asks where),
// the rows that file holds, and every row's bank as it was last opened from or saved to a file
// (the factory bank before any), against which a bank counts as unsaved. An open changes it as
// part of the open's undo step: undoing the open gives back the file the banks belonged to.
struct FileBinding {
    std::string path;
    std::vector<std::size_t> rows;
    // One per row; shared between the binding in force and those the undo history keeps.
    std::vector<std::shared_ptr<const IBank>> saved;
};
