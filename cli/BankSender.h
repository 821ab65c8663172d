#pragma once

#include "midiio/TransmissionRun.h"
#include "midiio/ZQMidiSystem.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class DeviceRecord;

// Sends banks to one MIDI output exactly as the editor's worker does (one wrapper, the banks in
// order, each blocking until sent, the device record kept up to date), and shows how far the
// whole transmission has come once a second: a bar with the percentage and the time left on a
// terminal, plain lines otherwise.
class BankSender {
public:
    // Asked ten times a second during the send; true stops it (a signal has come, for one).
    using StopAsked = std::function<bool()>;

    BankSender(ZQMidiSystem& system, std::ostream& out, bool terminal);

    // What the device holds afterwards: the transmission stops at the first bank that fails, or
    // within a second of being asked to.
    TransmissionAccount send(const std::vector<TransmissionRun::Bank>& banks, std::uint16_t port, std::int32_t channel,
                             DeviceRecord* record, const StopAsked& stopAsked = {});

    static std::string progressBar(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);
    static std::string progressLine(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);

private:
    void showProgress(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);

    ZQMidiSystem& m_system;
    std::ostream& m_out;
    const bool m_terminal;
    // Plain lines come every this many percent of the whole transmission.
    std::uint64_t m_lineStep = 10;
    std::uint64_t m_shownSteps = 0;
};
