#pragma once

#include "app/banks/CContentImport.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CFilePanels;
class CImportPreferences;
class CWorkingBanks;
class QLabel;

// The user's edits of the working banks, each one step in the undo history: a bank's name, a
// slot's name, a file imported into a slot, and a bank given back its factory name and sounds.
class CBankEdits {
public:
    // Everything stays the caller's and must outlive the edits; the status line tells what an
    // import took.
    CBankEdits(IDialogs& dialogs, CFilePanels& panels, const CImportPreferences& preferences, CWorkingBanks& banks,
               QLabel& status);

    // A name left as it was is no rename.
    void renameBank(std::size_t row, const std::string& name);
    void renameSlot(std::size_t row, int slot, const std::string& name);
    // Only after the user agreed: what the bank holds now is replaced.
    void resetToFactory(std::size_t row);
    // Import…: asks for the file to import into the slot.
    void chooseImport(std::size_t row, int slot);
    void import(std::size_t row, int slot, const std::string& path);

private:
    IDialogs& m_dialogs;
    CFilePanels& m_panels;
    const CImportPreferences& m_preferences;
    CWorkingBanks& m_banks;
    QLabel& m_status;
    CContentImport m_contentImport;
};
