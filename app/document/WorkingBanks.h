#pragma once

#include "app/document/FileBinding.h"
#include "app/document/SlotSource.h"
#include "app/document/UndoHistory.h"

#include <QList>
#include <QObject>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class IBank;
class QAction;

// The editor's document: the 32 banks the user edits, the sources their shaped slots were made
// from, the set's file binding, and the untouched factory banks beside them. Rooms read the banks
// here and change them only through edit, replace, open and putSound, so every change is a step in
// the undo history and banksChanged tells whoever shows them.
class WorkingBanks : public QObject {
    Q_OBJECT
public:
    using Banks = std::vector<std::unique_ptr<IBank>>;

    // The most bytes of decoded sources the session keeps, the undo history's included, with what a
    // render made of them and keeps (their peaks, a wide source's steps).
    static constexpr std::size_t kSourceBudget = 256u << 20;

    // What putSound did: whether the slot took the bytes, and how many of the oldest sources were
    // let go, from the slots and the undo history alike, to stay within the budget.
    struct SoundPut {
        bool taken = false;
        std::size_t sourcesLetGo = 0;
    };

    explicit WorkingBanks(QObject* parent = nullptr, std::size_t sourceBudget = kSourceBudget);
    ~WorkingBanks() override;

    std::size_t size() const { return m_banks.size(); }
    const IBank& bank(std::size_t row) const { return *m_banks.at(row); }
    const IBank& factoryBank(std::size_t row) const { return *m_factory.at(row); }
    // A copy of every working bank, for what must outlive the next change (a save, a send).
    Banks copies() const;

    std::size_t sourceBudget() const { return m_sourceBudget; }
    // The source a sample slot was shaped from; null for a slot that is plain bytes.
    const SlotSource* source(std::size_t row, std::uint16_t slot) const;

    // Runs change on the bank of row; when it returns true, that is one step named name, otherwise
    // the bank must be as it was. A slot whose bytes change loses its source.
    bool edit(const StepName& name, std::size_t row, const std::function<bool(IBank&)>& change);
    // The banks of rows become banks (in the same order), as one step named name.
    void replace(const StepName& name, const std::vector<std::size_t>& rows, Banks banks);
    // The banks of rows become banks (in the same order), those of the bank file at path, which
    // holds those rows and no others; it becomes the set's file, as part of one step named name,
    // so undoing the open gives back the file the banks belonged to before.
    void open(const StepName& name, const std::vector<std::size_t>& rows, Banks banks, const std::string& path);
    // The bank file at path now holds the banks of rows as they are, and no others (a save): it is
    // the set's file from now on, also for an undone open of it that is redone later.
    void matchFile(const std::vector<std::size_t>& rows, const std::string& path);
    const FileBinding& binding() const { return m_binding; }
    // A row's bank given back its factory name and sounds, as one step named name.
    void resetToFactory(const StepName& name, std::size_t row);
    // Puts a sound rendered for a sample slot (exactly the slot's length of device bytes) into it,
    // named name, with the source it was made from (none: the slot is plain bytes), as one step
    // named step. Refused, nothing changed, where the bank refuses the bytes.
    SoundPut putSound(const StepName& step, std::size_t row, std::uint16_t slot, std::span<const std::uint8_t> bytes,
                      const std::string& name, std::optional<SlotSource> source);
    // One slot's part of putSounds.
    struct SlotPut {
        std::uint16_t slot = 0;
        std::vector<std::uint8_t> bytes;
        std::string name;
        std::optional<SlotSource> source;
    };
    // Puts several sounds into slots of one bank as putSound does, all as one step named step: a kit
    // is undone whole. Refused, nothing changed, where the bank refuses any of them.
    SoundPut putSounds(const StepName& step, std::size_t row, const std::vector<SlotPut>& puts);
    // The same into slots of any banks, each put beside its bank's row.
    SoundPut putSounds(const StepName& step, const std::vector<std::pair<std::size_t, SlotPut>>& puts);

    // Keeps source as what the slot's bytes, as they are now, were made from, with no step of its
    // own: for sources found again beside a bank file just opened, whose open is the step. Returns
    // how many of the oldest sources were let go to stay within the budget.
    std::size_t keepSource(std::size_t row, std::uint16_t slot, SlotSource source);

    // Edit › Undo and Edit › Redo, named after the step they take.
    QAction* undoAction() const { return m_history.undoAction(); }
    QAction* redoAction() const { return m_history.redoAction(); }

signals:
    // An undo or redo is about to be taken: a name being typed becomes its bank's first.
    void aboutToUndoOrRedo();
    // The banks of these rows are new or changed: whatever shows them shows them again.
    void banksChanged(const QList<int>& rows);
    // What an undo or redo did, for the status line.
    void status(const QString& text);

private:
    // The banks of rows become banks, their slots with no sources.
    void put(const std::vector<std::size_t>& rows, Banks& banks);
    // The bank file at path holds the banks of rows as they are now, and no others.
    void bind(const std::vector<std::size_t>& rows, const std::string& path);
    // Lets the oldest sources go, everywhere they are held, until those kept fit the budget; the
    // newest always stays. Returns how many went.
    std::size_t keepWithinBudget();
    // Makes sound the newest of the kept sources, then keeps within the budget.
    std::size_t keepNewest(const std::shared_ptr<const audio::DecodedSound>& sound);
    void forEachSources(const std::function<void(RowSources&)>& visit);

    Banks m_factory;
    Banks m_banks;
    std::vector<RowSources> m_sources;
    FileBinding m_binding;
    const std::size_t m_sourceBudget;
    // The sources in the order they were last put into a slot, so the oldest go first.
    std::vector<std::weak_ptr<const audio::DecodedSound>> m_keptOrder;
    // A child as well as a member, so that its actions are found among the window's.
    UndoHistory m_history;
};
