#include "soundlibrary/SqlStatement.h"

#include <sqlite3.h>

namespace soundlibrary {

SqlStatement::SqlStatement(sqlite3* connection, std::string_view sql)
{
    m_error = sqlite3_prepare_v2(connection, sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr);
    if (m_error != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(m_statement);
}

void SqlStatement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(m_statement, index + 1, value);
}

void SqlStatement::bind(int index, double value)
{
    sqlite3_bind_double(m_statement, index + 1, value);
}

void SqlStatement::bind(int index, std::string_view text)
{
    sqlite3_bind_text(m_statement, index + 1, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqlStatement::bindBytes(int index, std::span<const std::uint8_t> bytes)
{
    sqlite3_bind_blob(m_statement, index + 1, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

void SqlStatement::bindBytes(int index, std::string_view bytes)
{
    // A zero-length blob, not NULL, for an empty value.
    sqlite3_bind_blob(m_statement, index + 1, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
}

void SqlStatement::bind(int index, std::optional<double> value)
{
    if (value)
        bind(index, *value);
    else
        bindNull(index);
}

void SqlStatement::bindNull(int index)
{
    sqlite3_bind_null(m_statement, index + 1);
}

bool SqlStatement::step()
{
    if (m_statement == nullptr)
        return false;
    const int result = sqlite3_step(m_statement);
    m_error = result == SQLITE_ROW || result == SQLITE_DONE ? SQLITE_OK : result;
    return result == SQLITE_ROW;
}

bool SqlStatement::run()
{
    if (m_statement == nullptr)
        return false;
    while (step()) { }
    const bool ran = m_error == SQLITE_OK;
    reset();
    return ran;
}

void SqlStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

std::int64_t SqlStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqlStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

std::optional<double> SqlStatement::optionalReal(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return real(column);
}

std::string SqlStatement::text(int column) const
{
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return bytes == nullptr ? std::string() : std::string(bytes, static_cast<std::size_t>(size));
}

bool SqlStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

} // namespace soundlibrary
