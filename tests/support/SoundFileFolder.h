#pragma once

#include "tests/support/ScratchFolder.h"

// A temporary folder of sound files for one test: hand-made bytes, or files that sox writes from
// raw sample bytes, so fixtures come from an independent writer and never from our own code.
class SoundFileFolder : public ScratchFolder {
public:
    SoundFileFolder()
        : ScratchFolder("zylox-audio")
    {
    }

    std::string path(const std::string& name) const { return file(name); }
    // sox reads the raw bytes as described by rawFormat ("-r 44100 -c 1 -b 16 -e signed-integer")
    // and writes name with outFormat options; the test fails when sox does.
    std::string sox(const std::vector<std::uint8_t>& raw, const std::string& rawFormat, const std::string& name,
                    const std::string& outFormat = "") const;
    // sox makes name (its format options first, "-r 44100 -c 2 -b 16") from its effects, with
    // synth among them ("synth 1 whitenoise sinc 17000-21500 gain -n -3").
    std::string synth(const std::string& name, const std::string& format, const std::string& effects) const;
    // sox with these arguments, paths and all ("in.wav out.flac"); the test fails when sox does.
    void run(const std::string& arguments) const;
};
