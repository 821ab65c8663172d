#pragma once

#include <QString>

#include <cstddef>
#include <string>

// How the window's messages name a file (without its folder) and a bank's row ("S05", "FW").
std::string shownFileName(const std::string& path);
// The file's name in quotation marks, as a status line names it: “909”.
QString quotedFileName(const std::string& path);
QString shownBankNumber(std::size_t row);
