#include "midifile/SourceFile.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <tuple>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SourceFile, ReadsOnceAtMostItsLimitFromFilesDevicesAndFifos)
{
    ScratchFolder folder("source-file");
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Bytes large(200001);
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<std::uint8_t>(i * 7);
    // A regular file whose size says 0 while it holds bytes: the size is where reading starts, not
    // where it ends.
    std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
    const Bytes ownCommand{std::istreambuf_iterator<char>(cmdline), {}};
    ASSERT_FALSE(ownCommand.empty());
    // Path, limit, error, bytes read.
    const std::tuple<std::string, std::size_t, int, Bytes> cases[] = {
        {folder.write("four", {1, 2, 3, 4}), 5, 0, {1, 2, 3, 4}},
        {folder.file("four"), 3, 0, {1, 2, 3}},
        {folder.write("empty", {}), 3, 0, {}},
        {folder.write("large", large), large.size(), 0, large},
        {folder.file("large"), 150000, 0, Bytes(large.begin(), large.begin() + 150000)},
        {"/proc/self/cmdline", 4096, 0, ownCommand},
        {"/dev/zero", 200000, 0, Bytes(200000, 0)},
        // Without a writer a FIFO is empty at once rather than waited on.
        {fifo, 10, 0, {}},
        {folder.file("missing"), 10, ENOENT, {}},
        {folder.path().string(), 10, EISDIR, {}},
    };
    for (const auto& [path, limit, error, bytes] : cases) {
        SCOPED_TRACE(path + " limit " + std::to_string(limit));
        const SourceFile source(path, limit);
        EXPECT_EQ(source.error(), error);
        EXPECT_EQ(Bytes(source.bytes().begin(), source.bytes().end()), bytes);
    }
}

TEST(SourceFile, ReadsOfARegularFileOnlyWhatItsHeadSaysIsNeeded)
{
    ScratchFolder folder("source-file");
    Bytes large(200001);
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<std::uint8_t>(i * 7);
    const std::string path = folder.write("large", large);
    std::size_t headSize = 0;
    const auto needs = [&headSize](std::uint64_t count) {
        return [&headSize, count](std::span<const std::uint8_t> head) {
            headSize = head.size();
            return count;
        };
    };
    const SourceFile part(path, 300000, needs(70000));
    EXPECT_EQ(headSize, 65536u);
    EXPECT_EQ(Bytes(part.bytes().begin(), part.bytes().end()), Bytes(large.begin(), large.begin() + 70000));
    EXPECT_EQ(part.fileSize(), 200001u);
    // The head is kept whatever the judge says; the limit stands over it.
    EXPECT_EQ(SourceFile(path, 300000, needs(10)).bytes().size(), 65536u);
    EXPECT_EQ(SourceFile(path, 100000, needs(UINT64_MAX)).bytes().size(), 100000u);
    const SourceFile whole(path, 300000, needs(UINT64_MAX));
    EXPECT_EQ(Bytes(whole.bytes().begin(), whole.bytes().end()), large);
    EXPECT_EQ(whole.fileSize(), 200001u);
    // A stream is read as far as the limit: what it held cannot be read again.
    headSize = 0;
    const SourceFile zeros("/dev/zero", 100000, needs(10));
    EXPECT_EQ(zeros.bytes().size(), 100000u);
    EXPECT_EQ(zeros.fileSize(), 100000u);
    EXPECT_EQ(headSize, 0u);
}

} // namespace
