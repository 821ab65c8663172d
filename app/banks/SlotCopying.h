#pragma once

#include "app/document/SlotSource.h"
#include "app/document/UndoHistory.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QWidget;
class WorkingBanks;

// Edit › Copy Sound, Paste Sound and Swap Sounds. Copy takes the selected slot's sound: its bytes,
// name and kept source with its shape. Paste puts it into the selected slot of any sound bank as one
// undo step, made again from its source for a slot of another length (or, with no source kept, its
// bytes cut or padded with silence). Swap exchanges the sounds of the slot copied and the selected
// one, both as they are now and in the same bank or two, as one step. A slot's waveform dragged onto another
// slot's row copies it there in the same way. A firmware slot takes part in none.
class SlotCopying : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the items go at the end of menu. row and slot tell the
    // selected slot (slot below 0 for none).
    SlotCopying(WorkingBanks& banks, QWidget& window, QMenu& menu, std::function<std::optional<std::size_t>()> row,
                std::function<int()> slot);

public slots:
    // Puts the sound of a slot, with its name and kept source, into the slot of the bank on show,
    // as a drag of the slot's waveform onto that slot's row asks.
    void copyIntoShownBank(std::size_t fromRow, int fromSlot, int slot);

signals:
    // What was done, or why not, for the status line.
    void status(const QString& text);

private:
    struct Sound {
        std::vector<std::uint8_t> bytes;
        std::string name;
        std::optional<SlotSource> source;
    };
    struct Place {
        std::size_t row = 0;
        std::uint16_t slot = 0;
        bool operator==(const Place&) const = default;
    };

    // The selected slot where it is a sample slot; none after saying why not (where asked).
    std::optional<Place> selected(bool say);
    static QString firmwareRefusal();
    Sound soundAt(const Place& place) const;
    // The sound as the slot at place takes it.
    Sound fitted(Sound sound, const Place& place) const;
    QString shownPlace(const Place& place) const;
    void updateItems();
    void copy();
    void paste();
    void swap();
    // Puts the sounds into the bank of row as one step, and says done.
    void put(const StepName& step, const QString& done, std::vector<std::pair<Place, Sound>> puts);

    WorkingBanks& m_banks;
    std::function<std::optional<std::size_t>()> m_row;
    std::function<int()> m_slot;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_swap = nullptr;
    std::optional<Place> m_copiedFrom;
    std::optional<Sound> m_copied;
};
