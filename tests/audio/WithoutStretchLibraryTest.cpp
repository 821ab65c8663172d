// Where the stretch library is missing: this program links a stand-in of it without functions,
// which the loader takes for the library when a fit first stretches.
#include "audio/SlotRender.h"
#include "audio/TimeStretch.h"
#include "tests/audio/ShapeSounds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WithoutStretchLibrary, AStretchIsRefusedNamingTheLibraryAndAPitchFitStillFills)
{
    const auto tone = shape_sounds::sine(44100.0, 2.0, 1000.0, -3.0);
    const std::vector<double> steps(1000, 1.0);
    EXPECT_FALSE(audio::stretchSteps(steps, 44100.0, 2.0, 2000));

    const audio::RenderedSlot stretched = audio::renderSlot(
        tone, {.resampling = audio::Resampling::Clean, .fit = true, .fitKind = audio::FitKind::Stretch}, 32670);
    EXPECT_FALSE(stretched.result);
    EXPECT_TRUE(stretched.bytes.empty());
    EXPECT_EQ(stretched.result.refusal, audio::ImportResult::Refusal::FitOutOfReach);
    EXPECT_EQ(stretched.result.detail(),
              "libSoundTouchDll.so.1, which stretches a sound keeping its pitch, is not installed");

    const audio::RenderedSlot pitched
        = audio::renderSlot(tone, {.resampling = audio::Resampling::Clean, .fit = true}, 32670);
    ASSERT_TRUE(pitched.result);
    EXPECT_GE(shape_sounds::soundEnd(pitched.bytes), 32670u - 8);
}

} // namespace
