#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class ISoundOutput;
struct PlaybackFailure;

// Listening in the sound browser: a file played as it is (its first minute at most, its first two
// channels, at its own rate), or as the device will sound it (that minute made 8-bit mono at
// 33 kHz with the default shape, as an import of it into a slot makes it), through the sound
// output the slots play on, so that playing a slot or another file stops it.
class BrowserPlayer : public QObject {
    Q_OBJECT
public:
    // The output stays the caller's.
    BrowserPlayer(ISoundOutput& output, QObject* parent);
    ~BrowserPlayer() override;

    // Plays the file at path (the file system's bytes) named name, or stops it when it is the one playing.
    void toggle(const QByteArray& path, const QString& name);
    void stop();
    // The file playing; empty when none.
    const QByteArray& playing() const { return m_playing; }
    // Whether a play sounds as the device will sound the file rather than as it is.
    void setAsDevice(bool asDevice) { m_asDevice = asDevice; }

signals:
    void playingChanged(const QByteArray& path);
    // For the status line: the file that plays, or why it could not. Each replaces what a play said before.
    void status(const QString& message);

private:
    void ended(unsigned play, const PlaybackFailure& failure);
    void setPlaying(const QByteArray& path, const QString& name);

    ISoundOutput& m_output;
    bool m_asDevice = false;
    QByteArray m_playing;
    QString m_playingName;
    // Counts plays, so the end of one that was replaced does not touch the one that replaced it.
    unsigned m_play = 0;
};
