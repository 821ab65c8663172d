#include "cli/ShapeOptions.h"

#include "audio/ShapeNames.h"

#include <CLI/CLI.hpp>

#include <array>
#include <charconv>
#include <iostream>
#include <map>

namespace {

std::string fixed(double value, int decimals)
{
    std::array<char, 32> digits{};
    const auto end
        = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals).ptr;
    return std::string(digits.data(), end);
}

// A number within a range, refused naming the range ("--pitch: 30 is outside -24 to +24 semitones").
CLI::Validator within(double lowest, double highest, const std::string& unit)
{
    // Signed where the range reaches below zero: -24 to +24 semitones, 0 to 1000 ms.
    const auto text = [lowest](double value) { return (value > 0.0 && lowest < 0.0 ? "+" : "") + fixed(value, 0); };
    const std::string range = text(lowest) + " to " + text(highest) + " " + unit;
    return CLI::Validator(
        [lowest, highest, range](std::string& input) -> std::string {
            double value = 0.0;
            if (!CLI::detail::lexical_cast(input, value) || !(value >= lowest && value <= highest))
                return input + " is outside " + range;
            return {};
        },
        range);
}

// Seconds into a source: 0 or more, and no more than an hour (what is decoded stops at a minute).
CLI::Validator seconds()
{
    return CLI::Validator(
        [](std::string& input) -> std::string {
            double value = 0.0;
            if (!CLI::detail::lexical_cast(input, value) || !(value >= 0.0 && value <= 3600.0))
                return input + " is outside 0 to 3600 seconds";
            return {};
        },
        "0 to 3600 seconds");
}

// One of the choices by its word, any case; help shows the words in their order as --phase shows
// its own ("TEXT:{classic,clean}"), not the numbers the choices are kept as.
template <class Choice> CLI::Validator wordsFor(std::initializer_list<Choice> choices)
{
    std::map<std::string, Choice> words;
    std::string shown;
    for (const Choice choice : choices) {
        words.emplace(audio::nameOf(choice), choice);
        shown += (shown.empty() ? "{" : ",") + std::string(audio::nameOf(choice));
    }
    return CLI::CheckedTransformer(words, CLI::ignore_case).description(shown + "}");
}

std::string lowercase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// --fit's word in lowercase; a bare --fit, which the parser gives as "true", fits by pitch.
CLI::Validator fitWord()
{
    return CLI::Validator(
        [](std::string& input) -> std::string {
            const std::string word = input == "true" ? "pitch" : lowercase(input);
            if (!audio::fitKindNamed(word))
                return input + " is neither pitch nor stretch";
            input = word;
            return {};
        },
        "");
}

} // namespace

