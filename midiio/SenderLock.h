#pragma once

#include "midiio/RecordFailure.h"

#include <memory>
#include <string>

class DeviceRecord;

// Only one program at a time sends to a device: two senders would interleave their System
// Exclusive pieces on the wire, the device's flash would take garbage and both records would say
// the banks arrived. The lock is a file beside the device's record, locked with flock for the
// whole of a send; the kernel releases it when the holder ends, however it ends, so a crashed
// sender never blocks the device. An flock belongs to one opening of the file, so two senders in
// one process exclude each other as well. The file names its holder for whoever is refused.
//
// A record without a folder has nowhere to keep a lock: the send then goes on unlocked, as its
// record goes on in memory only.
class SenderLock {
public:
    // Why the lock was not taken: another sender holds it, or the lock file could not be made in
    // the record's folder.
    struct Refusal {
        enum class Kind { None, Busy, Unwritable };

        Kind kind = Kind::None;
        std::string device{};  // the device's name, for a lock held by another sender
        std::string holder{};  // that sender's program, "zylox"; empty when it did not say
        std::string process{}; // and its process id, "4242"
        RecordFailure unwritable{};

        explicit operator bool() const { return kind != Kind::None; }
        // "UM-ONE:UM-ONE MIDI 1 is being sent to by zylox, process 4242", "... by another
        // program", or the record's failure; empty for none.
        std::string describe() const;
    };
    struct Taken {
        // None when refused.
        std::unique_ptr<SenderLock> lock;
        Refusal refusal;
    };

    // Takes the lock of the record's device for this program ("zylox", "zylox-editor") without
    // waiting.
    static Taken take(const DeviceRecord& record, const std::string& program);

    ~SenderLock();
    SenderLock(const SenderLock&) = delete;
    SenderLock& operator=(const SenderLock&) = delete;

private:
    explicit SenderLock(int descriptor) : m_descriptor(descriptor) {}

    // Closing the file releases the lock; -1 for a send without one.
    const int m_descriptor;
};
