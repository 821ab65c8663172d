#pragma once

#include <cstddef>
#include <string>

// How the window's messages name a file (without its folder) and a bank's row ("S05", "FW").
std::string shownFileName(const std::string& path);
std::string shownBankNumber(std::size_t row);
