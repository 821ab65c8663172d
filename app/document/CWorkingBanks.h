#pragma once

#include "app/document/CUndoHistory.h"

#include <QList>
#include <QObject>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class IBank;
class QAction;

// The editor's document: the 32 banks the user edits and the untouched factory banks beside them.
// Rooms read the banks here and change them only through edit and replace, so every change is a
// step in the undo history and banksChanged tells whoever shows them.
class CWorkingBanks : public QObject {
    Q_OBJECT
public:
    using Banks = std::vector<std::unique_ptr<IBank>>;

    explicit CWorkingBanks(QObject* parent = nullptr);
    ~CWorkingBanks() override;

    std::size_t size() const { return m_banks.size(); }
    const IBank& bank(std::size_t row) const { return *m_banks.at(row); }
    const IBank& factoryBank(std::size_t row) const { return *m_factory.at(row); }
    // A copy of every working bank, for what must outlive the next change (a save, a send).
    Banks copies() const;

    // Runs change on the bank of row; when it returns true, that is one step named what ("Rename",
    // "Import"...), otherwise the bank must be as it was.
    bool edit(const std::string& what, std::size_t row, const std::function<bool(IBank&)>& change);
    // The banks of rows become banks (in the same order), as one step named what.
    void replace(const std::string& what, const std::vector<std::size_t>& rows, Banks banks);
    // A row's bank given back its factory name and sounds, as one step named what.
    void resetToFactory(const std::string& what, std::size_t row);

    // Edit › Undo and Edit › Redo, named after the step they take.
    QAction* undoAction() const { return m_history.undoAction(); }
    QAction* redoAction() const { return m_history.redoAction(); }

signals:
    // The banks of these rows are new or changed: whatever shows them shows them again.
    void banksChanged(const QList<int>& rows);

private:
    Banks m_factory;
    Banks m_banks;
    // A child as well as a member, so that its actions are found among the window's.
    CUndoHistory m_history;
};
