#pragma once

#include "midiio/OutputPacing.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
class Validator;
} // namespace CLI
class BankSet;
class IMidiService;
class SlotChoice;
struct MidiPortIdentity;

// One `zylox` command: it adds its subcommand and options to the application when constructed and
// runs when the command line chose it.
class Command {
public:
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    bool chosen() const;
    // Exit status: 0 done, 1 the operation failed (one line on standard error), 2 a bad command line.
    virtual int run() = 0;

protected:
    Command(CLI::App& app, const std::string& name, const std::string& description);

    // Writes "zylox: <subject>: <reason>" to standard error and returns the failure status 1.
    static int fail(const std::string& subject, const std::string& reason);

    // --piece and --gap, of which either may be given alone.
    struct PacingOptions {
        CLI::Option* piece = nullptr;
        CLI::Option* gap = nullptr;
        // The pacing with what was given of these options put over it.
        OutputPacing over(OutputPacing pacing, const OutputPacing& given) const;
    };
    static PacingOptions addPacingOptions(CLI::App& to, OutputPacing& given, const std::string& purpose);
    // "pieces of 32 bytes, 20 ms after each"; "pieces of 256 bytes, no gap (the wire's own pace)".
    static std::string pacingText(const OutputPacing& pacing);
    // The output --port names, by index or a part of its name: 0; 1 after the failure's message;
    // 2, with the candidates listed, for a name that matches none or several.
    static int choosePort(IMidiService& service, const std::string& wanted, MidiPortIdentity& chosen);
    // The output's name as `zylox ports` lists it now.
    static std::string nameOf(IMidiService& service, const MidiPortIdentity& output);
    static bool inputIsTerminal();
    // Before a USB device gets a record under its socket: takes over the one kept before sockets
    // were told apart, or asks on the terminal whether it is the device last sent to under another
    // socket (a record of the same names, its interface not plugged in now); "no" is kept as a
    // record of the device's own. Without a terminal to answer (hasTerminal false) the answer is
    // no, whatever --yes says: a script never merges two devices' records. 0, or 1 after the
    // message when a record could not be written.
    static int handOverRecord(IMidiService& service, const MidiPortIdentity& output, bool hasTerminal);
    // The device with a record that --device names, by its index in `zylox devices` or a part of
    // its name; 0, 1 or 2 as choosePort.
    static int chooseRecordedDevice(const std::string& wanted, MidiPortIdentity& chosen);
    // Adds --bank, a row of the bank set, to the command or to one of its option groups. It takes
    // the number the editor shows (S01 to S31, FW) as well as the row (0 to 31).
    static CLI::Option* addBankOption(CLI::App& to, std::size_t& row);
    // Turns a bank as the editor shows it (S05, FW) into its row; anything else is refused.
    static CLI::Validator bankRow();
    // Adds --channel, 1 to 16 as in the editor; stores the channel as the device counts it, 0 to 15.
    static CLI::Option* addChannelOption(CLI::App& to, std::uint16_t& deviceChannel);

    // Whether a command that works on one bank offers --readdress: moving the one bank of the
    // --in file onto that bank's row, as the editor does when the user answers its question.
    enum class Readdress { Offered, NotOffered };
    // Adds --in: a bank file opened onto the factory banks before the command runs.
    void addBankFileOption(Readdress readdress = Readdress::Offered);
    // Opens the --in file, if one was given, onto banks. row is the bank the command works on
    // (none for a command on all banks): a one-bank file of another bank is refused unless
    // --readdress moves it there, and one of the other kind (sound or firmware) is no bank file
    // for that row, as in the editor. 0; 1 after the failure's message; 2 for --readdress misused.
    int openBankFile(BankSet& banks, std::optional<std::size_t> row) const;
    // 2 after the refusal when output is the --in bank file itself, which a command that writes a
    // sound or a dump must never take the place of; 0 otherwise. what names what output should be.
    int refuseOutputOverBankFile(const std::string& output, const std::string& what) const;
    // The --slot choice resolved into slot, then the --in file: what every command on one slot
    // does first; 0, 1 or 2. Opening replaces banks, so the caller takes the row's bank only afterwards.
    int openSlotBanks(BankSet& banks, std::size_t row, const SlotChoice& choice, std::uint16_t& slot) const;

    CLI::App* m_command;
    std::string m_bankFile;
    bool m_readdress = false;

private:
    // How a choice by --port or --device names what it chooses among, in its messages.
    struct ChoiceWords {
        const char* option; // "port", as the option without its dashes and the failure's subject
        const char* noSuch; // for an index past the list
        const char* one; // "output port"
        const char* several; // "output ports"
        const char* all; // "ports"
    };
    // The one of among that wanted names; 0, 1 or 2 as choosePort.
    static int chooseAmong(const std::vector<MidiPortIdentity>& among, const std::string& wanted,
                           const ChoiceWords& words, MidiPortIdentity& chosen);
};
