#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/message.h"
#include "tables/catalogue.h"
#include "tables/grid_table.h"

// Everything the main window holds that the table operations read and change, kept as
// plain data so that the same operations serve the window, the command-line tool and
// the tests. The window shows these objects; it never keeps a second copy.
namespace kvitmark::tables {

// The ordered edit fields of a parameter page, with what the layout shows of them.
struct ParameterPage {
  std::vector<std::string> fields;      // record order, then the page's extra edit if it has one
  std::vector<base::Message> captions;  // the caption label of each field
  std::vector<bool> visible;
};

// "Интервал кодирования": rows of a grid mapped onto register records.
struct CodingInterval {
  bool use = false;           // "Использовать"
  std::string start = "1";    // "Начало"
  std::string end = "14000";  // "Конец"
  std::string firstRecord;    // "Номер первой записи в ЭККА:"
};

class Workspace {
 public:
  Workspace();

  // The data of a grid or parameter page; asking a page of another shape for it throws
  // std::logic_error.
  GridTable& Grid(PageId page);
  const GridTable& Grid(PageId page) const;
  ParameterPage& Parameters(PageId page);
  const ParameterPage& Parameters(PageId page) const;

  CodingInterval interval;
  // What the register type's layout names the window and the connection group; empty where
  // it leaves the name as it is.
  base::Message windowCaption;
  base::Message connectionGroupCaption;
  // The register type selector's entry; -1 while it stands on none.
  int typeIndex = -1;
  bool JuniorSelected() const { return typeIndex == 0; }

 private:
  std::array<std::unique_ptr<GridTable>, kPageCount> grids_;
  std::array<std::unique_ptr<ParameterPage>, kPageCount> parameters_;
};

// Writes every grid's header row and row numbers (or its row labels) and prepares the
// parameter pages. Cells of columns 1 and beyond are never touched.
void PrepareGrids(Workspace& workspace);

// The layout of a register type, as the user's pick of the type applies it: the pages'
// rows, labels and captions, and the goods table's whole length as the interval's end. Index
// 0 is "Datecs MP-50 Junior", any other changes nothing.
void ApplyTypeLayout(Workspace& workspace, int typeIndex);

// The same layout on the pages only: the coding interval the user typed stays as it is.
void ShowTypeLayout(Workspace& workspace, int typeIndex);

}  // namespace kvitmark::tables
