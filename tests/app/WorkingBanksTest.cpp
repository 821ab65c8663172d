// The editor's document alone: every change is one undo step; which steps the history forgets once
// it holds too many or too many bytes, and what undo and redo give back after that.
#include "app/document/WorkingBanks.h"
#include "content/SlotContent.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

class WorkingBanksTest : public testing::Test {
protected:
    // One step named what that renames the bank of the first row to name.
    void rename(const std::string& what, const std::string& name)
    {
        ASSERT_TRUE(banks.edit({QString::fromStdString(what), QString::fromStdString(what)}, 0, [&](IBank& bank) {
            bank.setName(name.c_str());
            return true;
        }));
    }
    // One step named what that replaces every bank, the first renamed to name, as opening a file
    // of all banks does.
    void replaceAll(const std::string& what, const std::string& name)
    {
        WorkingBanks::Banks copies;
        for (const std::size_t row : allRows)
            copies.emplace_back(banks.bank(row).clone());
        copies[0]->setName(name.c_str());
        banks.replace({QString::fromStdString(what), QString::fromStdString(what)}, allRows, std::move(copies));
    }
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
    std::size_t bytesOfAllRows() const
    {
        std::size_t bytes = 0;
        for (const std::size_t row : allRows)
            for (std::uint16_t slot = 0; slot < banks.bank(row).getContentCount(); ++slot)
                bytes += banks.bank(row).getContent(slot)->getSize();
        return bytes;
    }

    WorkingBanks banks;
    std::vector<std::size_t> allRows = [] {
        std::vector<std::size_t> rows(factory::kBankCount);
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }();
};

TEST_F(WorkingBanksTest, PastTheMostStepsTheOldestGoAndTheRestUndoAndRedo)
{
    const std::string factoryName = banks.bank(0).getName();
    const int extra = 5;
    const int steps = static_cast<int>(UndoHistory::kMostSteps) + extra;
    for (int step = 1; step <= steps; ++step)
        rename("Rename " + std::to_string(step), "name " + std::to_string(step));

    QSignalSpy changed(&banks, &WorkingBanks::banksChanged);
    EXPECT_EQ(exhaust(banks.undoAction()), static_cast<int>(UndoHistory::kMostSteps));
    // The oldest step left is the sixth: undoing it gives back what the fifth made, never the factory name.
    EXPECT_EQ(banks.bank(0).getName(), "name " + std::to_string(extra));
    EXPECT_NE(banks.bank(0).getName(), factoryName);
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
        replaceAll("Open", "open " + std::to_string(step));

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
    rename("Rename 1", "one");
    rename("Rename 2", "two");
    rename("Rename 3", "three");
    banks.undoAction()->trigger();
    banks.undoAction()->trigger();
    ASSERT_EQ(banks.bank(0).getName(), "one");

    rename("Import", "imported");
    EXPECT_FALSE(banks.redoAction()->isEnabled());
    EXPECT_EQ(banks.redoAction()->text().toStdString(), "&Redo");
    EXPECT_EQ(exhaust(banks.undoAction()), 2);
    EXPECT_EQ(exhaust(banks.redoAction()), 2);
    EXPECT_EQ(banks.bank(0).getName(), "imported");
}

TEST_F(WorkingBanksTest, ARefusedEditIsNoStepAndAResetIsOneThatUndoes)
{
    rename("Rename", "mine");
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
