#pragma once

#include <QObject>

#include <array>

class BankSelection;
class IBank;
class ImportPreferences;
class ISoundOutput;
class KitPlayer;
class QDockWidget;
class QMainWindow;
class QMenu;
class QPushButton;
class QShortcut;
class QTimer;
class WorkingBanks;

// The pads: a panel under the banks (View › Pads) with a pad for each slot of the bank on show,
// which the mouse or Alt+1 to Alt+6 play through the kit player while the panel is shown, each
// lighting while its sound is heard. Alt with the slot's digit stands beside Ctrl with it, which
// imports into that slot: no other key of the window uses it, and it types nothing, so a name
// being typed or a list's type-ahead keeps every key. A pad hit stops an audition first, so the
// pads never wait behind a long sound. The firmware bank has no pads to play.
class PadView : public QObject {
    Q_OBJECT
public:
    static constexpr int kPads = 6;

    // Everything stays the caller's and must outlive the view; its item goes into viewMenu.
    PadView(QMainWindow& window, QMenu& viewMenu, WorkingBanks& banks, BankSelection& selection,
            ImportPreferences& preferences, KitPlayer& kit, ISoundOutput& auditions, bool chokes);
    ~PadView() override;

public slots:
    // Plays the pad (0 to 5) of the bank on show, as a click on it does: what a MIDI controller's
    // note reaches the pads through, heard where the kit player took it already on the controller's
    // thread (the pad is then only lit). A pad that cannot play says why in the status line.
    void hit(int pad, bool heard = false);

signals:
    // Why the pads cannot be heard, or why a pad cannot play; for the status line.
    void status(const QString& text);

private:
    QWidget* makePads(QMainWindow& window);
    // The bank on show becomes the pads' sounds, names and state.
    void showBank();
    // The panel came into sight or went: the kit player holds the device only while it is seen.
    void shown(bool visible);
    // Each pad lit while its voice sounds, and for a few ticks after its hit however short its sound.
    void light();

    WorkingBanks& m_banks;
    BankSelection& m_selection;
    KitPlayer& m_kit;
    ISoundOutput& m_auditions;
    QDockWidget* m_dock = nullptr;
    QTimer* m_lights = nullptr;
    std::array<QPushButton*, kPads> m_pads{};
    std::array<QShortcut*, kPads> m_keys{};
    // Ticks of the light's timer each pad stays lit after its hit.
    std::array<int, kPads> m_held{};
    bool m_failureTold = false;
};
