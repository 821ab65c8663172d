#pragma once

#include <string>
#include <string_view>

namespace soundlibrary {

// The full-text query for what a user typed: each word (a run of letters and digits; bytes beyond
// ASCII count as letters) becomes a quoted prefix, and all must match, so "clap br" finds
// "Claps/bright clap 03.wav". Quotes, stars, colons, minus signs, brackets and the words AND, OR,
// NOT and NEAR are no operators here but text, and no input makes a query SQLite refuses. Empty
// when nothing was typed but separators.
std::string fullTextQuery(std::string_view typed);

} // namespace soundlibrary
