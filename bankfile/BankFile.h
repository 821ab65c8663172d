#pragma once

#include "bytes/FileFailure.h"
#include "midifile/MidiFileReader.h"
#include "midifile/MidiFileWriter.h"

#include <memory>
#include <string>
#include <vector>

class IBank;

// Saves banks to and opens them from bank files: Standard MIDI Files with one track per bank that
// holds the bank's names as meta events and its flash dump for channel 0 as timed System
// Exclusive messages. A save replaces its target only once the whole file has been written; an
// open reports false for anything that is not a bank file of the expected size.
class BankFile {
public:
    BankFile() = default;
    virtual ~BankFile() = default;
    BankFile(const BankFile&) = delete;
    BankFile& operator=(const BankFile&) = delete;

    // A one-bank file; false, with any earlier file at path untouched, when the save failed.
    bool saveBank(IBank& bank, const std::string& path);
    // One track per bank in list order; an empty list is refused.
    bool saveBanks(const std::vector<IBank*>& banks, const std::string& path);
    // True when the file holds exactly one bank and it was read into bank.
    bool openBank(IBank& bank, const std::string& path);
    // True when the file holds exactly banks.size() tracks and track i, which must hold the bank of
    // banks[i]'s index, was read into banks[i].
    // Banks read before a failing track have changed: read into temporary banks.
    bool openBanks(const std::vector<IBank*>& banks, const std::string& path);

    // Why the last save failed: no regular file at the path, or the system's error.
    const FileFailure& saveFailure() const { return m_saveFailure; }

    // Ticks per quarter note; with no tempo event 48 ticks make a second.
    static constexpr std::uint16_t division = 24;
    // Pause before the first message of a file, in seconds.
    static constexpr double firstBankPause = 2.0;

private:
    bool save(const std::vector<IBank*>& banks, const std::string& path);
    void writeBank(IBank& bank);
    // All or nothing: the bank changes only when its whole track was read and the bank took it.
    bool readBank(IBank& bank);

    std::unique_ptr<MidiFileReader> m_reader;
    std::unique_ptr<MidiFileWriter> m_writer;
    double m_startPause = 0.0;
    FileFailure m_saveFailure;
};
