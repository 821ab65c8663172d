#include "app/library/BrowserPlayer.h"

#include "app/banks/ImportWording.h"
#include "app/document/SlotSource.h"
#include "app/sounds/PlaybackWording.h"
#include "audio/SoundFileTypes.h"
#include "playback/ISoundOutput.h"
#include "playback/SourceRun.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

namespace {

QString whyNotDecoded(const audio::DecodedSound& sound)
{
    // Gone or unreadable since the folder was listed.
    if (sound.failure.refusal == audio::ImportResult::Refusal::NoSound)
        return BrowserPlayer::tr("it could not be read");
    if (sound.failure.refusal == audio::ImportResult::Refusal::Undecodable)
        return BrowserPlayer::tr("it could not be decoded: %1").arg(ImportWording::detail(sound.failure));
    return BrowserPlayer::tr("it is not a sound this editor decodes (%1)").arg(ImportWording::decodedFormats());
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

void BrowserPlayer::toggle(const QString& path)
{
    if (path.isEmpty())
        return;
    if (path == m_playing)
        return stop();
    const QString name = QFileInfo(path).fileName();
    if (const PlaybackFailure unavailable = m_output.unavailable()) {
        emit status(tr("Could not play “%1”: %2").arg(name, PlaybackWording::unavailable(unavailable)));
        return;
    }
    const auto sound = decodeMinute(QFile::encodeName(path).toStdString());
    if (!*sound) {
        stop();
        emit status(tr("Could not play “%1”: %2").arg(name, whyNotDecoded(*sound)));
        return;
    }
    const unsigned play = ++m_play;
    setPlaying(path);
    emit status(tr("Playing “%1”").arg(name));
    // The output may end a play on its own thread: the window hears of it on its own.
    m_output.playRun(sourceRun(*sound, {0, sound->frames.frameCount()}),
                     [this, play](bool, const PlaybackFailure& failure) {
                         QMetaObject::invokeMethod(
                             this, [this, play, failure] { ended(play, failure); }, Qt::QueuedConnection);
                     });
}

void BrowserPlayer::stop()
{
    if (m_playing.isEmpty())
        return;
    ++m_play;
    setPlaying({});
    m_output.stop();
}

void BrowserPlayer::ended(unsigned play, const PlaybackFailure& failure)
{
    if (play != m_play || m_playing.isEmpty())
        return;
    const QString name = QFileInfo(m_playing).fileName();
    setPlaying({});
    if (failure)
        emit status(tr("Could not play “%1”: %2").arg(name, PlaybackWording::failure(failure)));
}

void BrowserPlayer::setPlaying(const QString& path)
{
    m_playing = path;
    emit playingChanged(path);
}
