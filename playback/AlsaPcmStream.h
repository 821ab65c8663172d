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

    // How far ahead of the sound a stream that answers hits is kept. Its ring is far longer than
    // the lead: a device that moves in large steps (a sound server's quantum, an emulated card's
    // timer tick) then runs dry where it can be seen, instead of wrapping round the ring unnoticed
    // and playing its old frames again. Each time the device runs dry the lead grows by a period,
    // up to mostMicroseconds: a device that keeps time finely keeps the first lead for good.
    struct Lead {
        unsigned firstMicroseconds;
        unsigned mostMicroseconds;
        unsigned periodMicroseconds;
        unsigned ringMicroseconds;
    };

    // None, with the reason in failure, when the device cannot be opened or set up. The device's
    // buffer holds about bufferMicroseconds of sound, and writes fill it.
    static std::unique_ptr<IPcmStream> open(const std::string& device, const PcmFormat& format,
                                            PlaybackFailure& failure, unsigned bufferMicroseconds = kListeningBuffer);
    // The same, with writes that fill the buffer only as far as the lead.
    static std::unique_ptr<IPcmStream> open(const std::string& device, const PcmFormat& format,
                                            PlaybackFailure& failure, const Lead& lead);
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
    // How many of count frames fit within the lead now, or an ALSA error.
    long framesWithinLead(std::size_t count);
    // Has the device start, and wake the writer, with the lead's frames; an ALSA error or 0.
    int applyLead();

    snd_pcm_t* m_pcm;
    const std::string m_device;
    const std::size_t m_bufferFrames;
    // Without a lead, the whole buffer.
    std::size_t m_leadFrames;
    std::size_t m_mostLeadFrames;
    std::size_t m_periodFrames = 0;
};
