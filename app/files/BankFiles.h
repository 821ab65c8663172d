#pragma once

#include <QObject>

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

class BankFileOpening;
class FilePanels;
class UnsavedChanges;
class WorkingBanks;
class IDialogs;
class BankFile;

// The editor's bank files: Open… onto the selected row (a file of all banks fills every row when
// All banks is chosen, else gives the selected row its own bank alone),
// Save into the file last opened or saved with the banks it holds, Save As… of one bank or all,
// and the "Save changes?" question before unsaved banks would be lost. What is opened is a step
// in the undo history that makes the file the set's (undone, the earlier file is the set's
// again), and the saved state follows every open and save. Beside a bank file it
// keeps how its slots were shaped (ShapeSidecar), and an open finds their sources again.
class BankFiles : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive this.
    BankFiles(IDialogs& dialogs, FilePanels& panels, WorkingBanks& banks, UnsavedChanges& unsaved,
              QObject* parent = nullptr);
    ~BankFiles();

    // With allBanks false, a file of all banks gives the row only its own bank.
    void open(std::size_t row, bool allBanks);
    // A file the user already chose (dropped onto the window, or given at start), opened as Open…
    // opens it; one that cannot be read is named in a warning with the system's reason.
    void open(std::size_t row, const std::string& path, bool allBanks);
    // The set's file of an earlier session, opened again at start without a question or an alert:
    // a one-bank file onto its bank's own row, a file of all banks onto every row. Why it could
    // not be is said in the status line alone, with the file's whole path.
    void reopen(const std::string& path);
    // Writes the banks' file with the banks it holds, so a file never loses banks to a save; a set
    // without a file yet asks as saveAs does. True when saved; a failure has been told, a
    // cancelled panel has not.
    bool save(std::size_t row, bool allBanks);
    // Asks where, then writes the bank of row, or all banks, there.
    bool saveAs(std::size_t row, bool allBanks);
    // Asks about unsaved changes before the step named before ("quitting"); true when it may go
    // on: nothing unsaved, the user discarded it, or saved it (one changed bank alone, else all).
    bool settle(const QString& before);

signals:
    // What an open or a save did, and what became of the slots' sources, or why nothing was
    // opened or saved, for the status line.
    void status(const QString& text);
    // A bank file was opened or saved: the one to offer again, as the file system's bytes.
    void fileUsed(const std::string& path);

private:
    // The one bank of a file onto row, or onto its own row, after asking when it is another bank.
    void openOne(std::size_t row, BankFileOpening& opening, const std::string& path);
    void openAll(BankFileOpening& opening, const std::string& path);
    // The bank of row alone out of a file of all banks.
    void openRowOfAll(std::size_t row, BankFileOpening& opening, const std::string& path);
    void openFile(std::size_t row, const std::string& path, bool allBanks);
    // Why an opening holds no bank: the system's reason the file could not be read, or that it is
    // no bank file.
    static QString refusal(const BankFileOpening& opening);
    // Saves what "Save changes?" is about: the banks' file when it holds a changed bank, else the
    // changed banks as a first save would (one alone, or all).
    bool saveChanges();
    // A file of the banks of rows (one row, or all) at path.
    bool write(const std::vector<std::size_t>& rows, const std::string& path);
    // Keeps beside the bank file at path the shapes of the slots of rows made from source files;
    // says why not, when it could not.
    QString writeShapes(const std::vector<std::size_t>& rows, const std::string& path);
    // The sources of the file's shaped slots, found again where the slots and their sources are as
    // they were saved; rows maps a row of the file to the row it was opened onto. Says what could
    // not be found or kept, if anything.
    QString findSources(const std::map<std::size_t, std::size_t>& rows, const std::string& path);
    // After a save into file: the changed banks it does not hold, which stay unsaved; empty when none.
    QString leftUnsaved(const QString& file) const;
    // What was done, and a note on it when there is one, as one status line.
    void report(const QString& done, const QString& note);

    IDialogs& m_dialogs;
    FilePanels& m_panels;
    WorkingBanks& m_banks;
    UnsavedChanges& m_unsaved;
    std::unique_ptr<BankFile> m_file;
};
