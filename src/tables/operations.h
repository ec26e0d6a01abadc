#pragma once

#include <string>

#include "base/clock.h"
#include "link/register_link.h"
#include "tables/operation_host.h"
#include "tables/workspace.h"

// The three operations on the register's copy of a table: read it into its page, write
// the page into it, reset it to the factory records. Each works on the page it is given
// (the page shown when it started) whatever the window shows meanwhile, and takes the
// connection as data, so the window and the command-line tool share them.
namespace kvitmark::tables {

struct TableSession {
  link::RegisterLink& link;
  base::Clock& clock;
  Workspace& workspace;
  OperationHost& host;
  // The register that answered at connect time; 0 or less while none is connected.
  int connectedRegister = -1;
  // The port and speed that were opened at connect time: a skip or retry reopens exactly
  // these, whatever the selectors show by then.
  int openedPort = 0;
  int openedSpeed = 0;
  int portHandle = -1;
  // Receives each record's answer (kept between records, as the window's own buffer).
  std::string recordBuffer{};
};

// How an operation ended, for callers that go on from there (the command-line tool):
// every outcome has already been shown to the user through the host.
enum class OperationResult {
  kDone,        // every record of the run was exchanged or, after the prompt, skipped
  kStopped,     // "Стоп", "Завершить операцию" or an answer the page could not take
  kNotStarted,  // not connected, refused, a bad interval or cell, or a page without a table
};

struct ClearResult {
  OperationResult result = OperationResult::kNotStarted;
  int failedRecords = 0;  // left as the register had them
};

OperationResult ReadFromRegister(TableSession& session, int page);
OperationResult WriteToRegister(TableSession& session, int page);
ClearResult ClearTable(TableSession& session, int page);

}  // namespace kvitmark::tables
