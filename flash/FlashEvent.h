#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

class SlotContent;

// One flash protocol message and the pause to wait before sending it. Events are never copied.
class FlashEvent {
public:
    virtual ~FlashEvent() = default;
    FlashEvent(const FlashEvent&) = delete;
    FlashEvent& operator=(const FlashEvent&) = delete;

    virtual void print(std::ostream& out, bool dumpData) const;

    // Pause before sending, in whole seconds.
    std::uint64_t getOffset() const { return m_offset; }
    SlotContent* getMessage() const { return m_message; }
    // Need a message to be present.
    const std::vector<std::uint8_t>& getData() const;
    std::size_t getSize() const;

protected:
    FlashEvent(SlotContent* message, std::uint64_t offset);

    std::uint64_t m_offset;
    SlotContent* m_message;
};
