#pragma once

#include "model/BankBase.h"

#include <cstddef>
#include <span>

// The firmware bank, index 31: the preset data and the operating system, each one prebuilt
// System Exclusive message that is sent as it is stored.
class FirmwareBank : public BankBase {
public:
    // Builds the factory firmware bank.
    FirmwareBank();

    // Length of the message that opens a firmware data chunk: up to and including the chunk's first
    // 0xF7, or the whole chunk when it holds none.
    static std::size_t messageLength(std::span<const std::uint8_t> chunk);

    IBank* clone() const override;
    std::uint16_t getContentCount() const override;
    // The channel plays no part: the messages are sent as stored.
    const std::vector<FlashEvent*>& createEvents(std::uint16_t channel) override;
    // Takes copies of the first two messages and drops the dump, whose write events referred to
    // the replaced messages. Refused unless each is a System Exclusive message that is neither an
    // erase nor a write for another block: the rule bank files were saved under before the slots
    // took only what a send can use.
    bool setContents(const std::vector<SlotContent*>& contents) override;
    // The first slot whose message a send could not put into its block.
    std::optional<SlotRefusal> sendRefusal() const override;
    const std::vector<std::string>& getContentNames() const override;
    void setContentNames(const std::vector<std::string>& names) override;
    void print(std::ostream& out, bool dumpData) const override;

    // The shortest message a slot takes: anything shorter is no block's data.
    static constexpr std::size_t kShortestMessage = 1024;
    // How a slot's factory message begins, its first kFormLength bytes: F0 31 40 38 00 for the
    // presets, F0 31 7F 38 10 for the operating system. Empty past the last slot.
    static std::span<const std::uint8_t> factoryForm(std::uint16_t slot);
    static constexpr std::size_t kFormLength = 5;

protected:
    // A slot holds one System Exclusive message in the device's own form that a send can put into
    // its block (62 for the presets, 63 for the operating system, erased just before it is sent):
    // 1,024 to 131,078 bytes, no erase, no write built for another block, and not the other slot's
    // message, which writes the other block.
    std::optional<audio::ImportResult::Refusal> refusal(std::uint16_t index, const SlotContent& content) const override;

private:
    FirmwareBank(const FirmwareBank& source) = default;
    static bool belongsToItsBlock(std::uint16_t index, const std::vector<std::uint8_t>& message);
};
