#include "app/library/BrowserPlayer.h"

#include "app/common/WindowText.h"
#include "app/document/SlotSource.h"
#include "audio/SlotRender.h"
#include "audio/SoundFileTypes.h"
#include "playback/ISoundOutput.h"
#include "playback/SourceRun.h"

#include <QMetaObject>

#include <cmath>

namespace {

QString whyNotDecoded(const audio::DecodedSound& sound)
{
    // Gone or unreadable since the folder was listed.
    if (sound.failure.refusal == audio::ImportResult::Refusal::NoSound)
        return BrowserPlayer::tr("it could not be read");
    if (sound.failure.refusal == audio::ImportResult::Refusal::Undecodable)
        return BrowserPlayer::tr("it could not be decoded: %1").arg(WindowText::of(sound.failure.detailText()));
    return BrowserPlayer::tr("it is not a sound this editor decodes (%1)")
        .arg(WindowText::list(audio::decodedFormats()));
}

// The sound as an import into a slot of its length makes it, with the default shape: 8-bit mono
// samples at the device's rate; empty when there is nothing to hear.
std::vector<std::uint8_t> asTheDeviceSoundsIt(const audio::DecodedSound& sound)
{
    const double rate = sound.frames.m_samplerate;
    if (rate <= 0.0)
        return {};
    const auto length = static_cast<std::size_t>(
        std::ceil(static_cast<double>(sound.frames.frameCount()) * ISoundOutput::kSampleRate / rate));
    return audio::renderSlot(sound, audio::SoundShape{}, std::max<std::size_t>(length, 1)).bytes;
}

} // namespace

BrowserPlayer::BrowserPlayer(ISoundOutput& output, QObject* parent)
    : QObject(parent)
    , m_output(output)
{
}

BrowserPlayer::~BrowserPlayer()
{
    // After this no end notice can arrive from the output's thread.
    m_output.stop();
}

void BrowserPlayer::toggle(const QByteArray& path, const QString& name)
{
    if (path.isEmpty())
        return;
    if (path == m_playing)
        return stop();
    if (const PlaybackFailure unavailable = m_output.unavailable()) {
        emit status(tr("Could not play “%1”: %2").arg(name, WindowText::of(unavailable.unavailable())));
        return;
    }
    const auto sound = decodeMinute(path.toStdString());
    if (!*sound) {
        stop();
        emit status(tr("Could not play “%1”: %2").arg(name, whyNotDecoded(*sound)));
        return;
    }
    std::vector<std::uint8_t> device;
    if (m_asDevice) {
        device = asTheDeviceSoundsIt(*sound);
        if (device.empty()) {
            stop();
            emit status(tr("Could not play “%1”: it holds no sound").arg(name));
            return;
        }
    }
    const unsigned play = ++m_play;
    setPlaying(path, name);
    emit status(m_asDevice ? tr("Playing “%1” as the device will sound it").arg(name) : tr("Playing “%1”").arg(name));
    // The output may end a play on its own thread: the window hears of it on its own.
    auto onEnd = [this, play](bool, const PlaybackFailure& failure) {
        QMetaObject::invokeMethod(
            this, [this, play, failure] { ended(play, failure); }, Qt::QueuedConnection);
    };
    if (m_asDevice)
        m_output.play(std::move(device), onEnd);
    else
        m_output.playRun(sourceRun(*sound, {0, sound->frames.frameCount()}), onEnd);
}

void BrowserPlayer::stop()
{
    if (m_playing.isEmpty())
        return;
    ++m_play;
    setPlaying({}, {});
    m_output.stop();
}

void BrowserPlayer::ended(unsigned play, const PlaybackFailure& failure)
{
    if (play != m_play || m_playing.isEmpty())
        return;
    const QString name = m_playingName;
    setPlaying({}, {});
    if (failure)
        emit status(tr("Could not play “%1”: %2").arg(name, WindowText::of(failure.text())));
}

void BrowserPlayer::setPlaying(const QByteArray& path, const QString& name)
{
    m_playing = path;
    m_playingName = name;
    emit playingChanged(path);
}
