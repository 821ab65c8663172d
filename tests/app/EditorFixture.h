#pragma once

#include "CScriptedDialogs.h"
#include "app/CEditor.h"
#include "midiio/ZQMidiSystem.h"
#include "model/IBank.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/VirtualClock.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <memory>
#include <string>
#include <vector>

// The real editor window, offscreen, over the loopback MIDI service, the virtual clock and
// scripted dialogs; the helpers act on its controls as a user would.
class EditorFixture : public testing::Test {
protected:
    // Builds and shows the window; add MIDI destinations before, since the output list is fixed then.
    void start();

    template <class Control>
    Control& control(const char* name)
    {
        Control* found = editor->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr)
            throw std::runtime_error(std::string("no control named ") + name);
        return *found;
    }

    void click(const char* button);
    void selectRow(int row);
    // Replaces the text of a line edit by typing, then presses Return.
    void type(const char* field, const QString& text);
    int selectedRow();
    QString tableRow(int row);
    QString textOf(const char* name);
    bool enabled(const char* name);

    // Lets the window handle what was posted to it, such as the receive report.
    void processEvents();
    // Runs the window's event loop until the editor is idle again.
    void runUntilIdle();
    // When the transmission's virtual time reaches the given second, holds the worker and runs
    // check on the window's thread; the worker goes on once check has returned.
    void pauseAt(std::uint64_t seconds, std::function<void()> check);

    std::string path(const std::string& name) const;
    // Runs a shell command that makes a fixture (sox and the like) and expects it to succeed.
    void make(const std::string& command) const;
    // A one-bank file of the factory bank index, named name, and a 32-bank file of the factory banks.
    std::string oneBankFile(std::uint16_t index, const std::string& bankName, const std::string& file);
    std::string allBanksFile(const std::string& file);

    static std::vector<std::uint8_t> slotBytes(const IBank& bank, std::uint16_t slot);
    static std::vector<std::uint8_t> imageOf(const IBank& bank);

    VirtualClock clock;
    LoopbackMidiService service{clock};
    ZQMidiSystem system{service, clock};
    CScriptedDialogs dialogs;
    QTemporaryDir folder;
    std::unique_ptr<CEditor> editor;
};
