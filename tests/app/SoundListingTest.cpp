// Folders read in the background: names in the order people sort them, handed over in chunks,
// what each file holds in batches (only what changed when the folder is read again), and a
// listing left for another folder, or dropped, never heard from again.
#include "WaitUntil.h"

#include "app/library/SoundFileModel.h"
#include "app/library/SoundListing.h"

#include "tests/support/SoundFileFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// What one listing told, in the order it told it.
struct Heard {
    explicit Heard(SoundListing& listing)
    {
        QObject::connect(&listing, &SoundListing::listed, &context,
                         [this](const std::vector<ListedFile>& chunk, bool last) {
                             for (const ListedFile& file : chunk)
                                 listed.push_back(file.name.toStdString());
                             files.insert(files.end(), chunk.begin(), chunk.end());
                             chunks.push_back(chunk.size());
                             lasts += last ? 1 : 0;
                         });
        QObject::connect(&listing, &SoundListing::summarised, &context,
                         [this](const SoundListing::Summaries& summaries) {
                             for (const auto& [path, summary] : summaries)
                                 summarised.push_back(QDir(QFile::decodeName(path)).dirName().toStdString());
                         });
        QObject::connect(&listing, &SoundListing::finished, &context, [this] { ++finished; });
    }
    QObject context;
    Texts listed;
    std::vector<ListedFile> files;
    std::vector<std::size_t> chunks;
    int lasts = 0;
    Texts summarised;
    int finished = 0;
};

class SoundListingTest : public testing::Test {
protected:
    // Lists the folder and runs the event loop until that listing has finished.
    void listWhole(const std::string& folder, const KnownFiles& known = {})
    {
        const int finished = heard.finished;
        listing->list(QString::fromStdString(folder), known);
        waitUntil([&] { return heard.finished > finished; });
    }
    // A folder of one-byte files of the names given.
    std::string folderOf(const std::string& name, std::initializer_list<const char*> files) const
    {
        std::filesystem::create_directory(sounds.file(name));
        for (const char* file : files)
            sounds.write(name + "/" + file, {'x'});
        return sounds.file(name);
    }
    // A folder of copies of one short sound.
    std::string folderOfCopies(const std::string& name, int count) const
    {
        const std::string source = sounds.synth(name + ".wav", "-r 8000 -c 1 -b 16", "synth 0.01 sine 300");
        std::filesystem::create_directory(sounds.file(name));
        for (int copy = 0; copy < count; ++copy)
            std::filesystem::copy_file(source, sounds.file(name + "/" + std::to_string(copy) + ".wav"));
        return sounds.file(name);
    }

    const SoundFileFolder sounds;
    std::unique_ptr<SoundListing> listing = std::make_unique<SoundListing>();
    Heard heard{*listing};
};

TEST_F(SoundListingTest, NamesComeInThePeoplesOrderAndEveryFileIsSummarisedOnce)
{
    listWhole(
        folderOf("takes", {"take 10.wav", "Take 3.WAV", "take 2.wav", "take 02b.flac", "take.aiff", "notes.txt"}));
    EXPECT_EQ(heard.listed, (Texts{"take 2.wav", "take 02b.flac", "Take 3.WAV", "take 10.wav", "take.aiff"}));
    EXPECT_EQ(heard.summarised, heard.listed);
    EXPECT_EQ(heard.lasts, 1);
}

