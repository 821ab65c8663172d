#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibrarySearch.h"
#include "soundlibrary/SqlStatement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>

using namespace soundlibrary;
using Order = SearchQuery::Order;

namespace {

// A file as analysis leaves it, written straight into the index.
struct Row {
    std::string folder; // under /lib/
    std::string name;
    double seconds = 0.5;
    double leadIn = 0.0;
    double rate = 44100.0;
    int channels = 1;
    double centroid = 1000.0;
    int kind = 1;
};

class LibrarySearchTest : public ::testing::Test {
protected:
    void add(const Row& row)
    {
        SqlStatement insert(
            database.connection(),
            "INSERT INTO files(root, path, folder, name, utf8, format, size, mtime, kind, seconds, "
            "rate, channels, lead_in, centroid) VALUES ('/lib', ?, ?, ?, 1, ?, 1, 1, ?, ?, ?, ?, ?, ?)");
        insert.bindBytes(0, "/lib/" + row.folder + "/" + row.name);
        insert.bind(1, "lib/" + row.folder);
        insert.bind(2, row.name);
        insert.bind(3, row.name.substr(row.name.rfind('.') + 1));
        insert.bind(4, std::int64_t{row.kind});
        if (row.kind == 1) {
            insert.bind(5, row.seconds);
            insert.bind(6, row.rate);
            insert.bind(7, std::int64_t{row.channels});
            insert.bind(8, row.leadIn);
            insert.bind(9, row.centroid);
        }
        ASSERT_TRUE(insert.run());
    }

    std::vector<std::string> names(SearchQuery query)
    {
        LibrarySearch search(database);
        std::vector<std::string> found;
        for (const LibraryEntry& entry : search.find(query))
            found.push_back(entry.name);
        EXPECT_EQ(search.failure(), "") << query.text;
        return found;
    }

    std::vector<std::string> sortedNames(const SearchQuery& query)
    {
        std::vector<std::string> found = names(query);
        std::sort(found.begin(), found.end());
        return found;
    }

