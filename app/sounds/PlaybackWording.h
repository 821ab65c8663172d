#pragma once

#include "playback/PlaybackFailure.h"

#include <QCoreApplication>
#include <QString>

// Why a sound was not heard, or why nothing can be played, in the window's language; the core
// words the same in English for zylox.
class PlaybackWording {
    Q_DECLARE_TR_FUNCTIONS(PlaybackWording)

public:
    // "the ALSA device "default" failed (Broken pipe)"; empty for none.
    static QString failure(const PlaybackFailure& failure);
    // "No sound output: " and why, for the Play buttons' tooltips; empty when there is an output.
    static QString unavailable(const PlaybackFailure& failure);
};
