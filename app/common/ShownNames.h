#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

class IBank;

// How the window's messages name a file (without its folder) and a bank's row ("S05", "FW").
std::string shownFileName(const std::string& path);
// The file's name in quotation marks, as a status line names it: “909”.
QString quotedFileName(const std::string& path);
QString shownBankNumber(std::size_t row);
// A slot as the window's messages name it: its bank's number and its label ("S05 CLAP").
QString shownSlot(std::size_t row, const IBank& bank, std::uint16_t slot);
