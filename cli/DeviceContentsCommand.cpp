#include "cli/DeviceContentsCommand.h"

#include "midiio/BankBlocks.h"
#include "midiio/MidiDestinations.h"
#include "midiio/TransmissionAccount.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceContentsSave.h"
#include "midiio/record/DeviceRecord.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

DeviceContentsCommand::DeviceContentsCommand(CLI::App& app)
    : Command(app, "device-contents",
              "Write what a device was last sent, as this program recorded it, to bank files; the device need not "
              "be plugged in")
{
    m_command
        ->add_option("--device", m_device,
                     "Device: its index as `zylox devices` lists them, or a part of its name that no other has")
        ->required();
    m_command
        ->add_option("-o,--output", m_output,
                     "All banks known: the bank file to write; otherwise the folder for one file per known bank")
        ->required();
    m_command->add_flag("--yes", m_yes, "Write the known banks' files when some banks are unknown, without asking");
}

bool DeviceContentsCommand::confirm(const std::string& unknown, std::size_t known, bool newFolder) const
{
    // -o all.mid names a file to a user who expects all banks: say it becomes a folder.
    std::cerr << "Not known: " << unknown << ".\nWrite the " << known << (known == 1 ? " known bank" : " known banks")
              << " as one-bank files into " << (newFolder ? "a new folder " : "the folder ") << m_output << " ("
              << m_output << "/S01.mid and so on)? [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes";
}

int DeviceContentsCommand::run()
{
    MidiPortIdentity device;
    if (const int status = chooseRecordedDevice(m_device, device))
        return status;
    const std::string subject
        = "device " + MidiDestinations::nameAmong(DeviceRecord::recorded(DeviceRecord::defaultFolder()), device);
    const DeviceRecord record(DeviceRecord::defaultFolder(), device);
    DeviceContentsSave save{DeviceContents(record)};
    if (save.nothingKnown())
        return fail(subject, "no bank is known completely; nothing written");
    if (save.oneFile()) {
        if (!save.saveAll(m_output))
            return fail(m_output, save.failure().describe());
        std::cout << m_output << ": all 32 banks\n";
        return 0;
    }
    // Bank files hold one bank or all of them: the known ones go one to a file, after a word with
    // the user, as `zylox send --all` asks before its hour of sending.
    std::error_code error;
    const std::filesystem::file_status folder = std::filesystem::status(m_output, error);
    if (std::filesystem::exists(folder) && !std::filesystem::is_directory(folder))
        return fail(m_output,
                    "not a folder: with banks unknown, the known ones are written one to a file into a folder");
    if (!m_yes
        && !confirm(TransmissionAccount::rowList(save.unknownRows()), save.knownCount(),
                    !std::filesystem::exists(folder)))
        return fail(subject, "not confirmed, nothing written");
    if (!save.saveEach(m_output, [](const std::string& path) { std::cout << path << '\n'; }))
        return fail(save.failedPath(), save.failure().describe());
    return 0;
}
