#include "model/KitWords.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace {

struct SlotWord {
    std::uint16_t slot;
    std::string_view word; // one word, or two separated by a space
    int score;
};

// Slots 0 to 5: OPEN HI HAT, CLOSED HI HAT, CLAP, RIM SHOT, CRASH, RIDE.
constexpr std::array<SlotWord, 27> kSlotWords{{
    {0, "open hat", 4},  {0, "open hh", 4},   {0, "ohh", 3},        {0, "oh", 2},      {1, "closed hat", 4},
    {1, "chh", 3},       {1, "hh", 2},        {1, "ch", 2},         {1, "hat", 1},     {2, "clap", 3},
    {2, "handclap", 3},  {2, "cp", 2},        {3, "side stick", 4}, {3, "rimshot", 3}, {3, "rim", 3},
    {3, "rs", 2},        {3, "stick", 1},     {4, "crash", 3},      {4, "cr", 2},      {4, "cymbal", 1},
    {5, "ride", 3},      {5, "rd", 2},        {5, "bell", 1},       {0, "openhat", 4}, {0, "openhh", 4},
    {1, "closedhat", 4}, {3, "sidestick", 4},
}};

bool isCapital(char c)
{
    return std::isupper(static_cast<unsigned char>(c)) != 0;
}

bool isSmall(char c)
{
    return std::islower(static_cast<unsigned char>(c)) != 0;
}

// Letters only, in runs split where the case says a new word begins: "HHOpen" gives HH, Open.
std::vector<std::string> letterRuns(const std::string& name)
{
    std::vector<std::string> runs;
    std::string run;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (std::isalpha(static_cast<unsigned char>(c)) == 0 || static_cast<unsigned char>(c) >= 0x80) {
            if (!run.empty())
                runs.push_back(std::move(run));
            run.clear();
            continue;
        }
        const bool newWord
            = !run.empty() && isCapital(c) && (isSmall(name[i - 1]) || (i + 1 < name.size() && isSmall(name[i + 1])));
        if (newWord) {
            runs.push_back(std::move(run));
            run.clear();
        }
        run += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (!run.empty())
        runs.push_back(std::move(run));
    return runs;
}

} // namespace

std::vector<std::string> KitWords::words(const std::string& fileName)
{
    const std::vector<std::string> runs = letterRuns(std::filesystem::path(fileName).stem().string());
    std::vector<std::string> words;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const bool hatNext = i + 1 < runs.size() && (runs[i + 1] == "hat" || runs[i + 1] == "hh");
        if (runs[i] == "hi" && hatNext)
            continue;
        words.push_back(runs[i] == "hihat" ? "hat" : runs[i]);
    }
    return words;
}

std::vector<KitWords::Match> KitWords::matches(const std::string& fileName)
{
    std::vector<std::string> words = KitWords::words(fileName);
    std::vector<Match> found;
    const auto note = [&found](const SlotWord& entry) {
        const auto same
            = std::find_if(found.begin(), found.end(), [&](const Match& m) { return m.slot == entry.slot; });
        if (same == found.end())
            found.push_back({entry.slot, entry.score, std::string(entry.word)});
        else if (entry.score > same->score)
            *same = {entry.slot, entry.score, std::string(entry.word)};
    };
    // Words of two first, in either order; the words they take say nothing on their own.
    for (const SlotWord& entry : kSlotWords) {
        const std::size_t space = entry.word.find(' ');
        if (space == std::string_view::npos)
            continue;
        const std::string_view first = entry.word.substr(0, space);
        const std::string_view second = entry.word.substr(space + 1);
        for (std::size_t i = 0; i + 1 < words.size(); ++i) {
            if ((words[i] == first && words[i + 1] == second) || (words[i] == second && words[i + 1] == first)) {
                note(entry);
                words[i].clear();
                words[i + 1].clear();
            }
        }
    }
    for (const SlotWord& entry : kSlotWords)
        if (entry.word.find(' ') == std::string_view::npos
            && std::find(words.begin(), words.end(), entry.word) != words.end())
            note(entry);
    std::stable_sort(found.begin(), found.end(), [](const Match& a, const Match& b) {
        return a.score != b.score ? a.score > b.score : a.slot < b.slot;
    });
    return found;
}
