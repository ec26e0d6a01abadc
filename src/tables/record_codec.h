#pragma once

#include <string>
#include <string_view>

#include "tables/grid_table.h"
#include "tables/workspace.h"

// Records travel as their fields in order, each followed by ";" (the last one too), with
// no quoting: "1;Товар1;0.00;0.000;1;1;1;1;0;0;". A read answer puts two fields in front:
// one the program ignores and the record number.
namespace kvitmark::tables {

enum class DecodeResult { kAccepted, kRefused };

// Fills one row of a grid page from an answer. The row-number cell is written only when
// empty; a field not followed by ";" is not taken; cells after the last field keep their
// text. Refused when the answer has more fields than the page: the cells decoded before
// the extra one keep their new values.
DecodeResult DecodeGridRecord(PageId page, int row, std::string_view answer, GridTable& grid);

// Fills the fields of a parameter page in record order, as far as the answer goes.
void DecodeParameterRecord(PageId page, std::string_view answer, ParameterPage& parameters);

struct EncodedRecord {
  enum class Problem { kNone, kNotANumber };
  Problem problem = Problem::kNone;
  int column = 0;    // the grid column that could not be encoded
  std::string text;  // the record text when there is no problem
  bool ok() const { return problem == Problem::kNone; }
};

// The record text of one grid row (the row number in column 0 is never sent).
EncodedRecord EncodeGridRow(PageId page, const GridTable& grid, int row);

// The record text of a parameter page: every field of its record, trimmed.
std::string EncodeParameterPage(PageId page, const ParameterPage& parameters);

// The field (1 for the first) of a record text that the byte at `position` belongs to.
int FieldAtPosition(std::string_view text, size_t position);

}  // namespace kvitmark::tables