TEST_F(SoundListingTest, ManyFilesComeInChunksTheLastMarkedAndListedAgainOnlyWhatChangedIsRead)
{
    const std::string many = folderOfCopies("many", 450);
    listWhole(many);
    ASSERT_EQ(heard.listed.size(), 450u);
    EXPECT_GT(heard.chunks.size(), 1u) << "450 files go to the window in more than one piece";
    EXPECT_EQ(heard.lasts, 1);
    EXPECT_EQ(heard.summarised, heard.listed);

    // Read again knowing all but two: one changed since, one new.
    KnownFiles known;
    for (int file = 0; file < 450; ++file) {
        const std::string path = many + "/" + std::to_string(file) + ".wav";
        known.insert(QByteArray::fromStdString(path), *fileStampOf(path));
    }
    known.remove(QByteArray::fromStdString(many + "/7.wav"));
    known[QByteArray::fromStdString(many + "/9.wav")].modified -= 1000000000;
    heard.listed.clear();
    heard.summarised.clear();
    listWhole(many, known);
    EXPECT_EQ(heard.listed.size(), 450u);
    EXPECT_EQ(heard.summarised, (Texts{"7.wav", "9.wav"}));
}

TEST_F(SoundListingTest, EveryFileNamedLikeASoundIsListedWhateverItsNameBytesOnlyFilesAndNotHidden)
{
    const std::string odd = folderOf("odd", {"kick.wav", "\xff\xfe kick.wav", ".hidden.wav", "text.txt"});
    std::filesystem::create_directory(odd + "/folder.wav");
    listWhole(odd);
    const std::vector<ListedFile>& files = heard.files;
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "kick.wav");
    EXPECT_TRUE(files[0].nameIsUtf8);
    EXPECT_EQ(files[1].name, "\uFFFD\uFFFD kick.wav");
    EXPECT_FALSE(files[1].nameIsUtf8);
    // Reached by its own bytes, which no text of the window could give back.
    EXPECT_EQ(files[1].path.toStdString(), sounds.file("odd/\xff\xfe kick.wav"));
    EXPECT_EQ(files[1].stamp.size, 1u);
}

TEST_F(SoundListingTest, AListingLeftForAnotherFolderOrDroppedIsNeverHeardFromAgain)
{
    const std::string many = folderOfCopies("many", 400);
    const std::string few = folderOfCopies("few", 3);
    // Left at once for the next folder: a listing started always names its files, and the names
    // of the one left must not reach the window, even after the next has ended.
    listing->list(QString::fromStdString(many));
    listWhole(few);
    EXPECT_EQ(heard.listed, (Texts{"0.wav", "1.wav", "2.wav"}));
    listWhole(many);
    ASSERT_EQ(heard.listed.size(), 403u);
    EXPECT_EQ(heard.summarised, heard.listed);

    // Dropped half way through a folder: the window hears nothing more of it.
    listing->list(QString::fromStdString(many));
    waitUntil([&] { return heard.listed.size() == 803; });
    // (On a fast machine its headers may all have arrived by then: nothing more comes either way.)
    const std::size_t before = heard.summarised.size();
    const int finished = heard.finished;
    listing.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(heard.summarised.size(), before);
    EXPECT_EQ(heard.finished, finished);
}

TEST(SoundFileModel, LengthsRatesAndChannelsReadAsMusiciansWriteThem)
{
    EXPECT_EQ(SoundFileModel::lengthText(0.4), "0.40 s");
    EXPECT_EQ(SoundFileModel::lengthText(59.994), "59.99 s");
    // Never "60.00 s": past the minute it counts minutes.
    EXPECT_EQ(SoundFileModel::lengthText(59.996), "1:00.0");
    EXPECT_EQ(SoundFileModel::lengthText(65.26), "1:05.3");
    EXPECT_EQ(SoundFileModel::lengthText(3725.0), "62:05.0");
    EXPECT_EQ(SoundFileModel::rateText(44100), "44.1 kHz");
    EXPECT_EQ(SoundFileModel::rateText(8000), "8 kHz");
    EXPECT_EQ(SoundFileModel::rateText(11025), "11.025 kHz");
    EXPECT_EQ(SoundFileModel::channelsText(1), "mono");
    EXPECT_EQ(SoundFileModel::channelsText(2), "stereo");
    EXPECT_EQ(SoundFileModel::channelsText(6), "6 channels");
}

} // namespace
