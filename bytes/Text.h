#pragma once

#include <optional>
#include <string>
#include <vector>

// A text a user reads, written once in English in the core: zylox prints english(), the window
// looks the source up in its language's translation and fills in the same arguments with its
// language's numbers. lupdate finds the sources through these two macros (the editor's lupdate
// runs with -tr-function-alias QT_TRANSLATE_NOOP+=ZYLOX_TR,QT_TRANSLATE_N_NOOP+=ZYLOX_TR_N), so
// a source must be a string literal where the macro is written.
#define ZYLOX_TR(context, source) (::TextSource{context, source, nullptr})
// A text that counts, for a language that words 1 apart from 2 or 5: the English for many and for
// one, each with the count's number as an argument; lupdate keeps the English for one beside the
// source (as its comment) for the translator, and the window passes it on as the disambiguation.
#define ZYLOX_TR_N(context, many, one) (::TextSource{context, many, one})

struct TextSource {
    const char* context = nullptr; // none for a text of arguments alone, which no language rewords
    const char* source = "";
    const char* one = nullptr; // the English for a count of one, in a text that counts
};

class Text;

// What fills a %1 to %9 of a text: a name as it stands (a file's, a slot's label), the system's
// own text for an error, a whole number, a decimal number with its digits after the point, or a
// text of its own.
struct TextArgument {
    enum class Kind { Name, SystemText, Whole, Decimal, Part };

    Kind kind = Kind::Name;
    std::string name{}; // Name and SystemText: UTF-8, or the C library's own encoding for SystemText
    long long whole = 0;
    double decimal = 0.0;
    int decimals = 0; // Decimal: digits after the point
    bool grouped = false; // Whole: thousands separated, "131,078"; a block or process number is not
    bool showsSign = false; // a plus before zero and above, "+6.0", "+48"
    std::vector<Text> part; // Part: the one text

    // Not explicit: a name is the common argument, and texts compose.
    TextArgument(std::string name);
    TextArgument(const char* name);
    TextArgument(Text part);
    TextArgument(Kind kind);
    // Where Text is whole (Text.cpp): a vector of a type not yet complete may be declared here, but
    // its copies and its end only where the type is complete.
    TextArgument(const TextArgument& other);
    TextArgument(TextArgument&& other) noexcept;
    TextArgument& operator=(const TextArgument& other);
    TextArgument& operator=(TextArgument&& other) noexcept;
    ~TextArgument();

    static TextArgument systemText(std::string text);
    static TextArgument number(long long value); // "44100", "62"
    static TextArgument count(long long value); // "1,024"
    static TextArgument signedWhole(long long value); // "+48", "-48"
    static TextArgument fixed(double value, int decimals); // "3.02"
    static TextArgument signedFixed(double value, int decimals); // "+6.0", "-1.5"
};

class Text {
public:
    Text() = default;
    Text(TextSource source, std::vector<TextArgument> arguments = {}, std::optional<long long> count = std::nullopt);

    // Arguments side by side, as no language words them otherwise.
    static Text joined(std::vector<TextArgument> parts);
    // A name or the system's text alone.
    static Text verbatim(TextArgument argument);

    const TextSource& source() const { return m_source; }
    const std::vector<TextArgument>& arguments() const { return m_arguments; }
    const std::optional<long long>& count() const { return m_count; }
    bool empty() const { return m_source.source == nullptr || *m_source.source == '\0'; }

    // The English zylox prints: each %1 to %9 filled with its argument, numbers with a point and
    // thousands separated by commas where grouped; a count of one takes its own English.
    std::string english() const;

private:
    TextSource m_source{nullptr, "", nullptr};
    std::vector<TextArgument> m_arguments;
    std::optional<long long> m_count;
};
