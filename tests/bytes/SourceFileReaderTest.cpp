#include "bytes/SourceFileReader.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace {

Bytes readAt(SourceReader& source, std::uint64_t offset, std::size_t count)
{
    Bytes bytes(count);
    bytes.resize(source.readAt(offset, bytes));
    return bytes;
}

Bytes numbered(std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return bytes;
}

TEST(SourceFileReader, ARegularFileIsReadAtAnyOffsetAndCountsOnlyWhatItRead)
{
    ScratchFolder folder("source-reader");
    const Bytes large = numbered(3'000'000);
    SourceFileReader file(folder.write("large", large));
    ASSERT_EQ(file.error(), 0);
    EXPECT_TRUE(file.seekable());
    EXPECT_EQ(file.size(), large.size());
    EXPECT_EQ(readAt(file, 2'500'000, 10), Bytes(large.begin() + 2'500'000, large.begin() + 2'500'010));
    EXPECT_EQ(readAt(file, 12, 4), Bytes(large.begin() + 12, large.begin() + 16));
    // Past the end: what there is, then nothing.
    EXPECT_EQ(readAt(file, large.size() - 3, 10), Bytes(large.end() - 3, large.end()));
    EXPECT_TRUE(readAt(file, large.size() + 5, 10).empty());
    EXPECT_EQ(file.bytesRead(), 17u);
}

TEST(SourceFileReader, AStreamIsReadForwardKeepingItsHeadToBeReadAgain)
{
    ScratchFolder folder("source-reader");
    // /proc/self/cmdline says 0 bytes and holds some; /dev/zero never ends.
    std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
    const Bytes ownCommand{std::istreambuf_iterator<char>(cmdline), {}};
    SourceFileReader proc("/proc/self/cmdline");
    EXPECT_FALSE(proc.seekable());
    EXPECT_EQ(readAt(proc, 0, 1 << 20), ownCommand);

    SourceFileReader zero("/dev/zero");
    EXPECT_FALSE(zero.seekable());
    EXPECT_EQ(readAt(zero, 100, 4), Bytes(4, 0));
    // Skipped bytes count as read; the head is read again from memory, behind the position.
    EXPECT_EQ(zero.bytesRead(), 104u);
    EXPECT_EQ(readAt(zero, 0, 8), Bytes(8, 0));
    EXPECT_EQ(zero.bytesRead(), 104u);
    EXPECT_EQ(readAt(zero, SourceFileReader::kStreamHeadBytes + 10, 2).size(), 2u);
    // Once past the head, what lies between it and the position is gone.
    EXPECT_EQ(readAt(zero, SourceFileReader::kStreamHeadBytes - 2, 4).size(), 2u);
    EXPECT_TRUE(readAt(zero, SourceFileReader::kStreamHeadBytes + 1, 4).empty());
    EXPECT_EQ(zero.size(), SourceFileReader::kStreamHeadBytes + 12);

    // Without a writer a FIFO reads as empty at once rather than waiting for one.
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    SourceFileReader waiting(fifo);
    EXPECT_EQ(waiting.error(), 0);
    EXPECT_TRUE(readAt(waiting, 0, 10).empty());

    EXPECT_EQ(SourceFileReader(folder.file("missing")).error(), ENOENT);
    SourceFileReader folderItself(folder.path().string());
    EXPECT_EQ(folderItself.error(), EISDIR);
    EXPECT_TRUE(readAt(folderItself, 0, 10).empty());
}

TEST(SourceFileReader, BytesUpToALimitGrowWithWhatArrives)
{
    ScratchFolder folder("source-reader");
    const Bytes large = numbered(300'001);
    SourceFileReader file(folder.write("large", large));
    EXPECT_EQ(file.bytesUpTo(1'000'000), large);
    SourceFileReader again(folder.file("large"));
    EXPECT_EQ(again.bytesUpTo(200'000), Bytes(large.begin(), large.begin() + 200'000));
    SourceFileReader zero("/dev/zero");
    EXPECT_EQ(zero.bytesUpTo(100'000).size(), 100'000u);
}

} // namespace
