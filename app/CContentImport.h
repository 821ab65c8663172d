#pragma once

#include "app/IDialogs.h"
#include "audio/ImportResult.h"

#include <cstdint>
#include <string>

class IBank;

// Brings a file the user chose into a slot of a bank, with the question and the refusals the user
// sees on the way: the file is read once, a sound the converter does not take is refused, and a
// file that is no sound at all goes in as raw device bytes only after the user agreed.
class CContentImport {
public:
    explicit CContentImport(IDialogs& dialogs);

    // What the slot took of the file, a sound converted as the options say; when nothing, the bank
    // is unchanged and the user was told why (or declined).
    audio::ImportResult import(IBank& bank, std::uint16_t slot, const std::string& path, audio::ImportOptions options);

private:
    void refuse(const std::string& title, const std::string& message);

    IDialogs& m_dialogs;
};
