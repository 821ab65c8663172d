#include "midiio/record/RecordFailure.h"

Text RecordFailure::text() const
{
    if (!cause)
        return {};
    switch (subject) {
    case Subject::Record:
        break;
    case Subject::Copy:
        //: The file that keeps a copy of what the device holds, then why it could not be written
        return {ZYLOX_TR("RecordFailure", "the copy of the device's contents %1 could not be written (%2)"),
                {file, cause.text()}};
    case Subject::Lock:
        //: The file that senders to the device lock, then why it could not be opened
        return {ZYLOX_TR("RecordFailure", "the device's lock %1 could not be opened (%2)"), {file, cause.text()}};
    }
    //: The device record's file, then why it could not be written
    return {ZYLOX_TR("RecordFailure", "the device record %1 could not be written (%2)"), {file, cause.text()}};
}
