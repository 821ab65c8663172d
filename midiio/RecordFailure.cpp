#include "midiio/RecordFailure.h"

#include <cstring>

std::string RecordFailure::describe() const
{
    if (error == 0)
        return {};
    return "the device record in " + folder + " could not be written (" + std::strerror(error) + ")";
}
