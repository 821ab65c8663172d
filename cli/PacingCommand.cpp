#include "cli/PacingCommand.h"

#include "midiio/record/DeviceRecord.h"
#include "midiio/record/SenderLock.h"

#include <CLI/CLI.hpp>

#include <iostream>

PacingCommand::PacingCommand(CLI::App& app, ServiceFactory makeService)
    : Command(app, "pacing", "Keep how carefully messages go to a MIDI output's device, for interfaces that drop bytes")
    , m_makeService(std::move(makeService))
{
    m_command
        ->add_option("--port", m_port,
                     "MIDI output: its index as `zylox ports` lists them, or a part of its name that no other has")
        ->required();
    m_options = addPacingOptions(*m_command, m_pacing, "Kept for this device: ");
}

int PacingCommand::run()
{
    const std::shared_ptr<IMidiService> service = m_makeService();
    MidiPortIdentity output;
    if (const int status = choosePort(*service, m_port, output))
        return status;
    if (const int status = handOverRecord(*service, output, inputIsTerminal()))
        return status;
    const std::string port = "port " + m_port;
    DeviceRecord record(DeviceRecord::defaultFolder(), output);
    if (m_options.piece->count() > 0 || m_options.gap->count() > 0) {
        // A sender writes the record as it goes: the change waits until it has ended.
        const SenderLock::Taken lock = SenderLock::take(output, "zylox", SenderLock::Places::of(*service));
        if (!lock.lock)
            return fail(port, "pacing not changed: " + lock.refusal.describe());
        record = DeviceRecord(DeviceRecord::defaultFolder(), output); // as the last sender left it
        if (!record.setPacing(m_options.over(record.pacing(), m_pacing)))
            return fail(port, "pacing not changed: " + record.failure().describe());
    }
    std::cout << nameOf(*service, output) << ": " << pacingText(record.pacing()) << '\n';
    return 0;
}
