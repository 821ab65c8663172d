#pragma once

#include "audio/ImportResult.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

// An import's result in the window's language, numbers written as the language writes them; the
// core words the same results in English for zylox.
class ImportWording {
    Q_DECLARE_TR_FUNCTIONS(ImportWording)

public:
    // What the import did, for the status line: "kick.wav: 3.02 s, cut to 0.25 s to fit CLOSED HI
    // HAT (Clean, normalised +6.0 dB)".
    static QString line(const audio::ImportResult& result, const QString& fileName, const QString& slotLabel);
    // What lies behind a refusal that did not decode or fit, or empty: "the file is damaged or cut
    // short", "the region needs a pitch of +76.0 semitones to fill the slot; a fit reaches -48 to +48".
    static QString detail(const audio::ImportResult& refused);
    // The sound formats the decoders take, listed as the language lists: "WAV, ... CAF and W64".
    static QString decodedFormats();
    // Why a firmware slot refused a file, what it holds and what the slot takes; empty for a
    // refusal that is no firmware slot's.
    static QString messageSlotRefusal(const audio::ImportResult& refused, const QString& slotLabel, std::uint16_t slot);
};
