#pragma once

#include "soundlibrary/LibraryEntry.h"
#include "soundlibrary/SearchQuery.h"

#include <atomic>
#include <string>
#include <vector>

namespace soundlibrary {

class LibraryDatabase;

// The files of the index a query finds, in its order, at most its limit. The user's text and every
// filter go to SQLite as parameters, never as the statement's text.
class LibrarySearch {
public:
    explicit LibrarySearch(const LibraryDatabase& database);

    // Empty on a database error too; failure() then holds SQLite's words. Set from another thread,
    // abandon stops the search within a few thousand of SQLite's steps (a key typed meanwhile asks
    // for another): it then finds nothing and abandoned() says so.
    std::vector<LibraryEntry> find(const SearchQuery& query, const std::atomic<bool>* abandon = nullptr);
    const std::string& failure() const { return m_failure; }
    bool abandoned() const { return m_abandoned; }

private:
    const LibraryDatabase& m_database;
    std::string m_failure;
    bool m_abandoned = false;
};

} // namespace soundlibrary
