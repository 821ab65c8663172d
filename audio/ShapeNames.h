#pragma once

#include "audio/SoundShape.h"

#include <optional>
#include <string_view>

namespace audio {

// The words the programs use for a shape's choices, on the command line and in files that keep a
// shape: "classic" and "clean"; "mix", "left", "right" and "side"; "linear", "intermediate" and
// "minimum"; "none", "tpdf" and "shaped"; "pitch" and "stretch". A word that names nothing gives none.
std::string_view nameOf(Resampling resampling);
std::string_view nameOf(MonoSource mono);
std::string_view nameOf(FilterPhase phase);
std::string_view nameOf(Dither dither);
std::string_view nameOf(FitKind kind);

std::optional<Resampling> resamplingNamed(std::string_view name);
std::optional<MonoSource> monoSourceNamed(std::string_view name);
std::optional<FilterPhase> filterPhaseNamed(std::string_view name);
std::optional<Dither> ditherNamed(std::string_view name);
std::optional<FitKind> fitKindNamed(std::string_view name);

} // namespace audio
