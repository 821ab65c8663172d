// After any open of a bank file and any import into a slot, the dump of row n addresses only row
// n's flash blocks: for every file the fuzz corpora hold, and for the valid bank files among them
// with the blocks in their messages rewritten.
#include "cli/BankSet.h"
#include "content/SlotContent.h"
#include "flash/FlashAddress.h"
#include "flash/FlashEvent.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> corpusFiles()
{
    std::vector<std::filesystem::path> files;
    for (const char* folder : {FUZZ_CORPUS_DIR, FUZZ_GENERATED_CORPUS_DIR}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
    }
    return files;
}

void expectOwnBlocksOnly(BankSet& set, const std::string& after)
{
    for (std::uint16_t row = 0; row < factory::kBankCount; ++row) {
        for (const FlashEvent* event : set.bank(row).createEvents(0)) {
            std::optional<unsigned> block = flash::writtenBlock(event->getData());
            if (!block)
                block = flash::erasedBlock(event->getData());
            if (block) {
                EXPECT_EQ(*block / 2, row) << "row " << row << " after " << after;
            }
        }
    }
}

// Positions of the block byte of every message in the file that looks like a flash write or a
// firmware message: 31 (0x40 | block) 38 after the message's length.
std::vector<std::size_t> blockBytes(const Bytes& file)
{
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i + 3 < file.size(); ++i) {
        if (file[i] == 0x31 && (file[i + 1] & 0xC0) == 0x40 && file[i + 2] == 0x38)
            positions.push_back(i + 1);
    }
    return positions;
}

TEST(BlockOwnership, EveryRowsDumpAddressesOnlyItsOwnBlocksAfterAnyOpenOrImport)
{
    ScratchFolder folder("block-ownership");
    std::vector<std::filesystem::path> files = corpusFiles();
    // Rewritten blocks: another sound bank's, the firmware's, and the channel byte of a flash write
    // taken away or given to a firmware message.
    for (const std::filesystem::path& source : corpusFiles()) {
        const Bytes original = ScratchFolder::read(source.string());
        if (original.size() > 1'000'000) // all banks: their one-bank files already have every header
            continue;
        int made = 0;
        for (const std::size_t position : blockBytes(original)) {
            for (const std::uint8_t block : {0, 9, 14, 61, 62, 63}) {
                Bytes changed = original;
                changed[position] = static_cast<std::uint8_t>(0x40 | block);
                files.emplace_back(folder.write(source.filename().string() + "." + std::to_string(made++), changed));
            }
            Bytes channel = original;
            channel[position + 2] ^= 0x20;
            files.emplace_back(folder.write(source.filename().string() + "." + std::to_string(made++), channel));
        }
    }
    ASSERT_GT(files.size(), 60u);

    const audio::SoundShape raw{true};
    for (const std::filesystem::path& file : files) {
        BankSet set;
        std::string reason;
        set.open(file.string(), std::nullopt, false, reason);
        expectOwnBlocksOnly(set, "opening " + file.string());
        const Bytes bytes = ScratchFolder::read(file.string());
        set.bank(4).importContent(0, bytes, file.string(), raw);
        set.bank(31).importContent(0, bytes, file.string(), raw);
        set.bank(31).importContent(1, bytes, file.string(), raw);
        expectOwnBlocksOnly(set, "importing " + file.string());
    }
}

} // namespace
