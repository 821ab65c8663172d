#include "midiio/record/RecordFailure.h"

std::string RecordFailure::describe() const
{
    if (!cause)
        return {};
    const std::string why = " (" + cause.describe() + ")";
    switch (subject) {
    case Subject::Record:
        break;
    case Subject::Copy:
        return "the copy of the device's contents " + file + " could not be written" + why;
    case Subject::Lock:
        return "the device's lock " + file + " could not be opened" + why;
    }
    return "the device record " + file + " could not be written" + why;
}
