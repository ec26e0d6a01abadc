#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tables/catalogue.h"
#include "tables/grid_table.h"

// Everything the main window holds that the table operations read and change, kept as
// plain data so that the same operations serve the window, the command-line tool and
// the tests. The window shows these objects; it never keeps a second copy.
namespace kvitmark::tables {

// The ordered edit fields of a parameter page, with what the layout shows of them.
struct ParameterPage {
  std::vector<std::string> fields;    // record order; page 7 has Edit37 after its record
  std::vector<std::string> captions;  // the caption label of each field
  std::vector<bool> visible;
};

// "Интервал кодирования": rows of a grid mapped onto register records.
struct CodingInterval {
  bool use = false;           // "Использовать"
  std::string start = "1";    // "Начало"
  std::string end = "14000";  // "Конец"
  std::string firstRecord;    // "Номер первой записи в ЭККА:"
};

// The prompt's answers and the stop button, as the operations see them.
struct OperationFlags {
  bool stop = false;   // StopRequested
  bool skip = false;   // SkipRequested
  bool retry = false;  // RetryRequested
};

class Workspace {
 public:
  Workspace();

  GridTable& Grid(int page);
  const GridTable& Grid(int page) const;
  ParameterPage& Parameters(int page);
  const ParameterPage& Parameters(int page) const;

  CodingInterval interval;
  OperationFlags flags;
  std::string windowCaption;
  std::string connectionGroupCaption;
  // The register type selector's entry; -1 while it stands on none.
  int typeIndex = -1;

 private:
  std::array<std::unique_ptr<GridTable>, kPageCount> grids_;
  std::array<ParameterPage, kPageCount> parameters_;
};

// Writes every grid's header row and row numbers (the header text grid gets its labels)
// and prepares the parameter pages. Cells of columns 1 and beyond are never touched.
void PrepareGrids(Workspace& workspace);

// The layout of a register type; index 0 is "Datecs MP-50 Junior", any other changes
// nothing.
void ApplyTypeLayout(Workspace& workspace, int typeIndex);

// Records of the goods table the type holds: 14000 with the Junior, as with no type.
inline constexpr int kJuniorGoodsRecords = 14000;

}  // namespace kvitmark::tables
