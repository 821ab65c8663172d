#pragma once

#include "model/CBank.h"

#include <cstddef>
#include <span>

// The firmware bank, index 31: the preset data and the operating system, each one prebuilt
// System Exclusive message that is sent as it is stored.
class CFirmware : public CBank {
public:
    // Builds the factory firmware bank.
    CFirmware();

    // Length of the message that opens a firmware data chunk: up to and including the chunk's first
    // 0xF7, or the whole chunk when it holds none.
    static std::size_t messageLength(std::span<const std::uint8_t> chunk);

    IBank* clone() const override;
    std::uint16_t getContentCount() const override;
    // The channel plays no part: the messages are sent as stored.
    const std::vector<CEvent*>& createEvents(std::uint16_t channel) override;
    // Takes copies of the first two messages and drops the dump, whose write events referred to
    // the replaced messages. Refused unless each is a System Exclusive message its slot accepts.
    bool setContents(const std::vector<CContent*>& contents) override;
    const std::vector<std::string>& getContentNames() const override;
    void setContentNames(const std::vector<std::string>& names) override;
    void print(std::ostream& out, bool dumpData) const override;

protected:
    // A slot holds any System Exclusive message that is no flash message, or a flash write for its
    // own block: 62 for the presets, 63 for the operating system, erased just before it is sent.
    bool accepts(std::uint16_t index, const CContent& content) const override;

private:
    CFirmware(const CFirmware& source) = default;
};
