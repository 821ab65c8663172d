#pragma once

#include "midiio/TransmissionRun.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class DeviceRecord;
class BankTransmitter;

// Sends banks to one MIDI output exactly as the editor's worker does (one wrapper, the banks in
// order, each blocking until sent, the device record kept up to date), and shows how far the
// whole transmission has come once a second: a bar with the percentage and the time left on a
// terminal, plain lines otherwise.
class BankSender {
public:
    BankSender(std::ostream& out, bool terminal);

    // What the device holds afterwards: the transmission through the wrapper stops at the first
    // bank that fails, or within a second of the wrapper's stop (from any thread, or a signal).
    TransmissionAccount send(BankTransmitter& wrapper, const std::vector<RowBank>& banks, std::int32_t channel,
                             DeviceRecord* record);

    static std::string progressBar(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);
    static std::string progressLine(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);

private:
    void showProgress(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);

    std::ostream& m_out;
    const bool m_terminal;
    // Plain lines come every this many percent of the whole transmission.
    std::uint64_t m_lineStep = 10;
    std::uint64_t m_shownSteps = 0;
};
