#pragma once

#include "playback/IPcmStream.h"
#include "playback/PcmFormat.h"

#include <memory>
#include <string>

// NOLINTNEXTLINE(bugprone-reserved-identifier): ALSA's name, declared so that users need no ALSA header
typedef struct _snd_pcm snd_pcm_t;

// An ALSA PCM device opened without blocking, set up for one format of frames.
class AlsaPcmStream : public IPcmStream {
public:
    // A buffer of a tenth of a second, enough that a busy machine never lets a sound run dry.
    static constexpr unsigned kListeningBuffer = 100'000;

    // None, with the reason in failure, when the device cannot be opened or set up. The device's
    // buffer holds about bufferMicroseconds of sound.
    static std::unique_ptr<IPcmStream> open(const std::string& device, const PcmFormat& format,
                                            PlaybackFailure& failure, unsigned bufferMicroseconds = kListeningBuffer);
    ~AlsaPcmStream() override;
    AlsaPcmStream(const AlsaPcmStream&) = delete;
    AlsaPcmStream& operator=(const AlsaPcmStream&) = delete;

    std::size_t bufferFrames() const override { return m_bufferFrames; }
    long write(const std::uint8_t* frames, std::size_t count) override;
    void waitForRoom(int wakeUp) override;
    long queued() override;
    void drop() override;
    PlaybackFailure failure(long error) const override;

private:
    AlsaPcmStream(snd_pcm_t* pcm, std::string device, std::size_t bufferFrames);

    snd_pcm_t* m_pcm;
    const std::string m_device;
    const std::size_t m_bufferFrames;
};
