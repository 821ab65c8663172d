#pragma once

#include "app/common/CCellMatrix.h"

#include <QObject>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class CSlotPlayer;
class CWaveforms;
class IBank;
class ISoundOutput;
class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The selected bank's box: its name, its slot rows (label, name, Import…, Play and a waveform
// each) and its own buttons, with the rooms that live on the rows: waveforms, playback and drops.
// It shows a bank and reports what the user did to it, a name being typed included before the
// window acts on the banks; changing the bank is the controller's.
class CBankView : public QObject {
    Q_OBJECT
public:
    // Everything stays the window's, which owns the view; the status line hears of dropped files
    // that found no slot.
    CBankView(QWidget& window, QGridLayout& slotGrid, QBoxLayout& panel, QLineEdit& bankName,
              std::initializer_list<QWidget*> bankButtons, QLabel& status, ISoundOutput& soundOutput);

    // Shows the bank, which stays the caller's and must outlive the next show; while it may not be
    // edited, its name, rows and buttons are disabled.
    void show(const IBank& bank, bool editable);

    QString bankName() const;
    // What the slot's name field holds; none for a slot the view has no row for.
    std::optional<QString> slotName(int slot) const;

signals:
    void bankNameEdited();
    void slotNameEdited(int slot);
    void importClicked(int slot);
    // A file dropped onto a slot row; several dropped at once arrive one by one, in slot order.
    void fileDropped(int slot, const std::string& path);
    void bankFileDropped(const std::string& path);

private:
    void makeSlotRooms(QWidget& window, QGridLayout& slotGrid, QBoxLayout& panel, ISoundOutput& soundOutput);
    // Reports the name being typed, as Return or leaving the field would.
    void commitTypedName();
    int shownSlotCount() const;

    QLineEdit& m_bankName;
    std::vector<QWidget*> m_bankButtons;
    QLabel& m_status;
    // The columns of the slot rows; the layout gives them their rows.
    CCellMatrix<QLabel> m_labels;
    CCellMatrix<QLineEdit> m_names;
    CCellMatrix<QPushButton> m_openButtons;
    CCellMatrix<QPushButton> m_playButtons;
    CWaveforms* m_waveforms = nullptr;
    CSlotPlayer* m_player = nullptr;
    const IBank* m_bank = nullptr;
};
