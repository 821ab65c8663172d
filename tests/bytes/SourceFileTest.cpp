#include "bytes/SourceFile.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <tuple>

namespace {

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

} // namespace
