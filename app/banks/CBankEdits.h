#pragma once

#include "app/banks/CContentImport.h"

#include <QObject>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CFilePanels;
class CImportPreferences;
class CWorkingBanks;

// The user's edits of the working banks, each one step in the undo history: a bank's name, a
// slot's name, a file imported into a slot, and a bank given back its factory name and sounds.
class CBankEdits : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive the edits.
    CBankEdits(IDialogs& dialogs, CFilePanels& panels, const CImportPreferences& preferences, CWorkingBanks& banks,
               QObject* parent = nullptr);

    // A name left as it was is no rename.
    void renameBank(std::size_t row, const std::string& name);
    void renameSlot(std::size_t row, int slot, const std::string& name);
    // Only after the user agreed: what the bank holds now is replaced.
    void resetToFactory(std::size_t row);
    // Import…: asks for the file to import into the slot.
    void chooseImport(std::size_t row, int slot);
    void import(std::size_t row, int slot, const std::string& path);

signals:
    // What an import took, for the status line.
    void status(const QString& text);

private:
    IDialogs& m_dialogs;
    CFilePanels& m_panels;
    const CImportPreferences& m_preferences;
    CWorkingBanks& m_banks;
    CContentImport m_contentImport;
};
