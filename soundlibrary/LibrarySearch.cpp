#include "soundlibrary/LibrarySearch.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/SearchText.h"
#include "soundlibrary/SqlStatement.h"

#include <sqlite3.h>

namespace soundlibrary {

namespace {

constexpr const char* kColumns = "files.path, files.folder, files.name, files.utf8, files.format, files.kind, "
                                 "files.size, files.seconds, files.rate, files.channels, files.lead_in, files.peak, "
                                 "files.loudness, files.loudest_short_term, files.centroid";

// The length after the lead-in, as the index files_sound_seconds has it.
constexpr const char* kSoundSeconds = "files.seconds - coalesce(files.lead_in, 0)";

// How a text is looked for. bm25 ranks a text's files by how well each matches, at a microsecond or
// more a file; a first letter typed can match most of a library of 100,000. A text that most files
// match cannot be ranked (a word in most files weighs nothing in bm25): its files come as they do
// without text and, when a list's few rows are asked for, are looked for the other way round: the
// list's order walked through its index and each file tested until the rows are found, a few
// hundred tests. A query may also ask that a text of many files be listed by folder and name rather
// than ranked (mostRanked).
enum class Plan {
    EveryFile, // no text
    RankMatches, // the text's files, found and ranked
    SortMatches, // the text's files, found and sorted in the list's order
    TestEachFile, // the files in the list's order, each tested for the text
};

// The statement's text is made of these fixed parts alone; the values are its parameters, in the
// order the parts name them.
std::string statementFor(const SearchQuery& query, Plan plan)
{
    // Without text, the brightest are found by walking the centroid's index down rather than by
    // sorting every file that fits.
    const char* everyFile = query.order == SearchQuery::Order::Brightness
                                ? " FROM files INDEXED BY files_centroid WHERE 1"
                                : " FROM files WHERE 1";
    std::string sql = std::string("SELECT ") + kColumns
                      + (plan == Plan::RankMatches || plan == Plan::SortMatches
                             ? " FROM words JOIN files ON files.id = words.rowid WHERE words MATCH ?"
                             : everyFile);
    if (query.longestSeconds)
        sql += " AND " + std::string(kSoundSeconds) + " <= ?";
    if (!query.formats.empty()) {
        sql += " AND files.format IN (?";
        for (std::size_t i = 1; i < query.formats.size(); ++i)
            sql += ", ?";
        sql += ")";
    }
    if (query.channels)
        sql += " AND files.channels = ?";
    if (query.lowestRate)
        sql += " AND files.rate >= ?";
    if (query.highestRate)
        sql += " AND files.rate <= ?";
    if (!query.folder.empty())
        sql += " AND substr(files.path, 1, ?) = ?";
    // Last, so that the filters' cheap tests pass over a file first.
    if (plan == Plan::TestEachFile)
        sql += " AND EXISTS (SELECT 1 FROM words WHERE words MATCH ? AND words.rowid = files.id)";
    switch (query.order) {
    case SearchQuery::Order::Relevance:
        sql += plan == Plan::RankMatches ? " ORDER BY bm25(words, 4.0, 1.0), files.name"
                                         : " ORDER BY files.folder, files.name";
        break;
    case SearchQuery::Order::Length:
        sql += " ORDER BY " + std::string(kSoundSeconds) + " NULLS LAST, files.name";
        break;
    case SearchQuery::Order::Brightness:
        // Unknown (NULL) sorts last going down.
        sql += " ORDER BY files.centroid DESC, files.name";
        break;
    }
    return sql + " LIMIT ?";
}

// A text of at least this many matches for each row asked for is walked, when most files hold it.
constexpr std::uint64_t kMatchesPerWalkedRow = 20;

Plan planFor(sqlite3* connection, const SearchQuery& query, const std::string& match)
{
    if (match.empty())
        return Plan::EveryFile;
    SqlStatement count(connection,
                       "SELECT (SELECT count(*) FROM words WHERE words MATCH ?), (SELECT count(*) FROM files)");
    count.bind(0, match);
    if (!count.step())
        return Plan::RankMatches; // the search proper then says why
    const std::int64_t matches = count.integer(0);
    const bool rankable = 2 * matches <= count.integer(1);
    if (query.order == SearchQuery::Order::Relevance && rankable
        && (!query.mostRanked || matches <= static_cast<std::int64_t>(*query.mostRanked)))
        return Plan::RankMatches;
    // Walking pays where its rows are found long before the matches end: a file tested costs some
    // tens of microseconds, a match sorted one or less. The order by length sorts every file that
    // passes (its NULLs last keep it from the index), so walking it would test them all.
    if (!rankable && query.order != SearchQuery::Order::Length
        && query.limit <= static_cast<std::uint64_t>(matches) / kMatchesPerWalkedRow)
        return Plan::TestEachFile;
    return Plan::SortMatches;
}

std::optional<unsigned> optionalCount(const SqlStatement& row, int column)
{
    if (row.isNull(column))
        return std::nullopt;
    return static_cast<unsigned>(row.integer(column));
}

LibraryEntry entryOf(const SqlStatement& row)
{
    LibraryEntry entry;
    entry.path = row.text(0);
    entry.folder = row.text(1);
    entry.name = row.text(2);
    entry.utf8 = row.integer(3) != 0;
    entry.format = row.text(4);
    entry.kind = static_cast<LibraryEntry::Kind>(row.integer(5));
    entry.size = row.integer(6);
    entry.seconds = row.optionalReal(7);
    entry.rate = row.optionalReal(8);
    entry.channels = optionalCount(row, 9);
    entry.leadIn = row.optionalReal(10);
    entry.peak = row.optionalReal(11);
    entry.loudness = row.optionalReal(12);
    entry.loudestShortTerm = row.optionalReal(13);
    entry.centroid = row.optionalReal(14);
    return entry;
}

// How often a search looks whether it is abandoned, in SQLite's virtual machine steps: some
// microseconds apart.
constexpr int kStepsBetweenLooks = 1000;

int isAbandoned(void* abandon)
{
    return static_cast<const std::atomic<bool>*>(abandon)->load() ? 1 : 0;
}

} // namespace

LibrarySearch::LibrarySearch(const LibraryDatabase& database)
    : m_database(database)
{
}

std::vector<LibraryEntry> LibrarySearch::find(const SearchQuery& query, const std::atomic<bool>* abandon)
{
    m_failure.clear();
    m_abandoned = false;
    if (!m_database.isOpen()) {
        m_failure = m_database.opening().systemText;
        return {};
    }
    const std::string match = fullTextQuery(query.text);
    if (abandon != nullptr)
        sqlite3_progress_handler(m_database.connection(), kStepsBetweenLooks, &isAbandoned,
                                 const_cast<std::atomic<bool>*>(abandon));
    const Plan plan = planFor(m_database.connection(), query, match);
    SqlStatement statement(m_database.connection(), statementFor(query, plan));
    int parameter = 0;
    if (plan == Plan::RankMatches || plan == Plan::SortMatches)
        statement.bind(parameter++, match);
    if (query.longestSeconds)
        statement.bind(parameter++, *query.longestSeconds);
    for (const std::string& format : query.formats)
        statement.bind(parameter++, format);
    if (query.channels)
        statement.bind(parameter++, std::int64_t{*query.channels});
    if (query.lowestRate)
        statement.bind(parameter++, *query.lowestRate);
    if (query.highestRate)
        statement.bind(parameter++, *query.highestRate);
    if (!query.folder.empty()) {
        // Under the folder: /Drums/ holds /Drums/kick.wav, not /Drums 2/kick.wav.
        const std::string folder = query.folder.back() == '/' ? query.folder : query.folder + "/";
        statement.bind(parameter++, static_cast<std::int64_t>(folder.size()));
        statement.bindBytes(parameter++, folder);
    }
    if (plan == Plan::TestEachFile)
        statement.bind(parameter++, match);
    statement.bind(parameter, static_cast<std::int64_t>(query.limit));

    std::vector<LibraryEntry> found;
    while (statement.step())
        found.push_back(entryOf(statement));
    sqlite3_progress_handler(m_database.connection(), 0, nullptr, nullptr);
    if ((statement.error() & 0xff) == SQLITE_INTERRUPT) {
        m_abandoned = true;
        return {};
    }
    if (statement.error() != SQLITE_OK) {
        m_failure = statement.prepared() ? sqlite3_errmsg(m_database.connection()) : sqlite3_errstr(statement.error());
        return {};
    }
    return found;
}

} // namespace soundlibrary
