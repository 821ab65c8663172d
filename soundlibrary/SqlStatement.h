#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace soundlibrary {

// One prepared SQL statement of a connection, finalised with it. Values go in as parameters only,
// never as text of the statement, so nothing a user types or a file is named can change its meaning.
// Parameters and columns count from 0 here (SQLite's parameters count from 1).
class SqlStatement {
public:
    SqlStatement(sqlite3* connection, std::string_view sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // The statement compiled; else error() tells why.
    bool prepared() const { return m_statement != nullptr; }

    void bind(int index, std::int64_t value);
    void bind(int index, double value);
    void bind(int index, std::string_view text);
    void bindBytes(int index, std::span<const std::uint8_t> bytes);
    void bindBytes(int index, std::string_view bytes);
    void bind(int index, std::optional<double> value);
    void bindNull(int index);

    // Runs to the next row: true while there is one. At the end, or on an error, false; error() is
    // then SQLite's result code (0 at a plain end).
    bool step();
    // Runs a statement that returns no rows; false on an error.
    bool run();
    // Ready to run again with new parameters.
    void reset();
    int error() const { return m_error; }

    std::int64_t integer(int column) const;
    double real(int column) const;
    std::optional<double> optionalReal(int column) const;
    std::string text(int column) const; // bytes as they are stored, UTF-8 or not
    bool isNull(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_error = 0;
};

} // namespace soundlibrary
