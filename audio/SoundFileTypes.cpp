#include "audio/SoundFileTypes.h"

#include <algorithm>

namespace audio {

const std::vector<std::string>& soundFileTypes()
{
    static const std::vector<std::string> types{"wav",  "aif", "aiff", "aifc", "flac", "ogg",
                                                "opus", "mp3", "w64",  "au",   "caf"};
    return types;
}

std::string soundFileEnding(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    std::string ending = name.substr(dot + 1);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
    const std::vector<std::string>& types = soundFileTypes();
    return std::find(types.begin(), types.end(), ending) != types.end() ? ending : std::string();
}

const std::vector<std::string>& decodedFormats()
{
    static const std::vector<std::string> formats{"WAV",  "AIFF", "AIFF-C", "FLAC", "Ogg Vorbis",
                                                  "Opus", "MP3",  "AU",     "CAF",  "W64"};
    return formats;
}

const std::string& decodedFormatsText()
{
    static const std::string text = [] {
        const std::vector<std::string>& formats = decodedFormats();
        std::string joined;
        for (std::size_t i = 0; i < formats.size(); ++i)
            joined += (i == 0 ? "" : i + 1 == formats.size() ? " and " : ", ") + formats[i];
        return joined;
    }();
    return text;
}

} // namespace audio
