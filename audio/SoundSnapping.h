#pragma once

#include "audio/DecodedSound.h"
#include "audio/SoundShape.h"
#include "audio/SourceRegion.h"

#include <cstdint>
#include <optional>

namespace audio {

// Where a region's edges may snap to in a source, for an editor's handles. Each looks at a bounded
// stretch of the source, so none hangs on a long one, and none returns an empty region: where a
// snap would leave nothing, the region stays as it was. Frames count from the first one held.

// The onset: the first frame at or after from above the threshold (dBFS, the mono choice's channel);
// none when there is none.
std::optional<std::uint64_t> onsetFrame(const DecodedSound& sound, std::uint64_t from, double thresholdDecibels,
                                        MonoSource mono = MonoSource::Mix);

// The region with its start moved to the onset at or after it.
SourceRegion snapStartToOnset(const DecodedSound& sound, SourceRegion region, double thresholdDecibels);

// The region with each edge moved to the nearest zero crossing within 10 ms, measured from the
// local mean, so a source with a DC offset has crossings too.
SourceRegion snapToZeroCrossings(const DecodedSound& sound, SourceRegion region);

} // namespace audio
