#pragma once

#include "model/BankBase.h"

// A sound bank, index 0 to 30: six sample slots that fill the bank's two flash blocks.
class SoundBank : public BankBase {
public:
    // Builds sound bank index (0 to 30) from the factory data.
    explicit SoundBank(std::uint16_t index);

    IBank* clone() const override;
    std::uint16_t getContentCount() const override;
    const std::vector<FlashEvent*>& createEvents(std::uint16_t channel) override;
    // Takes the index and all six samples from a sound bank's two flash write messages, of
    // 131,078 bytes each, for its blocks 2n and 2n+1 in that order.
    bool setContents(const std::vector<SlotContent*>& contents) override;
    const std::vector<std::string>& getContentNames() const override;
    void setContentNames(const std::vector<std::string>& names) override;
    void print(std::ostream& out, bool dumpData) const override;

private:
    SoundBank(const SoundBank& source) = default;

    // Decodes a flash write message into the slots from firstSlot on, until its data area is used.
    void decodeFlashWrite(const SlotContent& message, std::uint16_t firstSlot);
};
