#include "midiio/record/RecordHandover.h"

#include "midiio/MidiDestinations.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceRecord.h"

#include <algorithm>
#include <filesystem>

namespace {

bool holds(const std::vector<MidiPortIdentity>& identities, const MidiPortIdentity& identity)
{
    return std::find(identities.begin(), identities.end(), identity) != identities.end();
}

} // namespace

RecordHandover RecordHandover::forDevice(const std::string& folder, const MidiPortIdentity& device,
                                         const std::vector<MidiPortIdentity>& present)
{
    RecordHandover handover;
    handover.m_name = MidiDestinations::nameAmong(present, device);
    if (folder.empty() || device.location.empty())
        return handover;
    const std::vector<MidiPortIdentity> recorded = DeviceRecord::recorded(folder);
    if (holds(recorded, device))
        return handover;
    if (holds(recorded, device.withoutLocation())) {
        const auto claimants = std::count_if(present.begin(), present.end(), [&](const MidiPortIdentity& other) {
            return other.sameNamesAs(device) && !other.location.empty();
        });
        handover.m_step = claimants <= 1 ? Step::TakeOver : Step::Ask;
        handover.m_from = device.withoutLocation();
        handover.m_fromName = MidiDestinations::nameAmong(recorded, handover.m_from);
        return handover;
    }
    // A record under another socket whose interface is plugged in now belongs to that one.
    const auto moved = std::find_if(recorded.begin(), recorded.end(), [&](const MidiPortIdentity& other) {
        return other.sameNamesAs(device) && !other.location.empty() && !holds(present, other);
    });
    if (moved != recorded.end()) {
        handover.m_step = Step::Ask;
        handover.m_from = *moved;
        handover.m_fromName = MidiDestinations::nameAmong(recorded, handover.m_from);
    }
    return handover;
}

bool RecordHandover::takeOver(const std::string& folder, const MidiPortIdentity& device)
{
    DeviceRecord record(folder, m_from);
    // Read while the record still has its old identity, which the copy's file names.
    DeviceContents contents(record);
    const std::string oldRecord = record.path();
    const std::string oldContents = record.contentsPath();
    std::error_code error;
    const bool hadContents = std::filesystem::exists(oldContents, error);
    if (!record.renameTo(device)) {
        m_failure = record.failure();
        return false;
    }
    if (hadContents && !contents.rewrite()) {
        m_failure = contents.failure();
        std::filesystem::remove(record.path(), error);
        return false;
    }
    std::filesystem::remove(oldRecord, error);
    std::filesystem::remove(oldContents, error);
    m_step = Step::None;
    return true;
}

bool RecordHandover::keepApart(const std::string& folder, const MidiPortIdentity& device)
{
    DeviceRecord record(folder, device);
    if (!record.keep()) {
        m_failure = record.failure();
        return false;
    }
    m_step = Step::None;
    return true;
}
