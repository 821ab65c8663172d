#pragma once

#include "app/common/CellMatrix.h"

#include <QObject>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SlotDrops;
class SlotLoudnessColumn;
class SlotPlayer;
class Waveforms;
class IBank;
class ISoundOutput;
class QBoxLayout;
class QDropEvent;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The selected bank's box: its name, its slot rows (label, name, Import…, Play, a waveform and
// the loudness each) and its own buttons, with the rooms that live on the rows: waveforms, loudness,
// playback and drops.
// It shows a bank and reports what the user did to it; changing the bank is the controller's.
class BankView : public QObject {
    Q_OBJECT
public:
    // Everything stays the window's.
    BankView(QWidget& window, QGridLayout& slotGrid, QBoxLayout& panel, QLineEdit& bankName,
             std::initializer_list<QWidget*> bankButtons, ISoundOutput& soundOutput);
    ~BankView() override;

    // Shows the bank, which stays the caller's and must outlive the next show; while it may not be
    // edited, its name, rows and buttons are disabled.
    void show(const IBank& bank, bool editable);

    QString bankName() const;
    // What the slot's name field holds; none for a slot the view has no row for.
    std::optional<QString> slotName(int slot) const;
    // A name typed into a field is the user's work before Return too. A field commits its text
    // when it loses the focus, but a shortcut, a drop or closing the window takes no focus from
    // it: the window calls this before any of those acts on the banks, and the name being typed
    // is reported as Return would report it.
    void commitTypedName();
    // The slot the large waveform shows, and Space plays: the one last imported or changed, for one.
    void selectSlot(int slot);
    // Drags and drops that reached the window itself, at a point of the window.
    void takeDrag(QDropEvent& event);
    // The slot whose row is selected, which the keyboard's Space, Ctrl+E and the browser's Enter act on.
    int selectedSlot() const;
    // How long the selected slot's sound is, in seconds at the device's rate; none for a slot of
    // the firmware bank or none selected.
    std::optional<double> selectedSlotSeconds() const;
    // Files brought in at once from elsewhere than a drop, going where a drop onto the slot's row
    // sends them: one each into the slots from there on.
    void fill(int firstSlot, const std::vector<std::string>& paths);

signals:
    void bankNameEdited();
    void slotNameEdited(int slot);
    void importClicked(int slot);
    // A slot's waveform double-clicked, or Ctrl+E for the selected slot: shape its sound.
    void shapeClicked(int slot);
    // A file dropped onto a slot row; several dropped at once arrive one by one, in slot order.
    void fileDropped(int slot, const std::string& path);
    // One file dragged from the sound browser onto a slot row: to be shaped for it first.
    void fileDroppedToShape(int slot, const std::string& path);
    void bankFileDropped(const std::string& path);
    // A slot's waveform of this editor was dropped onto the row of slot.
    void slotDropped(std::size_t fromRow, int fromSlot, int slot);
    // Dropped files past the bank's last slot that were not imported.
    void filesLeftOut(int count);
    // Why a play failed, for the status line.
    void status(const QString& text);

private:
    void makeSlotRooms(QWidget& window, QGridLayout& slotGrid, QBoxLayout& panel, ISoundOutput& soundOutput);
    int shownSlotCount() const;
    void nameRow(int slot, const QString& label);
    // Rows the bank has are shown, the others hidden; the firmware bank tells what its slots are.
    void showRows(const IBank& bank);

protected:
    // Undo and Redo pressed in a name field with nothing of its own to take back or do again reach
    // the window's history (Edit › Undo and Redo) instead of doing nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& m_bankName;
    std::vector<QWidget*> m_bankButtons;
    // The columns of the slot rows; the layout gives them their rows.
    CellMatrix<QLabel> m_labels;
    CellMatrix<QLineEdit> m_names;
    CellMatrix<QPushButton> m_openButtons;
    CellMatrix<QPushButton> m_playButtons;
    QLabel* m_firmwareText = nullptr;
    std::unique_ptr<Waveforms> m_waveforms;
    std::unique_ptr<SlotLoudnessColumn> m_loudness;
    std::unique_ptr<SlotPlayer> m_player;
    std::unique_ptr<SlotDrops> m_drops;
    const IBank* m_bank = nullptr;
};
