#pragma once

#include "soundlibrary/LibraryEntry.h"
#include "soundlibrary/SearchQuery.h"

#include <string>
#include <vector>

namespace soundlibrary {

class LibraryDatabase;

// The files of the index a query finds, in its order, at most its limit. The user's text and every
// filter go to SQLite as parameters, never as the statement's text.
class LibrarySearch {
public:
    explicit LibrarySearch(const LibraryDatabase& database);

    // Empty on a database error too; failure() then holds SQLite's words.
    std::vector<LibraryEntry> find(const SearchQuery& query);
    const std::string& failure() const { return m_failure; }

private:
    const LibraryDatabase& m_database;
    std::string m_failure;
};

} // namespace soundlibrary
