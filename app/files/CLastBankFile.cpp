#include "app/files/CLastBankFile.h"

#include "app/document/CWorkingBanks.h"
#include "app/files/CBankFiles.h"
#include "app/settings/CSettings.h"

CLastBankFile::CLastBankFile(CSettings& settings, const CWorkingBanks& banks, CBankFiles& files, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_banks(banks)
    , m_files(files)
{
    // A save binds the set to its file without a step; an open, its undo and its redo are steps.
    connect(&files, &CBankFiles::fileUsed, this, &CLastBankFile::keep);
    connect(&banks, &CWorkingBanks::banksChanged, this, &CLastBankFile::keep);
}

void CLastBankFile::reopen()
{
    const QString last = m_settings.lastFile();
    if (m_settings.reopensLastFile() && !last.isEmpty())
        m_files.reopen(last.toStdString());
}

void CLastBankFile::keep()
{
    // Settings left as they are write nothing, so an edit that keeps the file costs no disk write.
    m_settings.setLastFile(QString::fromStdString(m_banks.binding().path));
}
