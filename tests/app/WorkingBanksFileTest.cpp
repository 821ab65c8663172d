// The set's file binding in the document's undo history: an open is undone together with the file
// it bound the banks to, so Save after the undo goes where it went before the open; a save is
// known to every step that could bring its file back; and a name being typed becomes a step of
// its own before an undo takes one.
#include "WorkingBanksFixture.h"

#include "app/document/UnsavedChanges.h"

#include <QAction>

#include <random>
#include <string>
#include <vector>

namespace {

// What Save would do and what the title says: the file, the rows it holds, the rows unsaved.
struct Saving {
    std::string path;
    std::vector<std::size_t> rows;
    std::vector<std::size_t> unsaved;
    std::string title;
    bool operator==(const Saving&) const = default;
};

void PrintTo(const Saving& saving, std::ostream* out)
{
    *out << saving.title << " path=" << saving.path << " rows=" << saving.rows.size()
         << " unsaved=" << saving.unsaved.size();
}

class WorkingBanksFileTest : public WorkingBanksFixture {
protected:
    Saving saving() const
    {
        return {banks.binding().path, banks.binding().rows, unsaved.changedRows(), unsaved.title().toStdString()};
    }
    // The banks of rows, renamed "name <row>", as a bank file at path would bring them.
    void open(const std::vector<std::size_t>& rows, const std::string& name, const std::string& path)
    {
        banks.open({"Open", "opening " + QString::fromStdString(path)}, rows, renamed(rows, name), path);
    }
    // UnsavedChanges asks nothing in these tests.
    void TearDown() override { EXPECT_TRUE(dialogs.alerts.empty()); }
    KeptAlerts dialogs;
    UnsavedChanges unsaved{banks, dialogs};
};

TEST_F(WorkingBanksFileTest, UndoAndRedoGiveBackTheFileOfEveryStepOverRandomSessions)
{
    // One all-banks open keeps two sets of banks in its step, the banks and the saved copies; the
    // history keeps every step when three sets are left for the steps of single banks.
    const std::size_t setBytes = bytesOfAllRows();
    const std::size_t allOpensKept = (UndoHistory::kMostBytes - 3 * setBytes) / (2 * setBytes);
    ASSERT_GE(allOpensKept, 1u);

    std::mt19937 random(28);
    const Saving start{"", {}, {}, "Untitled[*]"};
    ASSERT_EQ(saving(), start);
    std::vector<Saving> states{start};
    std::size_t allOpens = 0;
    for (int step = 0; step < 60; ++step) {
        const std::size_t row = random() % allRows.size();
        const std::string name = "step " + std::to_string(step);
        const auto kind = random() % 4;
        if (kind == 0) {
            rename(row, name);
        } else if (kind == 1) { // a one-bank file
            open({row}, name, "/files/k" + std::to_string(step % 5) + ".mid");
        } else if (kind == 2 && allOpens < allOpensKept) { // a file of all banks
            ++allOpens;
            open(allRows, name, "/files/all" + std::to_string(step % 3) + ".mid");
        } else { // one bank taken out of a file of all banks, which binds nothing
            banks.replace({"Open", "opening one of all"}, {row}, renamed({row}, name));
        }
        states.push_back(saving());
    }
    ASSERT_GE(allOpens, 1u);

    for (std::size_t step = states.size() - 1; step > 0; --step) {
        banks.undoAction()->trigger();
        ASSERT_EQ(saving(), states[step - 1]) << "undone step " << step;
    }
    EXPECT_FALSE(banks.undoAction()->isEnabled());
    for (std::size_t step = 1; step < states.size(); ++step) {
        banks.redoAction()->trigger();
        ASSERT_EQ(saving(), states[step]) << "redone step " << step;
    }
}

TEST_F(WorkingBanksFileTest, AnOpenUndoneBindsTheEarlierFileWithWhatWasUnsavedThen)
{
    rename(4, "Mine");
    banks.matchFile({4}, "/files/mine.mid");
    rename(6, "Unsaved");
    const Saving before{"/files/mine.mid", {4}, {6}, "mine.mid[*]"};
    ASSERT_EQ(saving(), before);

    open({4}, "Kit", "/files/kit.mid");
    EXPECT_EQ(saving(), (Saving{"/files/kit.mid", {4}, {6}, "kit.mid[*]"}));
    banks.undoAction()->trigger();
    EXPECT_EQ(saving(), before);
    EXPECT_EQ(banks.bank(4).getName(), "Mine");
    banks.redoAction()->trigger();
    EXPECT_EQ(saving(), (Saving{"/files/kit.mid", {4}, {6}, "kit.mid[*]"}));

    // A bank taken out of a file of all banks does not make that file the set's.
    banks.replace({"Open", "opening S06 from all.mid"}, {5}, renamed({5}, "Of all"));
    EXPECT_EQ(saving(), (Saving{"/files/kit.mid", {4}, {5, 6}, "kit.mid[*]"}));
    banks.undoAction()->trigger();
    EXPECT_EQ(saving(), (Saving{"/files/kit.mid", {4}, {6}, "kit.mid[*]"}));
}

TEST_F(WorkingBanksFileTest, ASaveIsKnownToTheStepsThatWouldBringItsFileBack)
{
    const std::string all = "/files/all.mid";
    open(allRows, "File", all);
    rename(9, "Edited");
    banks.matchFile(allRows, all); // Save: the file holds the rename now
    banks.undoAction()->trigger(); // the rename: unsaved against what the file holds
    EXPECT_EQ(saving(), (Saving{all, allRows, {9}, "all.mid[*]"}));
    banks.undoAction()->trigger(); // the open
    EXPECT_EQ(saving(), (Saving{"", {}, {}, "Untitled[*]"}));
    banks.redoAction()->trigger();
    EXPECT_EQ(saving(), (Saving{all, allRows, {9}, "all.mid[*]"}));

    // Undone again, and the earlier banks' S05 saved over the file alone: redone, the open binds
    // the file as it now is, one bank, so Save writes that bank there, and the banks the file held
    // before are unsaved where they are not the factory's.
    banks.undoAction()->trigger();
    banks.matchFile({4}, all);
    EXPECT_EQ(saving(), (Saving{all, {4}, {}, "all.mid[*]"}));
    banks.redoAction()->trigger();
    EXPECT_EQ(saving(), (Saving{all, {4}, allRows, "all.mid[*]"}));

    // The same holds for the binding in force: a file of all banks saved over with one bank.
    banks.matchFile(allRows, all);
    banks.resetToFactory({"Reset", "reset"}, 7);
    banks.matchFile({3}, all);
    std::vector<std::size_t> lost = allRows;
    std::erase(lost, 3);
    std::erase(lost, 7);
    EXPECT_EQ(saving(), (Saving{all, {3}, lost, "all.mid[*]"}));
}

TEST_F(WorkingBanksFileTest, ANameNotYetMadeBeforeAnUndoIsTheStepItTakesBack)
{
    rename(4, "First");
    bool typing = true;
    QObject::connect(&banks, &WorkingBanks::aboutToUndoOrRedo, [&] {
        if (std::exchange(typing, false))
            rename(4, "Second");
    });
    banks.undoAction()->trigger();
    EXPECT_EQ(banks.bank(4).getName(), "First");
    banks.redoAction()->trigger();
    EXPECT_EQ(banks.bank(4).getName(), "Second");
}

} // namespace
