#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "link/register_link.h"
#include "link/session.h"
#include "tables/operation_observer.h"
#include "tables/register_copy.h"
#include "tables/workspace.h"

// The operations on the register's copy of a table: read it into its page, write the page
// (or what changed of it) into it, reset it to the factory records. Each works on the page it is
// given (the page shown when it started) whatever the window shows meanwhile, takes the connection
// as data and tells `observer` what happens, so the window and the command-line tool share them.
namespace kvitmark::tables {

struct TableSession {
  link::RegisterLink& link;
  base::Clock& clock;
  Workspace& workspace;
  // The register that answered at connect time; 0 or less while none is connected.
  int connectedRegister = -1;
  // The connection the front end holds, null while it holds none: a skip or retry reopens
  // exactly what was connected, whatever the selectors show by then.
  link::Session* connection = nullptr;
  // What the register is known to hold since connecting; the operations keep it up to date.
  RegisterCopy registerCopy{};
  // Receives each record's answer.
  std::string recordBuffer{};
};

enum class WriteScope { kAll, kChanged };

// One record a write sends: the grid row it comes from (0 on a parameter page), its number
// in the register and its text.
struct PlannedRecord {
  int row;
  int record;
  std::string text;
};

// What a write of the page would send, in order, without sending anything: the page's run
// (through the coding interval where it applies) or, for kChanged, only the records whose
// text differs from what `known` says the register holds. Nothing when a field cannot be
// sent or the interval is wrong; the observer has been told why.
std::optional<std::vector<PlannedRecord>> PlanWrite(const Workspace& workspace,
                                                    const RegisterCopy& known, PageId page,
                                                    WriteScope scope, OperationObserver& observer);

OperationSummary ReadFromRegister(TableSession& session, OperationObserver& observer, PageId page);
OperationSummary WriteToRegister(TableSession& session, OperationObserver& observer, PageId page);
// "Записать изменения в ЭККА": only the records of the page that differ from what the
// register is known to hold (or that it is not known to hold), in record order. The coding
// interval does not apply.
OperationSummary WriteChangesToRegister(TableSession& session, OperationObserver& observer,
                                        PageId page);
// Whether "Записать изменения в ЭККА" would send the row (1 on a parameter page); only on pages
// the register has told something of since connecting, where the answer means something.
bool RowChangedSinceExchange(const TableSession& session, PageId page, int row);
OperationSummary ClearTable(TableSession& session, OperationObserver& observer, PageId page);

}  // namespace kvitmark::tables
