#include "app/document/SlotSource.h"

#include "audio/slot_import.h"
#include "midifile/SourceFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

// The most of a source a slot keeps to be shaped again.
constexpr double kLongestSource = 60.0;

std::uint64_t minuteWanted(double rate)
{
    const double frames = std::ceil(kLongestSource * rate);
    return frames > 0.0 && frames < 1e12 ? static_cast<std::uint64_t>(frames) : std::uint64_t{0};
}

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

std::shared_ptr<const audio::DecodedSound> decodeMinute(const SourceFile& source)
{
    return std::make_shared<const audio::DecodedSound>(
        audio::decodeSound(source.bytes(), minuteWanted, UINT64_MAX, source.fileSize()));
}

std::shared_ptr<const audio::DecodedSound> decodeMinute(const std::string& path)
{
    // Whatever the slot: a minute is what the limit of the longest slot reaches too.
    const SourceFile source(path, keptSourceLimit(0), [](std::span<const std::uint8_t> head) {
        return audio::bytesDecoded(head, minuteWanted, UINT64_MAX);
    });
    if (source.error() != 0) {
        auto unreadable = std::make_shared<audio::DecodedSound>();
        unreadable->failure = audio::ImportResult::refused(audio::ImportResult::Refusal::NoSound);
        return unreadable;
    }
    return decodeMinute(source);
}