void ShapeOptions::addTo(CLI::App& command)
{
    const std::size_t before = command.get_options().size();
    command
        .add_option("--resample", m_shape.resampling,
                    "How a sound is converted: classic (the default, as slots always were) or clean "
                    "(band-limited, rounded to 8 bits)")
        ->type_name("TEXT")
        ->transform(wordsFor({audio::Resampling::Classic, audio::Resampling::Clean}));
    command.add_flag("--normalize", m_shape.normalize, "Scale the sound so that its peak reaches full scale");
    command.add_flag("--trim", m_shape.trim, "Drop the silence before the sound starts");

    command.add_option("--start", m_shape.start, "Where in the source the slot's sound starts, in seconds (default 0)")
        ->type_name("SEC")
        ->check(seconds());
    auto* end = command
                    .add_option_function<double>(
                        "--end", [this](const double& value) { m_end = value; },
                        "Where in the source the sound ends, in seconds; the rest of the "
                        "slot stays silent")
                    ->type_name("SEC")
                    ->check(seconds());
    command
        .add_option_function<double>(
            "--length", [this](const double& value) { m_length = value; },
            "How many seconds of the source from --start, in place of --end")
        ->type_name("SEC")
        ->check(seconds())
        ->excludes(end);
    command.add_option("--gain", m_shape.gain, "Gain in dB")
        ->type_name("DB")
        ->check(within(audio::lowestGain, audio::highestGain, "dB"));
    command.add_option("--fade-in", m_shape.fadeIn, "Fade in over the slot's first MS milliseconds")
        ->type_name("MS")
        ->check(within(0.0, audio::longestFade, "ms"));
    command
        .add_option("--fade-out", m_shape.fadeOut,
                    "Fade out over the sound's last MS milliseconds in the slot (in "
                    "place of the short fade at a cut)")
        ->type_name("MS")
        ->check(within(0.0, audio::longestFade, "ms"));
    command.add_flag("--reverse", m_shape.reverse, "Play the region backwards");
    auto* pitch = command
                      .add_option("--pitch", m_shape.pitch,
                                  "Play the sound higher or lower, in semitones (-24 to "
                                  "+24, fractions allowed): +12 fits twice the sound")
                      ->type_name("SEMITONES")
                      ->check(within(audio::lowestPitch, audio::highestPitch, "semitones"));
    // A flag whose word comes after = (joinFitWord puts it there), so that a bare --fit never takes
    // the name of the source after it for its word.
    command
        .add_flag("--fit", m_fit,
                  "Make the whole region fill the slot: by pitch (the default; within 48 semitones either way) "
                  "or by stretching it keeping its pitch (to "
                      + fixed(audio::shortestStretch, 2) + " to " + fixed(audio::longestStretch, 2)
                      + " times its length); the import's line names the pitch or the stretch")
        ->option_text("[pitch|stretch]")
        ->transform(fitWord())
        ->excludes(pitch);
    command
        .add_option("--mono", m_shape.mono,
                    "Which channels make the slot's one: mix (the default), left, right, "
                    "or side (what is not in the centre)")
        ->type_name("TEXT")
        ->transform(wordsFor(
            {audio::MonoSource::Mix, audio::MonoSource::Left, audio::MonoSource::Right, audio::MonoSource::Side}));
    command.add_flag("--dc", m_shape.removeDc, "Centre a sound that sits off the zero line (DC offset)");
    command
        .add_option_function<double>(
            "--limit", [this](const double& value) { m_shape.limit = value; },
            "Hold peaks under this ceiling in dBFS (e.g. -1), so gain or "
            "--normalize can lift the body of a sound")
        ->type_name("DBFS")
        ->check(within(audio::lowestLevel, audio::highestLevel, "dBFS"));
    command
        .add_option_function<double>(
            "--trim-threshold", [this](const double& value) { m_trimThreshold = value; },
            "The level below which --trim takes a sound's start for "
            "silence, in dBFS (default -48); implies --trim")
        ->type_name("DBFS")
        ->check(within(audio::lowestLevel, audio::highestLevel, "dBFS"));
    command
        .add_option("--phase", m_phase,
                    "With --resample clean: the filter's phase, linear (the default), "
                    "intermediate or minimum (no pre-echo before a hit)")
        ->check(CLI::IsMember({"linear", "intermediate", "minimum"}, CLI::ignore_case));
    command
        .add_option("--dither", m_dither,
                    "With --resample clean: none (the default), tpdf, or shaped (noise "
                    "moved above 4 kHz)")
        ->check(CLI::IsMember({"none", "tpdf", "shaped"}, CLI::ignore_case));
    const std::vector<CLI::Option*> all = command.get_options();
    m_options.assign(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
}

int ShapeOptions::resolve()
{
    if ((!m_phase.empty() || !m_dither.empty()) && m_shape.resampling != audio::Resampling::Clean) {
        std::cerr << "zylox: --phase and --dither choose how the clean conversion works: add --resample clean\n";
        return 2;
    }
    m_shape.phase = audio::filterPhaseNamed(lowercase(m_phase)).value_or(audio::FilterPhase::Linear);
    m_shape.dither = audio::ditherNamed(lowercase(m_dither)).value_or(audio::Dither::None);
    m_shape.fit = !m_fit.empty();
    m_shape.fitKind = audio::fitKindNamed(m_fit).value_or(audio::FitKind::Pitch);
    if (m_length && *m_length <= 0.0) {
        std::cerr << "zylox: --length " << fixed(*m_length, 2) << ": a region lasts more than 0 seconds\n";
        return 2;
    }
    if (m_end && *m_end <= m_shape.start) {
        std::cerr << "zylox: --end " << fixed(*m_end, 2) << " is not after --start " << fixed(m_shape.start, 2) << '\n';
        return 2;
    }
    if (m_length)
        m_shape.end = m_shape.start + *m_length;
    else if (m_end)
        m_shape.end = m_end;
    if (m_trimThreshold) {
        m_shape.trim = true;
        m_shape.trimThreshold = *m_trimThreshold;
    }
    return 0;
}

void ShapeOptions::joinFitWord(std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--")
            return;
        if (arguments[i] == "--fit" && audio::fitKindNamed(lowercase(arguments[i + 1]))) {
            arguments[i] += "=" + arguments[i + 1];
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }
}
