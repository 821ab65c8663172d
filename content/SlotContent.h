#pragma once

#include "audio/ImportResult.h"
#include "audio/SoundShape.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <vector>

class SourceReader;

// The bytes of one bank slot: a sample in the device format or a whole System Exclusive message.
// Contents are copied only through clone; whoever gets one from clone or a constructor owns it.
class SlotContent {
public:
    virtual ~SlotContent() = default;
    SlotContent& operator=(const SlotContent&) = delete;

    virtual SlotContent* clone() const = 0;
    // Replaces the bytes from a file, read where the content needs it, and says what it did; when
    // nothing was imported the bytes are unchanged.
    virtual audio::ImportResult load(SourceReader& source, const audio::SoundShape& options) = 0;
    // The same of a whole file's bytes in memory.
    audio::ImportResult load(std::span<const std::uint8_t> source, const audio::SoundShape& options);
    // The most bytes of a file that load uses of its start, where the file is held in memory.
    virtual std::size_t sourceLimit() const = 0;
    virtual bool isSample() const = 0;
    virtual void print(std::ostream& out, bool dumpData) const;
    virtual SlotContent* cloneOf(const SlotContent& other) const = 0;

    std::vector<std::uint8_t>& getData() { return m_data; }
    const std::vector<std::uint8_t>& getData() const { return m_data; }
    std::size_t getSize() const { return m_data.size(); }

protected:
    SlotContent() = default;
    SlotContent(const std::uint8_t* bytes, std::size_t length);
    SlotContent(const SlotContent& source) = default;

    std::vector<std::uint8_t> m_data;
};
