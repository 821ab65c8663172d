#include "app/document/SlotSource.h"

#include "audio/SlotImport.h"
#include "bytes/SourceFileReader.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

// The most of a source played as it is.
constexpr double kLongestSource = 60.0;

} // namespace

std::optional<FileStamp> fileStampOf(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::filesystem::file_time_type modified = std::filesystem::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return FileStamp{size, std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count()};
}

std::size_t keptSourceLimit(std::size_t slotLength)
{
    return std::max(audio::sourceLimit(slotLength), audio::heldSourceLimit());
}

std::shared_ptr<const audio::DecodedSound> decodeKept(SourceReader& source, std::size_t slotLength,
                                                      const audio::SoundShape& shape)
{
    return std::make_shared<const audio::DecodedSound>(audio::decodeSound(
        source, audio::framesKept(slotLength, shape), audio::kMostSourceBytes + audio::heldSourceLimit()));
}

std::shared_ptr<const audio::DecodedSound> decodeMinute(const std::string& path)
{
    SourceFileReader source(path);
    if (source.error() != 0) {
        auto unreadable = std::make_shared<audio::DecodedSound>();
        unreadable->failure = audio::ImportResult::refused(audio::ImportResult::Refusal::NoSound);
        return unreadable;
    }
    return std::make_shared<const audio::DecodedSound>(
        audio::decodeSound(source, audio::secondsWanted(0.0, kLongestSource), audio::heldSourceLimit()));
}
