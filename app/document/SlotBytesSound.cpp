#include "app/document/SlotBytesSound.h"

#include "audio/DeviceRate.h"

std::shared_ptr<const audio::DecodedSound> slotBytesSound(std::span<const std::uint8_t> bytes)
{
    auto sound = std::make_shared<audio::DecodedSound>();
    sound->frames = audio::PcmFrames(1, 8, true, audio::kDeviceRate);
    sound->frames.assign(bytes.begin(), bytes.end());
    sound->wholeFrames = bytes.size();
    sound->failure.kind = audio::ImportResult::Kind::Sound;
    return sound;
}
