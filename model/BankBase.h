#pragma once

#include "model/IBank.h"

#include <optional>

// What sound banks and the firmware bank share: index, names, owned slot contents and the four
// events of the last dump.
class BankBase : public IBank {
public:
    ~BankBase() override;

    audio::ImportResult importContent(std::uint16_t index, SourceReader& source, const std::string& path,
                                      const audio::SoundShape& options) override;
    using IBank::importContent;
    bool putSound(std::uint16_t index, std::span<const std::uint8_t> bytes, const std::string& name) override;
    std::string getName() const override;
    std::string getContentLabel(std::uint16_t index) const override;
    std::string getContentName(std::uint16_t index) const override;
    bool isSampleContent(std::uint16_t index) const override;
    void setName(const char* name) override;
    void setContentName(std::uint16_t index, const char* name) override;
    std::uint16_t getIndex() const override;
    void setIndex(std::uint16_t index) override;
    // The part of the description common to all banks; subclasses write their header first.
    void print(std::ostream& out, bool dumpData) const override;
    IBank* cloneOf(const IBank& other) const override;
    const SlotContent* getContent(std::uint16_t index) const override;
    std::optional<SlotRefusal> sendRefusal() const override;

protected:
    static constexpr std::size_t kEventCount = 4;

    explicit BankBase(std::uint16_t index, std::string name);
    // Copies index, name, labels and names, clones every content; the events start out null.
    BankBase(const BankBase& source);

    void deleteEvents();
    // A bank given too few names still gets the name of the slot that took new bytes.
    void nameSlot(std::uint16_t index, std::string name);
    // Why a slot may not hold the content an import made for it; none when it may.
    virtual std::optional<audio::ImportResult::Refusal> refusal(std::uint16_t index, const SlotContent& content) const;

    std::uint16_t m_index;
    std::string m_name;
    std::vector<std::string> m_contentLabel;
    std::vector<std::string> m_contentName;
    std::vector<SlotContent*> m_contents;
    std::vector<FlashEvent*> m_events;
};
