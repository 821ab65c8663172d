#include "model/BankSoundFiles.h"

#include "audio/DeviceWave.h"
#include "audio/SoundFileTypes.h"
#include "bytes/AtomicFile.h"
#include "bytes/FileName.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <algorithm>
#include <cerrno>
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
    const std::string ending = ".wav";
    std::string name = bank.getContentLabel(slot);
    if (const std::string own = withoutSoundEnding(bank.getContentName(slot)); !own.empty()) {
        name += " - ";
        // A slot's name may take the 255 bytes a file's name does: with the label before it, its
        // file could not be written.
        name += FileName::cut(own, FileName::kLongest - std::min(FileName::kLongest, name.size() + ending.size()));
    }
    std::replace(name.begin(), name.end(), '/', '-');
    return name + ending;
}

BankSoundFiles::Written BankSoundFiles::write(const IBank& bank, const std::string& folder)
{
    Written written;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) && !std::filesystem::create_directory(folder, error) && error) {
        written.failedPath = folder;
        // A file, or a link to nothing, holds the folder's name: the system's "File exists" would
        // read as if a slot's file were refused for being there already.
        written.failure = FileFailure::fromErrno(error.value() == EEXIST ? ENOTDIR : error.value());
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
