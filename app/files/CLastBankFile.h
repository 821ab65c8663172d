#pragma once

#include <QObject>

class CBankFiles;
class CSettings;
class CWorkingBanks;

// The set's bank file kept from one session to the next: whenever the set's file becomes another
// (an open, a save, an open undone or redone) it is written into the settings, and at start,
// when the preferences ask for it, it opens again.
class CLastBankFile : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive this.
    CLastBankFile(CSettings& settings, const CWorkingBanks& banks, CBankFiles& files, QObject* parent = nullptr);

    // Opens the last session's file again, as CBankFiles::reopen does, where the preferences ask
    // for it and there is one; otherwise does nothing.
    void reopen();

private:
    void keep();

    CSettings& m_settings;
    const CWorkingBanks& m_banks;
    CBankFiles& m_files;
};
