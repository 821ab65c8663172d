#include "audio/SoundFileTypes.h"

namespace audio {

const std::vector<std::string>& soundFileTypes()
{
    static const std::vector<std::string> types{"wav", "aif", "aiff", "aifc", "flac", "ogg",
                                                "opus", "mp3", "w64", "au", "caf"};
    return types;
}

const std::string& decodedFormatsText()
{
    static const std::string text = "WAV, AIFF, AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, AU, CAF and W64";
    return text;
}

} // namespace audio
