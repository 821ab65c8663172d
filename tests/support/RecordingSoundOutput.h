#pragma once

#include "playback/ISoundOutput.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A sound output that plays nothing: it records every sound it is given and ends a play only when
// told to (finish, fail) or stopped, calling the end handler on the caller's thread; a run the real
// output would refuse ends at once with the same refusal, as there.
class RecordingSoundOutput : public ISoundOutput {
public:
    // None: an output exists.
    explicit RecordingSoundOutput(PlaybackFailure unavailable = {})
        : m_unavailable(std::move(unavailable))
    {
    }

    PlaybackFailure unavailable() const override { return m_unavailable; }
    void play(std::vector<std::uint8_t> samples, EndHandler onEnd) override
    {
        stop();
        played.push_back(std::move(samples));
        m_onEnd = std::move(onEnd);
    }
    void playRun(PcmRun run, EndHandler onEnd) override
    {
        stop();
        const PlaybackFailure refusal = run.refusal();
        runs.push_back(std::move(run));
        m_onEnd = std::move(onEnd);
        if (refusal)
            fail(refusal);
    }
    void stop() override { end(false, {}); }

    // The sound now playing has been heard to its end.
    void finish() { end(true, {}); }
    // The output failed while playing the sound now playing.
    void fail(const PlaybackFailure& failure) { end(false, failure); }
    bool playing() const { return static_cast<bool>(m_onEnd); }

    // Every slot given to play (8-bit unsigned mono at kSampleRate), in order.
    std::vector<std::vector<std::uint8_t>> played;
    // Every run given to playRun, as given (values, rate, channels), in order.
    std::vector<PcmRun> runs;

private:
    void end(bool heard, const PlaybackFailure& failure)
    {
        EndHandler onEnd = std::move(m_onEnd);
        m_onEnd = nullptr;
        if (onEnd)
            onEnd(heard, failure);
    }

    PlaybackFailure m_unavailable;
    EndHandler m_onEnd;
};
