#pragma once

#include "audio/SoundShape.h"

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

// The options that shape a sound on its way into a slot, for `zylox import` and `zylox play`: the
// conversion (--resample, --normalize, --trim) and the rest of the shape, with their ranges.
class ShapeOptions {
public:
    // Adds the options to a command, after its own.
    void addTo(CLI::App& command);

    // The shape the command line asks for; 0, or 2 after saying what is wrong with a combination
    // the parser cannot see (--phase under Classic, an end before the start).
    int resolve();
    const audio::SoundShape& shape() const { return m_shape; }
    // A command line's "--fit stretch" or "--fit pitch" (any case) as "--fit=stretch", the form of a
    // flag's word; a --fit followed by anything else stays a bare --fit, fit by pitch.
    static void joinFitWord(std::vector<std::string>& arguments);
    // The options addTo added.
    const std::vector<CLI::Option*>& options() const { return m_options; }
    audio::SoundShape& shape() { return m_shape; }

private:
    audio::SoundShape m_shape;
    std::optional<double> m_end;
    std::optional<double> m_length;
    std::optional<double> m_trimThreshold;
    std::string m_phase;
    std::string m_dither;
    std::string m_fit; // pitch or stretch; empty without --fit
    std::vector<CLI::Option*> m_options;
};
