#include "midifile/buffer.h"
#include "midifile/event.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

std::string addressOf(const void* object)
{
    std::ostringstream text;
    text << object;
    return text.str();
}

TEST(BufferDescription, NamesTheObjectButNotItsBytes)
{
    buffer empty;
    EXPECT_EQ(empty.toString(), "buffer < " + addressOf(&empty) + " > ");

    buffer full{0xF0, 0x7E, 0xF7};
    EXPECT_EQ(full.toString(), "buffer < " + addressOf(&full) + " > ");
}

TEST(EventDescription, PrintsTheOffsetInShortestForm)
{
    midi::event fresh;
    EXPECT_EQ(fresh.toString(), "midi::event < " + addressOf(&fresh) + " >\nm_offset: 0 ");

    midi::event timed;
    timed.m_offset = 0.5;
    EXPECT_TRUE(timed.toString().ends_with("m_offset: 0.5 "));
    timed.m_offset = 1e6;
    EXPECT_TRUE(timed.toString().ends_with("m_offset: 1e+06 "));

    // toString is virtual: a description through the base names the event.
    const buffer& asBuffer = timed;
    EXPECT_TRUE(asBuffer.toString().starts_with("midi::event < "));
}

TEST(EventCopy, ListCopyIsIndependentOfTheSource)
{
    midi::event source{0xF0, 0x01, 0xF7};
    source.m_offset = 3.0;
    std::vector<midi::event> list;
    list.push_back(source);

    source[1] = 0x02;
    source.push_back(0x00);
    source.m_offset = 6.0;

    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (buffer{0xF0, 0x01, 0xF7}));
    EXPECT_EQ(list[0].m_offset, 3.0);
}

TEST(EventOwnership, DestroyedThroughBaseReleasesBytes)
{
    // Under AddressSanitizer a missing virtual destructor shows up as a leak or a size mismatch.
    auto event = std::make_unique<midi::event>();
    event->assign(4096, 0x55);
    std::unique_ptr<buffer> owned = std::move(event);
    EXPECT_EQ(owned->size(), 4096u);
    owned.reset();
    EXPECT_EQ(owned, nullptr);
}

} // namespace
