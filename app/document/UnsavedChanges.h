#pragma once

#include "app/common/IDialogs.h"
#include "app/document/WorkingBanks.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// What of the working banks the user has not saved: each bank is compared with the set's file
// binding's copy of it as it was last saved to, or opened from, a bank file (at start: the factory
// bank). Undoing a change makes a bank saved again. It also names the window after that file
// ("Untitled" before any).
class UnsavedChanges {
    Q_DECLARE_TR_FUNCTIONS(UnsavedChanges)

public:
    enum class Answer { Save, Discard, Cancel };

    // The banks and the dialogs stay the caller's and must outlive this.
    UnsavedChanges(const WorkingBanks& banks, IDialogs& dialogs);
    ~UnsavedChanges();

    // The set's bank file, empty before any (or once the open that gave it is undone); and the
    // rows it holds.
    const std::string& filePath() const { return m_banks.binding().path; }
    const std::vector<std::size_t>& fileRows() const { return m_banks.binding().rows; }
    // Rows whose banks differ from their file, in row order.
    std::vector<std::size_t> changedRows() const;
    // The file's name and Qt's mark for unsaved changes: "s05.mid[*]", or "Untitled[*]".
    QString title() const;
    // Asks "Save changes?" about the changed banks before the user's next step (quitting,
    // opening); Discard when nothing is unsaved.
    Answer ask(const QString& before) const;

private:
    const WorkingBanks& m_banks;
    IDialogs& m_dialogs;
};
