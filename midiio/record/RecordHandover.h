#pragma once

#include "midiio/MidiPortIdentity.h"
#include "midiio/record/RecordFailure.h"

#include <string>
#include <vector>

// Which record a USB device sent to under a socket takes, when it has none under that socket yet.
// A record kept before sockets were told apart is taken over at once where only one present
// interface of its names could claim it; with two such present, and for a record of the same
// names under another socket that is not plugged in now (the device may have moved), the user is
// asked: taking another unit's record would make it lie about what this one holds. An answer of
// "another device" is kept as an empty record of this device, so it is not asked again.
class RecordHandover {
public:
    enum class Step { None, TakeOver, Ask };

    // What to do for the device about to be sent to, among the destinations present now.
    static RecordHandover forDevice(const std::string& folder, const MidiPortIdentity& device,
                                    const std::vector<MidiPortIdentity>& present);

    Step step() const { return m_step; }
    // The identity whose record the device may take.
    const MidiPortIdentity& from() const { return m_from; }
    // The device's name as listed among the destinations present, and from()'s among the devices
    // with a record: both tell twins on two buses apart.
    const std::string& name() const { return m_name; }
    const std::string& fromName() const { return m_fromName; }

    // Moves the record and the copy of the contents from from() to the device; false, with
    // failure() saying why, when they could not be written (the old ones then stay).
    bool takeOver(const std::string& folder, const MidiPortIdentity& device);
    // Gives the device a record of its own; false, with failure(), when it could not be written.
    bool keepApart(const std::string& folder, const MidiPortIdentity& device);
    const RecordFailure& failure() const { return m_failure; }

private:
    Step m_step = Step::None;
    MidiPortIdentity m_from;
    std::string m_name;
    std::string m_fromName;
    RecordFailure m_failure;
};
