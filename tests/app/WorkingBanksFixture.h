// The editor's document alone, with the steps its suites take over and over.
#pragma once

#include "app/common/IDialogs.h"
#include "app/document/WorkingBanks.h"
#include "content/SlotContent.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

// Dialogs that ask the user nothing: an alert is kept and answered with its default, a panel chooses nothing.
class KeptAlerts : public IDialogs {
public:
    AlertReply runAlert(const Alert& alert) override
    {
        alerts.push_back(alert.message.toStdString());
        return AlertReply::Default;
    }
    int runPick(const Pick&) override { return -1; }
    std::string runOpenPanel(const std::vector<std::string>&, const QString&, const QString&) override { return {}; }
    std::string runSavePanel(const std::vector<std::string>&, const QString&) override { return {}; }
    std::string runFolderPanel(const QString&) override { return {}; }
    void beep() override { }

    std::vector<std::string> alerts;
};

class WorkingBanksFixture : public testing::Test {
protected:
    // One step named what that renames the bank of row to name.
    void rename(std::size_t row, const std::string& name, const std::string& what = "Rename")
    {
        const QString step = QString::fromStdString(what);
        ASSERT_TRUE(banks.edit({step, step}, row, [&](IBank& bank) {
            bank.setName(name.c_str());
            return true;
        }));
    }
    // Copies of the banks of rows, each named name, as a bank file would bring them.
    WorkingBanks::Banks renamed(const std::vector<std::size_t>& rows, const std::string& name) const
    {
        WorkingBanks::Banks copies;
        for (const std::size_t row : rows) {
            copies.emplace_back(banks.bank(row).clone());
            copies.back()->setName(name.c_str());
        }
        return copies;
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
