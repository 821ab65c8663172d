#pragma once

#include "bytes/Text.h"
#include "model/KitProposal.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class IDialogs;
class ISoundOutput;
class KitDialog;
class QAction;
class QMenu;
class QThread;
class QWidget;
class WorkingBanks;

// File › Fill Bank from Folder… and Fill Bank from Selected Sounds…: asks for a folder, or takes the
// files selected in the sound browser, proposes which of the sound files each slot of the bank on
// show takes (KitProposal, read on a thread of its own, so hundreds of files never stop the window),
// lets the user change, hear and accept the proposal in a KitDialog, and puts the chosen files in as
// one undo step, each with the shape a kit gives it and its source kept, their loudness matched
// where the dialog asks for it.
class KitFilling : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the items go into menu before before. row tells the bank on
    // show, selection the files selected in the sound browser.
    KitFilling(IDialogs& dialogs, WorkingBanks& banks, ISoundOutput& output, QWidget& window, QMenu& menu,
               QAction* before, std::function<std::optional<std::size_t>()> row,
               std::function<std::vector<std::string>()> selection);
    ~KitFilling() override;

signals:
    // What was filled, or why not, for the status line.
    void status(const QString& text);

private:
    // What the thread found in the folder or the selection.
    struct Found {
        std::optional<KitProposal> proposal;
        Text failure;
        std::vector<std::string> files; // the sound files offered, by name
    };
    // Where the files come from, in the window's words.
    struct Source {
        QString title; // the dialog's
        QString shown; // "“909”", "3 selected sound files"
        QString filling; // the undo step's: "filling of S05 from a folder"
    };
    static Found find(const std::string& folder);
    static Found findAmong(const std::vector<std::string>& paths);

    void updateItems();
    void chooseFolder();
    void chooseSelection();
    void read(std::size_t row, const Source& source, std::function<Found()> collect);
    void propose(std::size_t row, const Source& source, const Found& found);
    void apply(std::size_t row, const Source& source, const KitDialog& dialog);

    IDialogs& m_dialogs;
    WorkingBanks& m_banks;
    ISoundOutput& m_output;
    QWidget& m_window;
    std::function<std::optional<std::size_t>()> m_row;
    std::function<std::vector<std::string>()> m_selection;
    QAction* m_folderItem = nullptr;
    QAction* m_selectionItem = nullptr;
    // The folder being read, while it is.
    QThread* m_reading = nullptr;
};
