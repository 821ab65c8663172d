// The sound browser's fixture: a folder of sounds that sox wrote, with a file that is no sound, a
// text file, a FIFO named like a sound and a folder of loops; the browser driven by its controls.
#pragma once

#include "EditorFixture.h"
#include "WaitUntil.h"

#include "tests/support/SoundFileFolder.h"

#include <QDockWidget>
#include <QTableView>

#include <sys/stat.h>

#include <filesystem>
#include <set>

class BrowserFixture : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        sounds.synth("kick 2.wav", "-r 44100 -c 1 -b 16", "synth 0.5 sine 60");
        sounds.synth("kick 10.wav", "-r 48000 -c 2 -b 24", "synth 0.25 sine 80");
        sounds.synth("snare.aiff", "-r 22050 -c 1 -b 16", "synth 1 noise gain -6");
        sounds.synth("hat.flac", "-r 96000 -c 2 -b 16", "synth 0.1 noise gain -6");
        sounds.write("broken.wav", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'});
        sounds.write("readme.txt", {'h', 'i'});
        ::mkfifo(sounds.path("pipe.wav").c_str(), 0600);
        std::filesystem::create_directory(sounds.path("loops"));
        loop = sounds.synth("loops/break.wav", "-r 44100 -c 2 -b 16", "synth 2 noise gain -6");
    }

    // Ctrl+B, the View menu's Sound Browser, in the active window.
    void toggleBrowser() { press(Qt::Key_B, Qt::ControlModifier); }
    bool browserShown() { return control<QDockWidget>("dock_browser").isVisible(); }
    // Types the folder into the browser's folder field, presses Enter and waits for the listing.
    void goTo(const std::string& folder)
    {
        typeWithoutReturn("textfield_browserFolder", QString::fromStdString(folder));
        QTest::keyClick(&control("textfield_browserFolder"), Qt::Key_Return);
        waitForListing();
    }
    void waitForListing()
    {
        waitUntil([&] { return textOf("text_browserListing").find("Reading") == std::string::npos; });
    }

    QTableView& files() { return control<QTableView>("list_sounds"); }
    // Each row as the list shows it, its cells joined by "|", the columns named left out.
    static Texts rowsOf(const QTableView& list, const std::set<int>& leftOut = {})
    {
        const QAbstractItemModel& model = *list.model();
        Texts shown;
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model.columnCount(); ++column)
                if (!leftOut.contains(column))
                    cells.append(model.data(model.index(row, column)).toString());
            shown.push_back(cells.join(QLatin1Char('|')).toStdString());
        }
        return shown;
    }
    // "play|name|length|rate|channels".
    Texts rows() { return rowsOf(files()); }
    QPoint cellCentre(int row, int column) { return files().visualRect(files().model()->index(row, column)).center(); }
    // Clicks a file's name, with Ctrl to add it to those chosen.
    void choose(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(files().viewport(), Qt::LeftButton, modifiers, cellCentre(row, 1));
    }
    void pressInList(Qt::Key key) { QTest::keyClick(&files(), key); }

    // Drags the chosen files from the list, as the list gives them away, and drops them on the control.
    bool dragChosenOnto(const QString& onto)
    {
        const std::unique_ptr<QMimeData> data(files().model()->mimeData(files().selectionModel()->selectedIndexes()));
        return drop(onto, *data);
    }
    std::string nameInS05(int slot) { return editor->workBank(4).getContentName(static_cast<std::uint16_t>(slot)); }

    SoundFileFolder sounds;
    std::string loop;
};
