#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace soundlibrary {

// What the library's search field and filters ask for. Every filter on a figure analysis gives
// leaves out the files not yet analysed.
struct SearchQuery {
    enum class Order {
        Relevance, // the best match first (names count four times their folders); name order without text
        Length, // the shortest sound after its lead-in first
        Brightness, // the brightest (highest centroid of its frequencies) first
    };

    std::string text; // as typed: each word is the start of a word of the name or folder, all of them
    std::optional<double> longestSeconds; // fits a slot: at most this long after its lead-in
    std::vector<std::string> formats; // name endings in lower case ("wav", "aiff"); none: any
    std::optional<unsigned> channels;
    std::optional<double> lowestRate; // frames per second
    std::optional<double> highestRate;
    std::string folder; // only files under this folder (an absolute path, bytes); empty: all
    Order order = Order::Relevance;
    std::size_t limit = 500; // rows at most: what a list shows at once
    // A text of more files than this lists them by folder and name instead of ranking them (ranking
    // costs each file found, and a list searched as the user types must keep up); none: always ranked.
    std::optional<std::size_t> mostRanked;

    // What a list searched as the user types ranks at most: at 100,000 files, a text of more (a
    // letter or two typed) took the rows past 50 ms after the key. It says too little to rank by.
    static constexpr std::size_t kListMostRanked = 5'000;
};

} // namespace soundlibrary
