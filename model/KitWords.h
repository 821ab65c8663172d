#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The words musicians put in a drum sound's file name to say which of a sound bank's six slots it is
// for ("ohh", "open hat", "clap", "rimshot", ...), and which of them a name holds. A name is read as
// whole words: case, separators, digits and the file's ending are left out, a name written together
// in capitals is split where a capital follows a small letter ("OpenHat"), and "hi hat" or "hihat"
// counts as "hat", so "Open Hi Hat" says "open hat". A word of two is found in either order
// ("hat open"); its two words then say nothing more ("open hat" is no closed "hat").
class KitWords {
public:
    // One slot a name points to: the strongest of its words for the slot. The score says how
    // plainly: 4 a word of two ("closed hat"), 3 the instrument's name ("clap"), 2 its short form
    // ("cp"), 1 a word that only suggests it ("cymbal").
    struct Match {
        std::uint16_t slot = 0;
        int score = 0;
        std::string word; // as the table holds it: "open hat"
    };

    // The slots a file name points to, the strongest first (ties in slot order); none for a name
    // that holds no word of a slot.
    static std::vector<Match> matches(const std::string& fileName);
    // The name's words as they are compared, in order: "Open-HiHat_02.wav" gives open, hat.
    static std::vector<std::string> words(const std::string& fileName);
};
