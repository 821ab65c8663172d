#pragma once

#include <QObject>

class BankFiles;
class Settings;
class WorkingBanks;

// The set's bank file kept from one session to the next: whenever the set's file becomes another
// (an open, a save, an open undone or redone) it is written into the settings, and at start,
// when the preferences ask for it, it opens again.
class LastBankFile : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive this.
    LastBankFile(Settings& settings, const WorkingBanks& banks, BankFiles& files, QObject* parent = nullptr);

    // Opens the last session's file again, as BankFiles::reopen does, where the preferences ask
    // for it and there is one; otherwise does nothing.
    void reopen();

private:
    void keep();

    Settings& m_settings;
    const WorkingBanks& m_banks;
    BankFiles& m_files;
};
