#pragma once

#include "app/common/CellMatrix.h"

#include <QObject>

#include <functional>

class IBank;
class ISoundOutput;
struct PlaybackFailure;
class QPushButton;
class QWidget;

// The playback room: each slot row's Play button plays the slot as the device would sound it and
// turns into Stop while it does; another Play stops the first; Space plays the selected slot.
// Where there is no sound output the buttons are disabled and say why; a play that fails says why.
class SlotPlayer : public QObject {
    Q_OBJECT
public:
    // The output and the buttons stay the caller's; selectedSlot tells which slot Space plays.
    SlotPlayer(ISoundOutput& output, const CellMatrix<QPushButton>& buttons, QWidget& window,
               std::function<int()> selectedSlot);
    ~SlotPlayer() override;

    // Shows the bank's slots: what played stops, as it may no longer be what the row shows. The
    // bank stays the caller's and must outlive the next show.
    void show(const IBank& bank);
    // Plays the slot, or stops it when it is the one playing.
    void toggle(int slot);
    // The slot playing, or -1.
    int playingSlot() const { return m_playing; }

signals:
    // For the status line: the slot that plays; or why a play failed, or why the slot Space asked
    // for cannot play. Each replaces what a play said before.
    void status(const QString& message);

private:
    void stop();
    void ended(unsigned play, const PlaybackFailure& failure);
    void label(int slot, bool playing);

    ISoundOutput& m_output;
    const CellMatrix<QPushButton>& m_buttons;
    std::function<int()> m_selectedSlot;
    const IBank* m_bank = nullptr;
    int m_playing = -1;
    // Counts plays, so the end of one that was replaced does not touch the one that replaced it.
    unsigned m_play = 0;
};
