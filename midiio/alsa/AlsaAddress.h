#pragma once

#include "midiio/SysexSendRequest.h"

// A sequencer port as the MIDI service's opaque reference: client and port number, plus one so
// that 0 stays "nothing".
class AlsaAddress {
public:
    static MidiRef refOf(int client, int port) { return static_cast<MidiRef>((client << 8 | port) + 1); }
    static int clientOf(MidiRef ref) { return static_cast<int>((ref - 1) >> 8); }
    static int portOf(MidiRef ref) { return static_cast<int>((ref - 1) & 0xFF); }
};
