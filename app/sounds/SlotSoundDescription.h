#pragma once

#include <QString>

#include <cstdint>
#include <span>

// What a screen reader says of a slot's waveform, which it cannot see: how long the sound lasts,
// how loud it peaks and how much of the slot after it is padding silence.
QString slotSoundDescription(const QString& label, std::span<const std::uint8_t> bytes);
