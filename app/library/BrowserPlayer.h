#pragma once

#include <QObject>
#include <QString>

class ISoundOutput;
struct PlaybackFailure;

// Listening in the sound browser: a file played as it is (its first minute at most, its first two
// channels, at its own rate) through the sound output the slots play on, so that playing a slot or
// another file stops it.
class BrowserPlayer : public QObject {
    Q_OBJECT
public:
    // The output stays the caller's.
    BrowserPlayer(ISoundOutput& output, QObject* parent);
    ~BrowserPlayer() override;

    // Plays the file, or stops it when it is the one playing.
    void toggle(const QString& path);
    void stop();
    // The file playing; empty when none.
    const QString& playing() const { return m_playing; }

signals:
    void playingChanged(const QString& path);
    // For the status line: the file that plays, or why it could not. Each replaces what a play said before.
    void status(const QString& message);

private:
    void ended(unsigned play, const PlaybackFailure& failure);
    void setPlaying(const QString& path);

    ISoundOutput& m_output;
    QString m_playing;
    // Counts plays, so the end of one that was replaced does not touch the one that replaced it.
    unsigned m_play = 0;
};
