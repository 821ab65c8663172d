#pragma once

#include <string>
#include <vector>

// What both programs tell the user about the sound files a slot imports.
namespace audio {

// The file name endings a sound file panel offers.
const std::vector<std::string>& soundFileTypes();
// The name's ending in lower case where it is one of those ("take.WAV" is "wav"); empty otherwise,
// and for a name that is nothing but an ending (".wav").
std::string soundFileEnding(const std::string& name);
// The formats a sound is decoded from, as a list in words ("WAV, AIFF, ... and W64").
// The sound formats the decoders take, by name: "WAV", "AIFF", ...
const std::vector<std::string>& decodedFormats();
const std::string& decodedFormatsText();
// The title of a refusal of a file that is not what was asked for.
inline constexpr const char* kWrongFileFormat = "Wrong File Format";

} // namespace audio
