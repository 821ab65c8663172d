#include "app/files/LastBankFile.h"

#include "app/document/WorkingBanks.h"
#include "app/files/BankFiles.h"
#include "app/settings/Settings.h"

LastBankFile::LastBankFile(Settings& settings, const WorkingBanks& banks, BankFiles& files, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_banks(banks)
    , m_files(files)
{
    // A save binds the set to its file without a step; an open, its undo and its redo are steps.
    connect(&files, &BankFiles::fileUsed, this, &LastBankFile::keep);
    connect(&banks, &WorkingBanks::banksChanged, this, &LastBankFile::keep);
}

void LastBankFile::reopen()
{
    const std::string last = m_settings.lastFile();
    if (m_settings.reopensLastFile() && !last.empty())
        m_files.reopen(last);
}

void LastBankFile::keep()
{
    // Settings left as they are write nothing, so an edit that keeps the file costs no disk write.
    m_settings.setLastFile(m_banks.binding().path);
}
