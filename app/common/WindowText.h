#pragma once

#include "bytes/Text.h"

#include <QString>

#include <string>
#include <vector>

// The core's texts in the window's language: the source looked up in the installed translation
// (a text that counts by its count), its arguments filled with the language's numbers.
class WindowText {
public:
    // "kick.wav: 3,02 s, auf 0,25 s gekürzt, passend für CLAP"; empty for an empty text.
    static QString of(const Text& text);
    // Names listed as the language lists them: "WAV, AIFF and W64".
    static QString list(const std::vector<std::string>& names);
};
