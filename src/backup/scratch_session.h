#pragma once

#include "tables/operations.h"
#include "tables/workspace.h"

namespace kvitmark::backup {

// The connection of `user` working on tables of its own: a backup reads into, and a restore
// writes from, a workspace that is not the pages the user edits, so that neither touches
// them. What the register is known to hold is the connection's, and goes back to it with
// whatever the run has learnt.
class ScratchSession {
 public:
  ScratchSession(tables::TableSession& user, tables::Workspace& workspace)
      : user_(user), session_{user.link,       user.clock,
                              workspace,       user.connectedRegister,
                              user.connection, std::move(user.registerCopy)} {}
  ~ScratchSession() { user_.registerCopy = std::move(session_.registerCopy); }

  ScratchSession(const ScratchSession&) = delete;
  ScratchSession& operator=(const ScratchSession&) = delete;

  tables::TableSession& Session() { return session_; }

 private:
  tables::TableSession& user_;
  tables::TableSession session_;
};

// A fresh set of pages in the Junior layout, as the program has them after start-up.
void PrepareJuniorPages(tables::Workspace& workspace);

}  // namespace kvitmark::backup
