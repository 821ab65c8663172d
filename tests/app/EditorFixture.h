#pragma once

#include "app/common/IDialogs.h"
#include "app/settings/Settings.h"
#include "app/window/EditorWindow.h"
#include "bankfile/BankFile.h"
#include "content/SlotContent.h"
#include "midiio/MidiContext.h"
#include "model/IBank.h"
#include "playback/AuditionOutput.h"
#include "playback/KitPlayer.h"
#include "tests/support/Bytes.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/PacedStream.h"
#include "tests/support/RecordingSoundOutput.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/VirtualClock.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;
using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;

// The sound file panel, as the fixture records it.
inline const std::string kOpenSound = "open wav aif aiff aifc flac ogg opus mp3 w64 au caf";

// The question before a file that decodes as no sound goes into a sample slot as it is; Enter cancels.
inline std::string rawQuestion(const std::string& file)
{
    return "question|Not a Sound|\u201C" + file
           + "\u201D is not a sound file this editor decodes (WAV, AIFF, "
             "AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, AU, CAF and W64). Load its bytes into the slot as raw 8-bit device "
             "data?|Load Raw|Cancel|Enter: Cancel";
}

// The question before unsaved changes are lost: banks as "The bank \"S05\" has", before as "quitting".
inline std::string saveChangesQuestion(const std::string& banks, const std::string& before)
{
    return "question|Save changes?|" + banks + " changes that are not saved. Save them before " + before
           + "?|Save|Cancel|&Discard";
}