    LibraryFolder folder;
    LibraryDatabase database{folder.indexPath()};
};

// Lower-case words of ASCII letters and digits.
std::vector<std::string> wordsOf(const std::string& text)
{
    std::vector<std::string> words(1);
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            words.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

SearchQuery ask(const std::function<void(SearchQuery&)>& set)
{
    SearchQuery query;
    set(query);
    return query;
}

SearchQuery typed(const std::string& text)
{
    SearchQuery query;
    query.text = text;
    return query;
}

} // namespace

// Typed words in any case and spacing, then random text full of the full-text syntax's operators:
// never an error, and what it finds is exactly the files every word of it begins a word of.
TEST_F(LibrarySearchTest, EveryTypedWordBeginsAWordOfTheNameOrFolderAndOperatorsAreOnlyText)
{
    const std::vector<Row> rows{{"Claps", "bright clap 03.wav"}, {"Near", "not and.wav"},
                                {"Kicks", "or near kick-2.wav"}, {"Hats", "col:on \"hat\".wav"},
                                {"Toms", "tom (low) ^1.wav"},    {"Snares", "snare*.wav"}};
    for (const Row& row : rows)
        add(row);
    const std::vector<std::string> pieces{"\"", "*",   "NEAR", "near", "-", ":",  "(", ")",   "^", "+", "AND",
                                          "OR", "NOT", " ",    "  ",   "c", "cl", "k", "n",   "a", "h", "t",
                                          "1",  "2",   "{",    "}",    ",", "'",  ";", "wav", "s"};
    std::vector<std::string> texts{"clap br", "  CLAP   Br  ", "claps", "c", "lap", ""};
    std::mt19937 random(31);
    for (int round = 0; round < 1500; ++round) {
        std::string& text = texts.emplace_back();
        for (unsigned i = random() % 7; i > 0; --i)
            text += pieces[random() % pieces.size()];
    }
    for (const std::string& text : texts) {
        std::vector<std::string> expected;
        const std::vector<std::string> asked = wordsOf(text);
        for (const Row& row : rows) {
            const std::vector<std::string> words = wordsOf("lib/" + row.folder + " " + row.name);
            const auto begins = [&words](const std::string& start) {
                return std::any_of(words.begin(), words.end(),
                                   [&](const std::string& w) { return w.starts_with(start); });
            };
            if (std::all_of(asked.begin(), asked.end(), begins))
                expected.push_back(row.name);
        }
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(sortedNames(typed(text)), expected) << text;
    }
    // Bytes that are not UTF-8 are no error either, but stand between words.
    EXPECT_EQ(names(typed("cl\xFF\xFE")), std::vector<std::string>{"bright clap 03.wav"});
    // The table is whole after all of it.
    EXPECT_EQ(names({}).size(), rows.size());
}

TEST_F(LibrarySearchTest, FiltersAMusicianNeeds)
{
    add({"Claps", "long clap.wav", 0.6});
    add({"Claps", "late clap.wav", 0.6, 0.2}); // 0.4 s once its lead-in is past
    add({"Claps", "short clap.aiff", 0.2, 0.0, 22050.0, 2});
    add({"Claps", "not analysed.wav", 0.0, 0.0, 0.0, 0, 0.0, 0});
    add({"Claps 2", "other clap.wav", 0.1, 0.0, 96000.0});
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) { q.longestSeconds = 0.5; })),
              (std::vector<std::string>{"late clap.wav", "other clap.wav", "short clap.aiff"}));
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) {
                  q.formats = {"aiff", "flac"};
              })),
              std::vector<std::string>{"short clap.aiff"});
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) { q.channels = 2; })), std::vector<std::string>{"short clap.aiff"});
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) {
                  q.lowestRate = 44100.0;
                  q.highestRate = 48000.0;
              })),
              (std::vector<std::string>{"late clap.wav", "long clap.wav"}));
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) { q.folder = "/lib/Claps"; })).size(), 4u);
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) { q.folder = "/lib/Claps 2/"; })),
              std::vector<std::string>{"other clap.wav"});
    EXPECT_EQ(sortedNames(ask([](SearchQuery& q) {
                  q.text = "clap";
                  q.longestSeconds = 0.3;
                  q.formats = {"wav"};
              })),
              std::vector<std::string>{"other clap.wav"});
}

TEST_F(LibrarySearchTest, SortsByRelevanceLengthOrBrightness)
{
    add({"Kicks", "snare.wav", 0.3, 0.0, 44100.0, 1, 3000.0});
    add({"Snares", "kick.wav", 0.9, 0.7, 44100.0, 1, 200.0}); // 0.2 s after its lead-in
    add({"Snares", "tom.wav", 0.25, 0.0, 44100.0, 1, 900.0});
    add({"Snares", "not analysed.wav", 0.0, 0.0, 0.0, 0, 0.0, 0});
    // A word of the name counts for more than one of the folder.
    EXPECT_EQ(names(typed("kick")), (std::vector<std::string>{"kick.wav", "snare.wav"}));
    EXPECT_EQ(names(ask([](SearchQuery& q) { q.order = Order::Length; })),
              (std::vector<std::string>{"kick.wav", "tom.wav", "snare.wav", "not analysed.wav"}));
    EXPECT_EQ(names(ask([](SearchQuery& q) { q.order = Order::Brightness; })),
              (std::vector<std::string>{"snare.wav", "tom.wav", "kick.wav", "not analysed.wav"}));
    EXPECT_EQ(names(ask([](SearchQuery& q) {
                  q.order = Order::Brightness;
                  q.limit = 2;
              })),
              (std::vector<std::string>{"snare.wav", "tom.wav"}));
}

