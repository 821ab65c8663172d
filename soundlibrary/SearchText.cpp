#include "soundlibrary/SearchText.h"

#include "soundlibrary/Utf8Text.h"

namespace soundlibrary {

namespace {

bool partOfWord(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

} // namespace

std::string fullTextQuery(std::string_view bytes)
{
    // SQLite takes only UTF-8 as text.
    const std::string typed = lossyUtf8(bytes);
    std::string query;
    std::size_t at = 0;
    while (at < typed.size()) {
        if (!partOfWord(typed[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < typed.size() && partOfWord(typed[at]))
            ++at;
        // A word holds no quote, so quoting it needs no escape.
        query += (query.empty() ? "\"" : " \"") + typed.substr(start, at - start) + "\"*";
    }
    return query;
}

} // namespace soundlibrary
