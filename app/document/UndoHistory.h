#pragma once

#include "app/document/FileBinding.h"
#include "app/document/SlotSource.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class IBank;
class QAction;

// A step's two names: the menu's, short ("Import", shown as Undo Import), and the status line's,
// naming what it touched ("import into S05 CLOSED HI HAT", shown as Undid import into ...).
struct StepName {
    QString what;
    QString said;
};

// Every change to the working banks as a step the user can take back and do again: imports,
// renames, resets, banks opened from a file. A step keeps a copy of the banks it touched, and of
// their slots' kept sources, as they were before (and, for an open, the set's file binding);
// undoing swaps them with those now in place, and redoing swaps them back. The oldest steps go
// once the history holds too many or too many bytes of banks.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    using Banks = std::vector<std::unique_ptr<IBank>>;
    // Whether a step changes the set's file binding too.
    enum class Binding { Kept, Changed };

    // The banks, their sources (one entry per bank) and the binding stay the caller's and must
    // outlive the history.
    UndoHistory(Banks& banks, std::vector<RowSources>& sources, FileBinding& binding, QObject* parent = nullptr);
    ~UndoHistory() override;

    // Runs change, which may replace or edit the banks of rows (and, where binding says so, the
    // set's file binding); when it returns true, what they were before is one step named name, and
    // banksChanged follows.
    bool perform(const StepName& name, const std::vector<std::size_t>& rows, const std::function<bool()>& change,
                 Binding binding = Binding::Kept);

    void undo();
    void redo();
    // Visits the kept sources of every step, so that a source let go leaves the history too.
    void forEachSources(const std::function<void(RowSources&)>& visit);
    // Visits the file bindings the steps keep, so that a file written since is known as it is now.
    void forEachBinding(const std::function<void(FileBinding&)>& visit);
    // Edit › Undo (Ctrl+Z) and Edit › Redo (Ctrl+Shift+Z), enabled and named after the step they take.
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    static constexpr std::size_t kMostSteps = 100;
    static constexpr std::size_t kMostBytes = 64u << 20;

signals:
    // An undo or redo is about to be taken: a change not made yet (a name being typed) is made
    // now, so that it is the step taken back rather than lost.
    void aboutToUndoOrRedo();
    // The banks of these rows are new or changed: whatever shows them shows them again.
    void banksChanged(const QList<int>& rows);
    // What an undo or redo did, for the status line.
    void status(const QString& text);

private:
    struct Step {
        StepName name;
        std::vector<std::size_t> rows;
        Banks other; // the rows' banks on the side of the step the history is not on
        std::vector<RowSources> otherSources; // and their kept sources
        std::optional<FileBinding> otherBinding; // and the set's file, for a step that changed it
        std::size_t bytes = 0;
    };

    void swap(Step& step, const QString& done);
    void trim();
    void updateActions();

    Banks& m_banks;
    std::vector<RowSources>& m_sources;
    FileBinding& m_binding;
    std::deque<Step> m_steps;
    std::size_t m_done = 0; // steps before this one are done, the rest undone
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
