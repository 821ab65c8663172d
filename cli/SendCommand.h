#pragma once

#include "cli/Command.h"
#include "midiio/RowBank.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class BankSet;
class DeviceRecord;
class IClock;
class IMidiService;
struct MidiPortIdentity;

// `zylox send`: transmits one bank, all 32 or the rest from a row to a MIDI output exactly as the
// editor does, optionally only the flash blocks that differ from what the device was last sent, the
// device's operating system only when asked for, as carefully as the device's interface needs. SIGINT
// and SIGTERM stop it within a second; it then says what the device holds. No other program sends
// to the device while it does, and the banks go only to the device that was chosen.
class SendCommand : public Command {
public:
    using ServiceFactory = std::function<std::shared_ptr<IMidiService>()>;

    // The MIDI service is made only when the command runs, so other commands never open the sequencer.
    // hasTerminal says whether a user is there to answer a question about the device's record
    // (standard input is a terminal).
    SendCommand(CLI::App& app, ServiceFactory makeService, IClock& clock,
                std::function<bool()> hasTerminal = inputIsTerminal);

    int run() override;

private:
    // True when the user agrees to the long transmission.
    bool confirm(std::size_t banks, std::int64_t estimateSeconds) const;
    // The banks to send, the operating system's block only with --os; with --changed only the
    // blocks the record does not hold as they are.
    std::vector<RowBank> chosenBanks(BankSet& banks, const DeviceRecord& record) const;

    const ServiceFactory m_makeService;
    IClock& m_clock;
    const std::function<bool()> m_hasTerminal;
    std::string m_port;
    std::size_t m_row = 0;
    bool m_all = false;
    std::size_t m_from = 0;
    bool m_changed = false;
    bool m_os = false;
    OutputPacing m_pacing;
    PacingOptions m_pacingOptions;
    std::uint16_t m_channel = 0;
    bool m_yes = false;
};
