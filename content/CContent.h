#pragma once

#include "audio/ImportOptions.h"
#include "audio/ImportResult.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <vector>

// The bytes of one bank slot: a sample in the device format or a whole System Exclusive message.
// Contents are copied only through clone; whoever gets one from clone or a constructor owns it.
class CContent {
public:
    virtual ~CContent() = default;
    CContent& operator=(const CContent&) = delete;

    virtual CContent* clone() const = 0;
    // Replaces the bytes from a file's bytes, read once by the caller, and says what it did; when
    // nothing was imported the bytes are unchanged. fileSize is the whole file's where source holds
    // only its first bytes (0: source is the whole file).
    virtual audio::ImportResult load(std::span<const std::uint8_t> source, const audio::ImportOptions& options,
                                     std::uint64_t fileSize = 0)
        = 0;
    // The most bytes of a file that load can use: the caller reads no more.
    virtual std::size_t sourceLimit() const = 0;
    virtual bool isSample() const = 0;
    virtual void print(std::ostream& out, bool dumpData) const;
    virtual CContent* cloneOf(const CContent& other) const = 0;

    std::vector<std::uint8_t>& getData() { return m_data; }
    const std::vector<std::uint8_t>& getData() const { return m_data; }
    std::size_t getSize() const { return m_data.size(); }

protected:
    CContent() = default;
    CContent(const std::uint8_t* bytes, std::size_t length);
    CContent(const CContent& source) = default;

    std::vector<std::uint8_t> m_data;
};
