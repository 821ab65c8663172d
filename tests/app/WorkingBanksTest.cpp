// The editor's document alone: every change is one undo step; which steps the history forgets once
// it holds too many or too many bytes, and what undo and redo give back after that.
#include "WorkingBanksFixture.h"

#include <QAction>
#include <QSignalSpy>

#include <string>

namespace {

class WorkingBanksTest : public WorkingBanksFixture {
protected:
    // Takes action until it is disabled; how many times it could.
    int exhaust(QAction* action)
    {
        int taken = 0;
        while (action->isEnabled() && taken <= 1000) {
            action->trigger();
            ++taken;
        }
        return taken;
    }
};

TEST_F(WorkingBanksTest, PastTheMostStepsTheOldestGoAndTheRestUndoAndRedo)
{
    const int extra = 5;
    const int steps = static_cast<int>(UndoHistory::kMostSteps) + extra;
    for (int step = 1; step <= steps; ++step)
        rename(0, "name " + std::to_string(step), "Rename " + std::to_string(step));

    QSignalSpy changed(&banks, &WorkingBanks::banksChanged);
    EXPECT_EQ(exhaust(banks.undoAction()), static_cast<int>(UndoHistory::kMostSteps));
    // The oldest step left is the sixth: undoing it gives back what the fifth made, never the factory name.
    EXPECT_EQ(banks.bank(0).getName(), "name " + std::to_string(extra));
    EXPECT_EQ(banks.redoAction()->text().toStdString(), "&Redo Rename " + std::to_string(extra + 1));
    ASSERT_EQ(changed.size(), static_cast<int>(UndoHistory::kMostSteps));
    EXPECT_EQ(changed.last().at(0).value<QList<int>>(), QList<int>{0});

    EXPECT_EQ(exhaust(banks.redoAction()), static_cast<int>(UndoHistory::kMostSteps));
    EXPECT_EQ(banks.bank(0).getName(), "name " + std::to_string(steps));
    EXPECT_EQ(banks.undoAction()->text().toStdString(), "&Undo Rename " + std::to_string(steps));
}

TEST_F(WorkingBanksTest, PastTheMostBytesTheOldestGoThoughFarFewerThanTheMostSteps)
{
    // Each step keeps a copy of every row, as opening a file of all banks does.
    const std::size_t stepBytes = bytesOfAllRows();
    const int kept = static_cast<int>(UndoHistory::kMostBytes / stepBytes);
    const int extra = 3;
    ASSERT_GE(kept, 2);
    ASSERT_LT(kept + extra, static_cast<int>(UndoHistory::kMostSteps)) << "the byte limit must be the one reached";
    for (int step = 1; step <= kept + extra; ++step)
        banks.replace({"Open", "Open"}, allRows, renamed(allRows, "open " + std::to_string(step)));

    QSignalSpy changed(&banks, &WorkingBanks::banksChanged);
    EXPECT_EQ(exhaust(banks.undoAction()), kept);
    EXPECT_EQ(banks.bank(0).getName(), "open " + std::to_string(extra));
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).value<QList<int>>().size(), static_cast<int>(allRows.size()));
    // Every bank undone is whole: the copies kept are the banks, not only their names.
    EXPECT_EQ(bytesOfAllRows(), stepBytes);

    EXPECT_EQ(exhaust(banks.redoAction()), kept);
    EXPECT_EQ(banks.bank(0).getName(), "open " + std::to_string(kept + extra));
}

TEST_F(WorkingBanksTest, ANewStepAfterUndoingDropsWhatCouldBeRedone)
{
    rename(0, "one", "Rename 1");
    rename(0, "two", "Rename 2");
    rename(0, "three", "Rename 3");
    banks.undoAction()->trigger();
    banks.undoAction()->trigger();
    ASSERT_EQ(banks.bank(0).getName(), "one");

    rename(0, "imported", "Import");
    EXPECT_FALSE(banks.redoAction()->isEnabled());
    EXPECT_EQ(banks.redoAction()->text().toStdString(), "&Redo");
    EXPECT_EQ(exhaust(banks.undoAction()), 2);
    EXPECT_EQ(exhaust(banks.redoAction()), 2);
    EXPECT_EQ(banks.bank(0).getName(), "imported");
}

TEST_F(WorkingBanksTest, ARefusedEditIsNoStepAndAResetIsOneThatUndoes)
{
    rename(0, "mine");
    QSignalSpy changed(&banks, &WorkingBanks::banksChanged);
    EXPECT_FALSE(banks.edit({"Import", "import"}, 3, [](IBank&) { return false; }));
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_EQ(banks.undoAction()->text().toStdString(), "&Undo Rename");

    const std::string factoryName = banks.factoryBank(0).getName();
    banks.resetToFactory({"Reset", "reset"}, 0);
    EXPECT_EQ(banks.bank(0).getName(), factoryName);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.last().at(0).value<QList<int>>(), QList<int>{0});
    banks.undoAction()->trigger();
    EXPECT_EQ(banks.bank(0).getName(), "mine");
    // The factory bank stays untouched by what the working bank went through.
    EXPECT_EQ(banks.factoryBank(0).getName(), factoryName);
}

} // namespace
