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

// File › Fill Bank from Folder…: asks for a folder, proposes which of its sound files each slot of
// the bank on show takes (KitProposal, read on a thread of its own, so a folder of hundreds of files
// never stops the window), lets the user change, hear and accept the proposal in a KitDialog, and
// puts the chosen files in as one undo step, each with the shape a kit gives it and its source kept,
// their loudness matched where the dialog asks for it.
class KitFilling : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the item goes into menu before before. row tells the bank on show.
    KitFilling(IDialogs& dialogs, WorkingBanks& banks, ISoundOutput& output, QWidget& window, QMenu& menu,
               QAction* before, std::function<std::optional<std::size_t>()> row);
    ~KitFilling() override;

signals:
    // What was filled, or why not, for the status line.
    void status(const QString& text);

private:
    // What the thread found in the folder.
    struct Found {
        std::optional<KitProposal> proposal;
        Text failure;
        std::vector<std::string> files; // the folder's sound files, by name
    };
    static Found find(const std::string& folder);

    void updateItem();
    void choose();
    void propose(std::size_t row, const std::string& folder, const Found& found);
    void apply(std::size_t row, const std::string& folder, const KitDialog& dialog);

    IDialogs& m_dialogs;
    WorkingBanks& m_banks;
    ISoundOutput& m_output;
    QWidget& m_window;
    std::function<std::optional<std::size_t>()> m_row;
    QAction* m_item = nullptr;
    // The folder being read, while it is.
    QThread* m_reading = nullptr;
};
