#pragma once

#include "midiio/ZQMidiSystem.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class IBank;

// Sends banks to one MIDI output through the interface wrapper, exactly as the editor's worker
// does (one wrapper, the banks in order, each blocking until sent), and shows how far it has come
// once a second: a bar with the percentage of the estimate and the time left on a terminal, a
// plain line per tenth of a bank otherwise.
class BankSender {
public:
    BankSender(ZQMidiSystem& system, std::ostream& out, bool terminal);

    // False at the first bank that fails, whose name is then in failedBank; later banks are not sent.
    bool send(const std::vector<IBank*>& banks, std::uint16_t port, std::int32_t channel, std::string& failedBank);

    static std::string progressBar(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);
    static std::string progressLine(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft);

private:
    void showProgress(const std::string& bank, std::uint64_t percent, std::int64_t estimate);

    ZQMidiSystem& m_system;
    std::ostream& m_out;
    const bool m_terminal;
    std::uint64_t m_shownTenths = 0;
};
