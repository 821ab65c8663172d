// The browser's list kept up with its folder: whatever files come and go between two readings of
// it, the list ends as the folder is, keeps what it read of the files that did not change, and
// tells its views of every row it takes in or out so that a row chosen stays on its file.
#include "app/library/SoundFileModel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// The folder's files as the listing hands them over, already in its order: "000.wav" to "099.wav".
ListedFile listed(std::size_t file, std::int64_t modified)
{
    ListedFile listed;
    listed.name = QStringLiteral("%1.wav").arg(file, 3, 10, QLatin1Char('0'));
    listed.path = "/sounds/" + listed.name.toUtf8();
    listed.stamp = {100, modified};
    return listed;
}

audio::SoundSummary sound(std::size_t file)
{
    return {audio::SoundSummary::Kind::Sound, file + 1, 44100.0, 1};
}

TEST(SoundFileModel, AFolderReadAgainEndsAsTheFolderIsKeepingWhatWasReadOfUnchangedFiles)
{
    std::mt19937 random(515);
    for (int round = 0; round < 60; ++round) {
        SoundFileModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        std::vector<ListedFile> before;
        std::vector<ListedFile> after;
        std::vector<bool> read(100);
        std::vector<bool> changed(100);
        for (std::size_t file = 0; file < 100; ++file) {
            if (random() % 3 != 0)
                before.push_back(listed(file, 1));
            changed[file] = random() % 8 == 0;
            if (random() % 3 != 0)
                after.push_back(listed(file, changed[file] ? 2 : 1));
        }
        // Taken in by chunks, and partly read, as the first reading left it.
        for (std::size_t from = 0; from < before.size(); from += 7)
            model.append({before.begin() + from, before.begin() + std::min(before.size(), from + 7)});
        std::vector<std::pair<QByteArray, audio::SoundSummary>> summaries;
        std::vector<std::pair<QPersistentModelIndex, QByteArray>> chosen;
        for (std::size_t row = 0; row < before.size(); ++row) {
            if (random() % 2 == 0) {
                const std::size_t file = before[row].name.left(3).toULong();
                summaries.emplace_back(before[row].path, sound(file));
                read[file] = true;
            }
            chosen.emplace_back(model.index(row, SoundFileModel::Name), before[row].path);
        }
        model.setSummaries(summaries);

        model.merge(after);
        ASSERT_EQ(model.rowCount(), static_cast<int>(after.size()));
        for (std::size_t row = 0; row < after.size(); ++row) {
            const std::size_t file = after[row].name.left(3).toULong();
            ASSERT_EQ(model.file(row), after[row].path);
            EXPECT_EQ(model.data(model.index(row, SoundFileModel::Length), Qt::DisplayRole).toString(),
                      read[file] && !changed[file] ? SoundFileModel::lengthText(sound(file).seconds())
                                                   : QStringLiteral("\u2026"));
        }
        EXPECT_EQ(model.rowOf(after.empty() ? QByteArray("none") : after.back().path),
                  after.empty() ? -1 : static_cast<int>(after.size()) - 1);
        // A row chosen before stays on its file, or is gone with it.
        for (const auto& [index, path] : chosen) {
            const bool stays = std::ranges::find(after, path, &ListedFile::path) != after.end();
            ASSERT_EQ(index.isValid(), stays);
            if (stays) {
                EXPECT_EQ(model.file(index.row()), path);
            }
        }
    }
}

} // namespace
