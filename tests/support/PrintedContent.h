#pragma once

#include "content/SlotContent.h"

#include <sstream>
#include <string>

// An address as print writes it: in the stream's default pointer format.
inline std::string addressOf(const void* object)
{
    std::ostringstream text;
    text << object;
    return text.str();
}

// What a content's print writes before its hex dump ("SysexMessage" or "DeviceSample").
inline std::string printedContent(const char* className, const SlotContent& content)
{
    return std::string(className) + " <" + addressOf(&content) + ">:\nm_data: $" + addressOf(content.getData().data())
           + "\tsize: " + std::to_string(content.getSize()) + "\n";
}