// The real editor window, offscreen, over the loopback MIDI service and the virtual clock. The
// fixture plays the user: it works the controls and answers the dialogs as the test scripted.
class EditorFixture : public testing::Test, public IDialogs {
protected:
    // The window lists the MIDI destinations added before it and follows those added later.
    void SetUp() override
    {
        // The device record, the sound library's folders and its index go into the test's own
        // folder, never the user's.
        qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toUtf8());
        qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_CACHE_HOME", folder.filePath(QStringLiteral("cache")).toUtf8());
        editor = std::make_unique<EditorWindow>(*this, system, settings, auditions, kit);
        editor->show();
        // The user works in the window: keys typed into its controls reach it as they would.
        QApplication::setActiveWindow(editor.get());
    }

    template <class Control = QWidget> Control& control(const QString& name)
    {
        auto* found = editor->findChild<Control*>(name);
        return found != nullptr ? *found : throw std::runtime_error("no control " + name.toStdString());
    }
    std::string textOf(const QString& name) { return control<QObject>(name).property("text").toString().toStdString(); }
    std::string statusLine() { return textOf("text_status"); }
    void click(const QString& button) { QTest::mouseClick(&control<QAbstractButton>(button), Qt::LeftButton); }

    // The window's dialog or window of that name, while it is shown; null otherwise.
    QDialog* shownDialog(const QString& name)
    {
        auto* dialog = editor->findChild<QDialog*>(name);
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    }
    QDialog* soundPanel() { return shownDialog(QStringLiteral("dialog_sound")); }
    template <class Control = QWidget> Control& panelControl(const QString& name)
    {
        QDialog* panel = soundPanel();
        auto* found = panel != nullptr ? panel->findChild<Control*>(name) : nullptr;
        return found != nullptr ? *found : throw std::runtime_error("no open panel with " + name.toStdString());
    }
    void clickInPanel(const QString& button)
    {
        QTest::mouseClick(&panelControl<QAbstractButton>(button), Qt::LeftButton);
    }
    // Imports the file into the slot of the bank on show as a user who takes whatever sound it
    // brings as the panel first shapes it: Apply, where the file opened the sound panel.
    void importWithApply(int slot, const std::string& file)
    {
        paths = {file};
        click("button_openContents_" + QString::number(slot));
        if (soundPanel() != nullptr)
            clickInPanel(QStringLiteral("button_apply"));
    }
    // Open… with the file chosen in its panel.
    void openFile(const std::string& file)
    {
        paths = {file};
        click("button_load");
    }

    // A key as the user presses it in the active window, so that menu shortcuts reach their items.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QApplication::setActiveWindow(editor.get());
        QTest::keyClick(editor.get(), key, modifiers);
    }

    // Opens a menu of the menu bar by Alt and its key, which sets its items as it is shown.
    QMenu& openMenu(Qt::Key key)
    {
        press(key, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr ? *menu : throw std::runtime_error("no menu opened by its Alt key");
    }
    // Opens the menu and presses the key in it (Escape closes it again).
    void menuKey(Qt::Key opener, Qt::Key key) { QTest::keyClick(&openMenu(opener), key); }
    // File → Save Device Contents…
    void chooseSaveDeviceContents() { menuKey(Qt::Key_F, Qt::Key_D); }

    void selectRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        auto& table = control<QTableView>("tableview_banks");
        const QModelIndex index = table.model()->index(row, 0);
        table.scrollTo(index);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, modifiers, table.visualRect(index).center());
    }
    // Clicks the slot's waveform, which selects the slot.
    void selectSlot(int slot) { QTest::mouseClick(&control("view_waveform_" + QString::number(slot)), Qt::LeftButton); }
    std::string tableRow(int row)
    {
        const QAbstractItemModel& model = *control<QTableView>("tableview_banks").model();
        return model.data(model.index(row, 1)).toString().toStdString();
    }

    // Puts the text into a line edit and presses Return there.
    void type(const QString& field, const QString& text)
    {
        control<QLineEdit>(field).setText(text);
        QTest::keyClick(&control<QLineEdit>(field), Qt::Key_Return);
    }

    // Puts the text into a line edit key by key, as a user would, and leaves the focus there
    // without pressing Return; the window must be the active one.
    void typeWithoutReturn(const QString& field, const QString& text)
    {
        auto& edit = control<QLineEdit>(field);
        QTest::mouseClick(&edit, Qt::LeftButton);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&edit, text);
    }

    // Drags local files from outside the window over the control and drops them on its centre.
    bool drop(const QString& onto, const std::vector<std::string>& files)
    {
        QMimeData data;
        QList<QUrl> urls;
        QStringList texts;
        for (const std::string& file : files) {
            urls << QUrl::fromLocalFile(QString::fromStdString(file));
            texts << urls.back().toLocalFile();
        }
        data.setUrls(urls);
        // File managers offer the paths as plain text too, which text fields would take.
        data.setText(texts.join('\n'));
        return drop(onto, data);
    }
    // Drags the data over the control and drops it on its centre; whether the control took it.
    bool drop(const QString& onto, const QMimeData& data)
    {
        QWidget& target = control(onto);
        const QPointF at = QRectF(target.rect()).center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &dropped);
        return dropped.isAccepted();
    }

    // A list's items, the chosen one marked "*".
    Texts listItems(const QString& name)
    {
        Texts items;
        auto& popup = control<QComboBox>(name);
        for (int row = 0; row < popup.count(); ++row)
            items.push_back((row == popup.currentIndex() ? "*" : "") + popup.itemText(row).toStdString());
        return items;
    }
    Texts outputList() { return listItems(QStringLiteral("popup_out")); }

    // Whether the pad's light is on, and the lights' timer ticked as it would be.
    bool lit(int pad)
    {
        const auto& button = control<QAbstractButton>(QStringLiteral("button_pad_%1").arg(pad));
        return button.palette().color(QPalette::Button) == control("dock_pads").palette().color(QPalette::Highlight);
    }
    void tickLights(int ticks)
    {
        for (int tick = 0; tick < ticks; ++tick)
            QMetaObject::invokeMethod(&control<QObject>("timer_padLights"), "timeout", Qt::DirectConnection);
    }

    // Each slot row as "label|name|" and + or - for its name cell, open and play buttons being enabled.
    Texts slotRows()
    {
        Texts rows;
        for (const QString tag : {"_0", "_1", "_2", "_3", "_4", "_5"}) {
            std::string row = textOf("textfield_contentLabels" + tag) + "|";
            row += textOf("textfield_contentNames" + tag) + "|";
            for (const char* matrix : {"textfield_contentNames", "button_openContents", "button_playContents"})
                row += control(matrix + tag).isEnabled() ? "+" : "-";
            rows.push_back(row);
        }
        return rows;
    }

    // + or - for the send button and item and quit being enabled and the progress bar shown; the status line.
    std::string controls()
    {
        std::string signs;
        for (const char* name : {"button_send", "menu_send", "menu_quit", "progress_out"})
            signs += control<QObject>(name).property(name[0] == 'p' ? "visible" : "enabled").toBool() ? "+" : "-";
        return signs + " " + textOf("text_status");
    }

    // Closes the window as the user would and opens a new one over the same settings.
    void restart()
    {
        ASSERT_TRUE(editor->close());
        editor = std::make_unique<EditorWindow>(*this, system, settings, auditions, kit);
        editor->show();
        QApplication::setActiveWindow(editor.get());
    }

    void settle() { QCoreApplication::processEvents(); }
    // Presses Send and waits until the window is idle again.
    void send()
    {
        click("button_send");
        while (editor->sending())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    // Edit › Preferences…, open; closeDialog(…, true) is its OK.
    QDialog& preferences()
    {
        control<QAction>("menu_preferences").trigger();
        return control<QDialog>("dialog_preferences");
    }
    template <class Control> static Control& in(QDialog& dialog, const char* name)
    {
        auto* found = dialog.findChild<Control*>(name);
        return found != nullptr ? *found : throw std::runtime_error(std::string("no dialog control ") + name);
    }
    // Closes the dialog with OK or Cancel; it is gone before the next one opens.
    static void closeDialog(QDialog& dialog, bool ok)
    {
        ok ? dialog.accept() : dialog.reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Once the given seconds of virtual time from now have passed, holds the worker and runs check on
    // the window's thread, counting it in checksRun; the worker goes on once check has returned.
    void pauseAt(std::uint64_t seconds, std::function<void()> check)
    {
        clock.at(clock.nowMicroseconds() + seconds * 1'000'000, [this, check = std::move(check)] {
            std::promise<void> checked;
            QMetaObject::invokeMethod(
                qApp,
                [&] {
                    check();
                    ++checksRun;
                    checked.set_value();
                },
                Qt::QueuedConnection);
            checked.get_future().wait();
        });
    }

    std::string path(const std::string& name) { return folder.filePath(QString::fromStdString(name)).toStdString(); }
    // Makes the file name in the test's folder by the shell command: before, the file's path, after.
    std::string make(const std::string& name, const std::string& before, const std::string& after = {})
    {
        const std::string command = before + " " + path(name) + " " + after + " 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return path(name);
    }

    std::string write(const std::string& name, const Bytes& bytes)
    {
        ScratchFolder::writeFile(path(name), bytes);
        return path(name);
    }

    // A file of the 32 factory banks renamed "file bank <row>", or of the one in onlyRow.
    std::string bankFile(const std::string& name, int onlyRow = -1)
    {
        std::vector<std::unique_ptr<IBank>> banks;
        std::vector<IBank*> pointers;
        for (int row = 0; row < 32; ++row) {
            pointers.push_back(banks.emplace_back(editor->defaultBank(row).clone()).get());
            pointers.back()->setName(("file bank " + std::to_string(row)).c_str());
        }
        BankFile files;
        EXPECT_TRUE(onlyRow < 0 ? files.saveBanks(pointers, path(name))
                                : files.saveBank(*pointers.at(static_cast<std::size_t>(onlyRow)), path(name)));
        return path(name);
    }

    std::string bankName(int row) { return editor->workBank(row).getName(); }
    std::string slotName(int row, int index)
    {
        return editor->workBank(row).getContentName(static_cast<std::uint16_t>(index));
    }
    std::string title() { return editor->windowTitle().toStdString(); }
    Bytes slot(int row, int index)
    {
        return editor->workBank(row).getContent(static_cast<std::uint16_t>(index))->getData();
    }
    static Bytes imageOf(const IBank& bank)
    {
        Bytes image;
        for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
            const Bytes bytes = bank.getContent(slot)->getData();
            image.insert(image.end(), bytes.begin(), bytes.end());
        }
        return image;
    }

    AlertReply runAlert(const Alert& alert) override
    {
        const std::string style = alert.style == AlertStyle::Critical   ? "critical|"
                                  : alert.style == AlertStyle::Question ? "question|"
                                  : alert.style == AlertStyle::Warning  ? "warning|"
                                                                        : "informational|";
        const QString enter = alert.enterChooses == AlertReply::Alternate ? alert.alternateButton
                              : alert.enterChooses == AlertReply::Other   ? alert.otherButton
                                                                          : QString();
        shown.push_back(style
                        + (alert.title + "|" + alert.message + "|" + alert.defaultButton + "|" + alert.alternateButton
                           + (alert.otherButton.isEmpty() ? "" : "|" + alert.otherButton)
                           + (enter.isEmpty() ? "" : "|Enter: " + enter))
                              .toStdString());
        if (whenAlerted)
            whenAlerted();
        return alert.title == "Save changes?" ? saveChangesReply : reply;
    }
    int runPick(const Pick& pick) override
    {
        QString items;
        for (const QString& item : pick.items)
            items += "|" + item;
        shown.push_back(("pick|" + pick.title + "|" + pick.label + items).toStdString());
        return picked;
    }
    std::string runOpenPanel(const std::vector<std::string>& fileTypes, const QString& folder,
                             const QString& title) override
    {
        panelStarts.push_back(folder.toStdString());
        panelTitles.push_back(title.toStdString());
        return runPanel("open", fileTypes);
    }
    std::string runSavePanel(const std::vector<std::string>& fileTypes, const QString& suggested) override
    {
        panelStarts.push_back(suggested.toStdString());
        return runPanel("save", fileTypes);
    }
    std::string runFolderPanel(const QString& title) override
    {
        panelTitles.push_back(title.toStdString());
        return runPanel("folder", {});
    }
    void beep() override { shown.push_back("beep"); }
    std::string runPanel(std::string shownAs, const std::vector<std::string>& fileTypes)
    {
        for (const std::string& type : fileTypes)
            shownAs += " " + type;
        shown.push_back(shownAs);
        const std::string chosen = paths.empty() ? std::string() : paths.front();
        if (!paths.empty())
            paths.pop_front();
        return chosen;
    }

    // The reply to every alert but "Save changes?", which a user who does not care discards; and
    // the paths for the next panels (an empty one or none cancels).
    AlertReply reply = AlertReply::Default;
    AlertReply saveChangesReply = AlertReply::Other;
    std::deque<std::string> paths;
    // The position every list choice answers with; -1 cancels.
    int picked = 0;
    // What the dialogs showed: "beep", "open <types>", "save <types>", "folder", "<style>|title|message|buttons",
    // "pick|title|label|<items>",
    // the buttons followed by "|Enter: <button>" where Enter presses another than the first.
    // Settled by letting queued calls run: the output list follows the service's notices so.
    Texts shown;
    // Where each panel started: the open panel's folder, the save panel's suggested path.
    Texts panelStarts;
    // Each open or folder panel's title.
    Texts panelTitles;
    int checksRun = 0;
    // Runs as each alert is shown, before it is answered.
    std::function<void()> whenAlerted;

    VirtualClock clock;
    LoopbackMidiService service{clock};
    MidiContext system{service, clock};
    QTemporaryDir folder;
    // Each test starts from settings never stored before.
    Settings settings{folder.filePath(QStringLiteral("settings.ini"))};
    RecordingSoundOutput sound;
    // The pads' device, which takes their frames only as the test grants it room.
    PacedLog pads;
    KitPlayer kit{
        [this](const PcmFormat& format, PlaybackFailure&) { return std::make_unique<PacedStream>(pads, format); }};
    AuditionOutput auditions{sound, kit};
    std::unique_ptr<EditorWindow> editor;
};
