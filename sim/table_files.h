#pragma once

#include <string>

#include "sim/sim_tables.h"

// The simulator keeps tables in the program's table file form: one record text per
// line, code page 1251 bytes, lines ended by CR LF (a bare LF is read too).
namespace kvitmark::sim {

// Line k becomes record k; lines past the table's records are ignored and records past
// the file's lines keep their contents. False with `error` set when the file cannot be
// read; the table is then unchanged.
bool LoadTableFile(const std::string& path, SimTable& table, std::string& error);

// Writes the whole table or nothing: a failed save leaves the old file in place.
bool SaveTableFile(const std::string& path, const SimTable& table, std::string& error);

}  // namespace kvitmark::sim
