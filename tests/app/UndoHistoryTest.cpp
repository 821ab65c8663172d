// The undo history alone, over the factory banks: which steps it forgets once it holds too many or
// too many bytes, and what undo and redo give back after that.
#include "app/document/CUndoHistory.h"
#include "content/CContent.h"
#include "model/FactoryBank.h"
#include "model/IBank.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

class UndoHistoryTest : public testing::Test {
protected:
    // One step named what that renames the bank of the first row to name and touches rows.
    void rename(const std::string& what, const std::string& name, const std::vector<std::size_t>& rows)
    {
        ASSERT_TRUE(history.perform(what, rows, [&] {
            banks[0]->setName(name.c_str());
            return true;
        }));
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
        for (const auto& bank : banks)
            for (std::uint16_t slot = 0; slot < bank->getContentCount(); ++slot)
                bytes += bank->getContent(slot)->getSize();
        return bytes;
    }

    CUndoHistory::Banks banks = factory::makeBanks();
    CUndoHistory history{banks};
    std::vector<std::size_t> allRows = [] {
        std::vector<std::size_t> rows(factory::makeBanks().size());
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }();
};

TEST_F(UndoHistoryTest, PastTheMostStepsTheOldestGoAndTheRestUndoAndRedo)
{
    const std::string factoryName = banks[0]->getName();
    const int extra = 5;
    const int steps = static_cast<int>(CUndoHistory::kMostSteps) + extra;
    for (int step = 1; step <= steps; ++step)
        rename("Rename " + std::to_string(step), "name " + std::to_string(step), {0});

    QSignalSpy changed(&history, &CUndoHistory::banksChanged);
    EXPECT_EQ(exhaust(history.undoAction()), static_cast<int>(CUndoHistory::kMostSteps));
    // The oldest step left is the sixth: undoing it gives back what the fifth made, never the factory name.
    EXPECT_EQ(banks[0]->getName(), "name " + std::to_string(extra));
    EXPECT_NE(banks[0]->getName(), factoryName);
    EXPECT_EQ(history.redoAction()->text().toStdString(), "&Redo Rename " + std::to_string(extra + 1));
    ASSERT_EQ(changed.size(), static_cast<int>(CUndoHistory::kMostSteps));
    EXPECT_EQ(changed.last().at(0).value<QList<int>>(), QList<int>{0});

    EXPECT_EQ(exhaust(history.redoAction()), static_cast<int>(CUndoHistory::kMostSteps));
    EXPECT_EQ(banks[0]->getName(), "name " + std::to_string(steps));
    EXPECT_EQ(history.undoAction()->text().toStdString(), "&Undo Rename " + std::to_string(steps));
}

TEST_F(UndoHistoryTest, PastTheMostBytesTheOldestGoThoughFarFewerThanTheMostSteps)
{
    // Each step keeps a copy of every row, as opening a file of all banks does.
    const std::size_t stepBytes = bytesOfAllRows();
    const int kept = static_cast<int>(CUndoHistory::kMostBytes / stepBytes);
    const int extra = 3;
    ASSERT_GE(kept, 2);
    ASSERT_LT(kept + extra, static_cast<int>(CUndoHistory::kMostSteps)) << "the byte limit must be the one reached";
    for (int step = 1; step <= kept + extra; ++step)
        rename("Open", "open " + std::to_string(step), allRows);

    QSignalSpy changed(&history, &CUndoHistory::banksChanged);
    EXPECT_EQ(exhaust(history.undoAction()), kept);
    EXPECT_EQ(banks[0]->getName(), "open " + std::to_string(extra));
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).value<QList<int>>().size(), static_cast<int>(allRows.size()));
    // Every bank undone is whole: the copies kept are the banks, not only their names.
    EXPECT_EQ(bytesOfAllRows(), stepBytes);

    EXPECT_EQ(exhaust(history.redoAction()), kept);
    EXPECT_EQ(banks[0]->getName(), "open " + std::to_string(kept + extra));
}

TEST_F(UndoHistoryTest, ANewStepAfterUndoingDropsWhatCouldBeRedone)
{
    rename("Rename 1", "one", {0});
    rename("Rename 2", "two", {0});
    rename("Rename 3", "three", {0});
    history.undoAction()->trigger();
    history.undoAction()->trigger();
    ASSERT_EQ(banks[0]->getName(), "one");

    rename("Import", "imported", {0});
    EXPECT_FALSE(history.redoAction()->isEnabled());
    EXPECT_EQ(history.redoAction()->text().toStdString(), "&Redo");
    EXPECT_EQ(exhaust(history.undoAction()), 2);
    EXPECT_EQ(exhaust(history.redoAction()), 2);
    EXPECT_EQ(banks[0]->getName(), "imported");
}

} // namespace
