#include "audio/ShapeNames.h"

#include <array>
#include <utility>

namespace audio {

namespace {

template <class Choice, std::size_t Count> using Names = std::array<std::pair<Choice, std::string_view>, Count>;

constexpr Names<Resampling, 2> kResamplings{{{Resampling::Classic, "classic"}, {Resampling::Clean, "clean"}}};
constexpr Names<MonoSource, 4> kMonoSources{
    {{MonoSource::Mix, "mix"}, {MonoSource::Left, "left"}, {MonoSource::Right, "right"}, {MonoSource::Side, "side"}}};
constexpr Names<FilterPhase, 3> kPhases{
    {{FilterPhase::Linear, "linear"}, {FilterPhase::Intermediate, "intermediate"}, {FilterPhase::Minimum, "minimum"}}};
constexpr Names<Dither, 3> kDithers{{{Dither::None, "none"}, {Dither::Triangular, "tpdf"}, {Dither::Shaped, "shaped"}}};
constexpr Names<FitKind, 2> kFitKinds{{{FitKind::Pitch, "pitch"}, {FitKind::Stretch, "stretch"}}};

template <class Choice, std::size_t Count> std::string_view nameIn(const Names<Choice, Count>& names, Choice choice)
{
    for (const auto& [each, name] : names)
        if (each == choice)
            return name;
    return {};
}

template <class Choice, std::size_t Count>
std::optional<Choice> choiceIn(const Names<Choice, Count>& names, std::string_view wanted)
{
    for (const auto& [choice, name] : names)
        if (name == wanted)
            return choice;
    return std::nullopt;
}

} // namespace

std::string_view nameOf(Resampling resampling)
{
    return nameIn(kResamplings, resampling);
}
std::string_view nameOf(MonoSource mono)
{
    return nameIn(kMonoSources, mono);
}
std::string_view nameOf(FilterPhase phase)
{
    return nameIn(kPhases, phase);
}
std::string_view nameOf(Dither dither)
{
    return nameIn(kDithers, dither);
}

std::string_view nameOf(FitKind kind)
{
    return nameIn(kFitKinds, kind);
}

std::optional<Resampling> resamplingNamed(std::string_view name)
{
    return choiceIn(kResamplings, name);
}
std::optional<MonoSource> monoSourceNamed(std::string_view name)
{
    return choiceIn(kMonoSources, name);
}
std::optional<FilterPhase> filterPhaseNamed(std::string_view name)
{
    return choiceIn(kPhases, name);
}
std::optional<Dither> ditherNamed(std::string_view name)
{
    return choiceIn(kDithers, name);
}

std::optional<FitKind> fitKindNamed(std::string_view name)
{
    return choiceIn(kFitKinds, name);
}

} // namespace audio
