#pragma once

namespace audio {

// While one lives, what the process writes to its standard error goes nowhere. libmpg123, behind
// libsndfile, prints its own notes about damaged MP3 frames there ("Note: Illegal Audio-MPEG-Header
// ..."), and neither library has a setting that reaches it; our programs tell the user about a file
// that does not decode in one line of their own. Decoders on several threads share one redirection,
// undone when the last of them is done; another thread's writes to standard error meanwhile are
// lost with the library's.
class MutedStandardError {
public:
    MutedStandardError();
    ~MutedStandardError();
    MutedStandardError(const MutedStandardError&) = delete;
    MutedStandardError& operator=(const MutedStandardError&) = delete;
};

} // namespace audio
