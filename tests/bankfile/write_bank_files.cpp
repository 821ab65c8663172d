// Writes bank files for the independent cross-check, with what they must hold beside them:
// s05.mid and all.mid, the banks' dumps for channel 0 as .syx, and their names as .txt.
#include "BankFileFixtures.h"
#include "bankfile/WrapperZQMidiFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void describe(IBank& bank, std::ofstream& dumps, std::ofstream& names)
{
    for (const buffer& message : dumpMessages(bank))
        dumps.write(reinterpret_cast<const char*>(message.data()), static_cast<std::streamsize>(message.size()));
    names << bank.getName();
    for (const std::string& name : bank.getContentNames())
        names << '\t' << name;
    names << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: write_bank_files FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    auto banks = factoryBankSet();
    banks[4]->setName("Dry Kit");
    banks[4]->setContentName(3, "Rim 2");
    WrapperZQMidiFile file;
    if (!file.saveBank(*banks[4], (folder / "s05.mid").string()) || !file.saveBanks(pointersTo(banks), (folder / "all.mid").string()))
        return 1;
    std::ofstream oneDump(folder / "s05.syx", std::ios::binary);
    std::ofstream oneNames(folder / "s05.txt");
    describe(*banks[4], oneDump, oneNames);
    std::ofstream allDumps(folder / "all.syx", std::ios::binary);
    std::ofstream allNames(folder / "all.txt");
    for (const auto& bank : banks)
        describe(*bank, allDumps, allNames);
    return oneDump && oneNames && allDumps && allNames ? 0 : 1;
}