// bm25 weighs a word that most files hold at nothing, so such a text lists its files as no text does:
// by folder and name, or in the order asked for. A few rows of many are found by walking that order
// and testing each file: the same rows as sorting every match gives.
TEST_F(LibrarySearchTest, ATextMostFilesMatchKeepsTheOrderOfNoText)
{
    add({"Kit 2", "kick long.wav", 0.3, 0.0, 44100.0, 1, 500.0});
    add({"Kit 1", "snare.wav", 0.3, 0.0, 44100.0, 1, 3000.0});
    add({"Kit 1", "kick.wav", 0.3, 0.0, 44100.0, 2, 900.0});
    add({"Other", "clap.wav"});
    EXPECT_EQ(names(typed("k")), (std::vector<std::string>{"kick.wav", "snare.wav", "kick long.wav"}));
    // Half of them: ranked, the name's words first.
    EXPECT_EQ(names(typed("kick")), (std::vector<std::string>{"kick.wav", "kick long.wav"}));

    for (int i = 0; i < 40; ++i)
        add({"Kit 3", "tom " + std::to_string(i) + ".wav", 0.2, 0.0, 44100.0, i % 2 + 1, 100.0 + i});
    for (const Order order : {Order::Relevance, Order::Brightness}) {
        for (const std::optional<unsigned> channels : {std::optional<unsigned>{}, std::optional(1u)}) {
            const auto first = [&](std::size_t limit) {
                return names(ask([&](SearchQuery& q) {
                    q.text = "k";
                    q.order = order;
                    q.channels = channels;
                    q.limit = limit;
                }));
            };
            const std::vector<std::string> every = first(500);
            ASSERT_GE(every.size(), 2u);
            EXPECT_EQ(first(2), std::vector<std::string>(every.begin(), every.begin() + 2))
                << static_cast<int>(order) << " " << channels.value_or(0);
        }
    }
}

// A query that ranks at most 5,000 files lists more by folder and name; one without a bound ranks them.
TEST_F(LibrarySearchTest, ATextOfTooManyFilesToRankListsThemByFolderAndName)
{
    add({"A", "one clap among many other words.wav"});
    // Too many to rank, and fewer than half of the library.
    for (const auto& [kind, last] : {std::pair{"clap", 4999}, std::pair{"kick", 9999}})
        ASSERT_TRUE(database.execute(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(last)
            + ") INSERT INTO files(root, path, folder, name, utf8, format, size, mtime) "
              "SELECT '/lib', '/lib/"
            + kind + "s/' || i, 'lib/" + kind + "s', '" + kind + " ' || i || '.wav', 1, 'wav', 1, 1 FROM n"));
    EXPECT_EQ(names(typed("clap"))[0], "clap 0.wav");
    const std::vector<std::string> found = names(ask([](SearchQuery& q) {
        q.text = "clap";
        q.mostRanked = 5'000;
    }));
    ASSERT_EQ(found.size(), 500u);
    EXPECT_EQ(found[0], "one clap among many other words.wav");
    EXPECT_EQ(found[1], "clap 0.wav");
    EXPECT_EQ(found[2], "clap 1.wav");
    EXPECT_EQ(found[3], "clap 10.wav");
}

// A key typed while a search runs abandons it: it finds nothing, says so, and the next one runs.
TEST_F(LibrarySearchTest, AnAbandonedSearchStopsAndTheNextRuns)
{
    database.execute("BEGIN");
    for (int i = 0; i < 2000; ++i)
        add({"Claps", "clap " + std::to_string(i) + ".wav"});
    database.execute("COMMIT");
    LibrarySearch search(database);
    std::atomic<bool> abandon{true};
    EXPECT_TRUE(search.find(typed("c"), &abandon).empty());
    EXPECT_TRUE(search.abandoned());
    EXPECT_EQ(search.failure(), "");
    abandon = false;
    EXPECT_EQ(search.find(typed("c"), &abandon).size(), 500u);
    EXPECT_FALSE(search.abandoned());
    EXPECT_EQ(search.find(typed("clap 1999")).size(), 1u);
}
