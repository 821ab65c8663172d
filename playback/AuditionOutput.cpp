#include "playback/AuditionOutput.h"

#include "playback/KitPlayer.h"

#include <utility>

AuditionOutput::AuditionOutput(ISoundOutput& output, KitPlayer& kit)
    : m_output(output)
    , m_kit(kit)
{
}

AuditionOutput::~AuditionOutput()
{
    m_output.stop();
}

PlaybackFailure AuditionOutput::unavailable() const
{
    return m_output.unavailable();
}

void AuditionOutput::play(std::vector<std::uint8_t> samples, EndHandler onEnd)
{
    m_kit.giveWay();
    m_output.play(std::move(samples), givingBack(std::move(onEnd)));
}

void AuditionOutput::playRun(PcmRun run, EndHandler onEnd)
{
    m_kit.giveWay();
    m_output.playRun(std::move(run), givingBack(std::move(onEnd)));
}

void AuditionOutput::stop()
{
    m_output.stop();
}

ISoundOutput::EndHandler AuditionOutput::givingBack(EndHandler onEnd)
{
    ++m_playing;
    // Every play ends exactly once, so each giveWay meets its takeBack.
    return [this, onEnd = std::move(onEnd)](bool played, const PlaybackFailure& failure) {
        --m_playing;
        m_kit.takeBack();
        if (onEnd)
            onEnd(played, failure);
    };
}
