#include "soundlibrary/LibraryCounts.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibrarySchema.h"
#include "soundlibrary/SoundAnalysis.h"
#include "soundlibrary/SqlStatement.h"

namespace soundlibrary {

LibraryCounts LibraryCounts::of(const LibraryDatabase& database)
{
    LibraryCounts counts;
    if (!database.isOpen())
        return counts;
    SqlStatement count(database.connection(),
                       std::string("SELECT count(*), count(*) FILTER (WHERE ") + kAwaitsAnalysis
                           + "), count(*) FILTER (WHERE kind = 1), count(*) FILTER (WHERE kind = 2), "
                             "count(*) FILTER (WHERE kind = 3), count(*) FILTER (WHERE utf8 = 0) FROM files");
    count.bind(0, std::int64_t{SoundAnalysis::kVersion});
    if (!count.step())
        return counts;
    const auto at = [&count](int column) { return static_cast<std::uint64_t>(count.integer(column)); };
    counts = {at(0), at(1), at(2), at(3), at(4), at(5)};
    return counts;
}

} // namespace soundlibrary
