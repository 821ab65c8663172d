#include "app/banks/CBankEdits.h"

#include "app/files/CFilePanels.h"
#include "app/settings/CImportPreferences.h"
#include "app/document/CWorkingBanks.h"
#include "audio/SoundFileTypes.h"
#include "content/CContent.h"
#include "model/IBank.h"

#include <filesystem>

CBankEdits::CBankEdits(IDialogs& dialogs, CFilePanels& panels, const CImportPreferences& preferences,
                       CWorkingBanks& banks, QObject* parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_panels(panels)
    , m_preferences(preferences)
    , m_banks(banks)
    , m_contentImport(dialogs)
{
}

void CBankEdits::renameBank(std::size_t row, const std::string& name)
{
    if (name == m_banks.bank(row).getName())
        return;
    m_banks.edit("Rename", row, [&](IBank& bank) {
        bank.setName(name.c_str());
        return true;
    });
}

void CBankEdits::renameSlot(std::size_t row, int slot, const std::string& name)
{
    const auto index = static_cast<std::uint16_t>(slot);
    if (name == m_banks.bank(row).getContentName(index))
        return;
    m_banks.edit("Rename", row, [&](IBank& bank) {
        bank.setContentName(index, name.c_str());
        return true;
    });
}

void CBankEdits::resetToFactory(std::size_t row)
{
    const std::string question = "Give the bank \"" + m_banks.bank(row).getName()
                                 + "\" back its factory name and sounds? What it holds now is replaced.";
    if (m_dialogs.runAlert({IDialogs::AlertStyle::Critical, "Reset to Default", question, "Reset", "Cancel", {}})
        != IDialogs::AlertReply::Default)
        return;
    m_banks.resetToFactory("Reset", row);
}

void CBankEdits::chooseImport(std::size_t row, int slot)
{
    const CContent* content = m_banks.bank(row).getContent(static_cast<std::uint16_t>(slot));
    if (content == nullptr)
        return;
    // Sounds first for a sample slot; a firmware slot takes System Exclusive files of any name.
    const std::string path = m_panels.open(CSettings::Folder::Import, content->isSample() ? audio::soundFileTypes()
                                                                                          : std::vector<std::string>{});
    if (!path.empty())
        import(row, slot, path);
}

void CBankEdits::import(std::size_t row, int slot, const std::string& path)
{
    const auto index = static_cast<std::uint16_t>(slot);
    audio::ImportResult result;
    m_banks.edit("Import", row, [&](IBank& bank) {
        result = m_contentImport.import(bank, index, path, m_preferences.options());
        return static_cast<bool>(result);
    });
    if (result) {
        const std::string fileName = std::filesystem::path(path).filename().string();
        emit status(QString::fromStdString(result.describe(fileName, m_banks.bank(row).getContentLabel(index))));
    }
}
