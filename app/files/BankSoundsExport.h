#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

class IDialogs;
class QAction;
class QMenu;
class QWidget;
class WorkingBanks;

// File › Export Bank as Sounds…: asks for a folder and writes the bank on show's six slots into it
// as WAV files of their bytes, named after each slot's label and name (BankSoundFiles), as
// `zylox export --all-slots` does. Disabled on the firmware bank, with its reason.
class BankSoundsExport : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the item goes into menu right after after. row tells the bank on show.
    BankSoundsExport(IDialogs& dialogs, const WorkingBanks& banks, QWidget& window, QMenu& menu, QAction* after,
                     std::function<std::optional<std::size_t>()> row);

signals:
    // What was written, or why not, for the status line.
    void status(const QString& text);

private:
    void updateItem();
    void exportBank();

    IDialogs& m_dialogs;
    const WorkingBanks& m_banks;
    std::function<std::optional<std::size_t>()> m_row;
    QAction* m_item = nullptr;
};
