#pragma once

#include "midiio/MidiPortIdentity.h"
#include "midiio/record/RecordFailure.h"

#include <memory>
#include <string>

class IMidiService;

// Only one program at a time sends to a device, whoever runs it: two senders would interleave
// their System Exclusive pieces on the wire, the device's flash would take garbage and both
// records would say the banks arrived. The lock is a file per device, locked with flock for the
// whole of a send; the kernel releases it when the holder ends, however it ends, so a crashed
// sender never blocks the device. An flock belongs to one opening of the file, so two senders in
// one process exclude each other as well.
//
// The file lies where every user and root meet (/run/lock): it is made readable and writable for
// everyone, whatever the maker's umask, and a sender that may not write it opens it for reading,
// which is all flock needs. Each holder writes its program and process into the file for whoever
// is refused; the file is the lock itself, so no second file can tell of a holder that no longer
// holds. In that folder anyone may put anything: a link, a FIFO or a file with a second name is
// refused rather than opened, so that no sender (root least of all) writes where a link points.
// Where that folder does not exist or is not open to everyone, the lock lies in the user's own
// state folder, as the device's record does; without either a send goes on unlocked.
class SenderLock {
public:
    // Where the lock of a device lies.
    struct Places {
        // A folder every user may make files in and none may remove another's (sticky, world-
        // writable); empty for none.
        std::string shared{};
        // The user's own folder, the record's: where the shared one is not such a folder.
        std::string own{};

        // Where senders to the service's devices meet: its shared folder, and the user's own.
        static Places of(const IMidiService& service);
        // The device's lock file; empty when there is nowhere to keep it.
        std::string lockFile(const MidiPortIdentity& device) const;
    };
    // Why the lock was not taken: another sender holds it, or its file could not be opened.
    struct Refusal {
        enum class Kind { None, Busy, Unwritable };

        Kind kind = Kind::None;
        std::string device{}; // the device's name, for a lock held by another sender
        std::string holder{}; // that sender's program, "zylox"; empty when it did not say
        std::string process{}; // and its process id, "4242"
        RecordFailure unwritable{};

        explicit operator bool() const { return kind != Kind::None; }
        // "UM-ONE:UM-ONE MIDI 1 is being sent to by zylox, process 4242", "... by another
        // program", or the lock file's failure; empty for none.
        Text text() const;
        std::string describe() const { return text().english(); }
    };
    struct Taken {
        // None when refused.
        std::unique_ptr<SenderLock> lock;
        Refusal refusal;
    };

    // Takes the lock of the device for this program ("zylox", "zylox-editor") without waiting.
    // Take it before reading the device's record: the record is what the last holder left.
    static Taken take(const MidiPortIdentity& device, const std::string& program, const Places& places);

    ~SenderLock();
    SenderLock(const SenderLock&) = delete;
    SenderLock& operator=(const SenderLock&) = delete;

private:
    explicit SenderLock(int descriptor)
        : m_descriptor(descriptor)
    {
    }

    // Closing the file releases the lock; -1 for a send without one.
    const int m_descriptor;
};
