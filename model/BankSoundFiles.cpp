#include "model/BankSoundFiles.h"

#include "audio/DeviceWave.h"
#include "audio/SoundFileTypes.h"
#include "bytes/AtomicFile.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// A slot's name without the ending of the sound file it was named after: "kick.wav" is "kick".
std::string withoutSoundEnding(std::string name)
{
    if (!audio::soundFileEnding(name).empty())
        name.erase(name.rfind('.'));
    return name;
}

} // namespace

std::string BankSoundFiles::fileName(const IBank& bank, std::uint16_t slot)
{
    std::string name = bank.getContentLabel(slot);
    if (const std::string own = withoutSoundEnding(bank.getContentName(slot)); !own.empty())
        name += " - " + own;
    std::replace(name.begin(), name.end(), '/', '-');
    return name + ".wav";
}

BankSoundFiles::Written BankSoundFiles::write(const IBank& bank, const std::string& folder)
{
    Written written;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) && !std::filesystem::create_directory(folder, error) && error) {
        written.failedPath = folder;
        written.failure = FileFailure::fromErrno(error.value());
        return written;
    }
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
        const std::string path = (std::filesystem::path(folder) / fileName(bank, slot)).string();
        if (const FileFailure failure
            = AtomicFile::writeWhole(path, audio::deviceWave(bank.getContent(slot)->getData()))) {
            written.failedPath = path;
            written.failure = failure;
            return written;
        }
        written.paths.push_back(path);
    }
    return written;
}

Text BankSoundFiles::refusalFor(std::size_t row)
{
    if (factory::isSoundRow(row))
        return {};
    return Text(ZYLOX_TR("BankSoundFiles", "the firmware bank's slots hold messages, not sounds: only a sound bank "
                                           "is taken out as sounds"));
}
