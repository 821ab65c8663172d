#include "model/BankBase.h"

#include "content/SlotContent.h"
#include "flash/FlashEvent.h"

#include <algorithm>
#include <memory>
#include <ostream>

BankBase::BankBase(std::uint16_t index, std::string name)
    : m_index(index)
    , m_name(std::move(name))
    , m_events(kEventCount, nullptr)
{
}

BankBase::BankBase(const BankBase& source)
    : IBank(source)
    , m_index(source.m_index)
    , m_name(source.m_name)
    , m_contentLabel(source.m_contentLabel)
    , m_contentName(source.m_contentName)
    , m_events(kEventCount, nullptr)
{
    m_contents.reserve(source.m_contents.size());
    for (const SlotContent* content : source.m_contents)
        m_contents.push_back(content != nullptr ? content->clone() : nullptr);
}

BankBase::~BankBase()
{
    for (SlotContent* content : m_contents)
        delete content;
    for (FlashEvent* event : m_events)
        delete event;
}

void BankBase::deleteEvents()
{
    for (FlashEvent*& event : m_events) {
        delete event;
        event = nullptr;
    }
}

std::optional<audio::ImportResult::Refusal> BankBase::refusal(std::uint16_t, const SlotContent&) const
{
    return std::nullopt;
}

std::optional<SlotRefusal> BankBase::sendRefusal() const
{
    return std::nullopt;
}

audio::ImportResult BankBase::importContent(std::uint16_t index, SourceReader& source, const std::string& path,
                                            const audio::SoundShape& options)
{
    if (index >= m_contents.size() || m_contents[index] == nullptr)
        return audio::ImportResult::refused(audio::ImportResult::Refusal::NoSound);
    const std::unique_ptr<SlotContent> imported(m_contents[index]->clone());
    const audio::ImportResult result = imported->load(source, options);
    if (!result)
        return result;
    if (const auto why = refusal(index, *imported))
        return audio::ImportResult::refused(*why, imported->getSize());
    // The bytes change in place: events built from this content keep referring to it.
    m_contents[index]->getData().swap(imported->getData());

    std::string name(path);
    const std::size_t slash = name.rfind('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    nameSlot(index, std::move(name));
    return result;
}

bool BankBase::putSound(std::uint16_t index, std::span<const std::uint8_t> bytes, const std::string& name)
{
    if (!isSampleContent(index) || bytes.size() != m_contents[index]->getSize())
        return false;
    // In place, as an import: events built from this content keep referring to it.
    std::copy(bytes.begin(), bytes.end(), m_contents[index]->getData().begin());
    nameSlot(index, name);
    return true;
}

void BankBase::nameSlot(std::uint16_t index, std::string name)
{
    while (m_contentName.size() <= index)
        m_contentName.push_back(getContentLabel(static_cast<std::uint16_t>(m_contentName.size())));
    m_contentName[index] = std::move(name);
}

std::string BankBase::getName() const
{
    return m_name;
}

std::string BankBase::getContentLabel(std::uint16_t index) const
{
    return index < m_contentLabel.size() ? m_contentLabel[index] : std::string();
}

std::string BankBase::getContentName(std::uint16_t index) const
{
    return index < m_contentName.size() ? m_contentName[index] : std::string();
}

bool BankBase::isSampleContent(std::uint16_t index) const
{
    return index < m_contents.size() && m_contents[index] != nullptr && m_contents[index]->isSample();
}

void BankBase::setName(const char* name)
{
    m_name = name != nullptr ? name : "";
}

void BankBase::setContentName(std::uint16_t index, const char* name)
{
    if (index < m_contentName.size())
        m_contentName[index] = name != nullptr ? name : "";
}

std::uint16_t BankBase::getIndex() const
{
    return m_index;
}

void BankBase::setIndex(std::uint16_t index)
{
    m_index = index;
}

const SlotContent* BankBase::getContent(std::uint16_t index) const
{
    return index < m_contents.size() ? m_contents[index] : nullptr;
}

IBank* BankBase::cloneOf(const IBank& other) const
{
    return other.clone();
}

void BankBase::print(std::ostream& out, bool dumpData) const
{
    const std::ios_base::fmtflags flags = out.flags();
    out.flags(std::ios_base::dec);
    out << "m_index: " << m_index << std::endl;
    out << "m_name: " << m_name << std::endl;
    for (std::size_t i = 0; i < m_contentLabel.size(); ++i)
        out << "m_contentLabel[" << i << "]: " << m_contentLabel[i] << std::endl;
    for (std::size_t i = 0; i < m_contentName.size(); ++i)
        out << "m_contentName[" << i << "]: " << m_contentName[i] << std::endl;
    for (std::size_t i = 0; i < m_contents.size(); ++i) {
        out << "m_contents[" << i << "]: ";
        if (m_contents[i] != nullptr)
            m_contents[i]->print(out, dumpData);
        else
            out << "0x00000000\n";
    }
    for (std::size_t i = 0; i < m_events.size(); ++i) {
        out << "m_events[" << i << "]: ";
        if (m_events[i] != nullptr)
            m_events[i]->print(out, dumpData);
        else
            out << "0x00000000\n";
    }
    out.flags(flags);
}
