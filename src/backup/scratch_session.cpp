#include "backup/scratch_session.h"

namespace kvitmark::backup {

void PrepareJuniorPages(tables::Workspace& workspace) {
  tables::PrepareGrids(workspace);
  tables::ApplyTypeLayout(workspace, 0);
  workspace.typeIndex = 0;
}

}  // namespace kvitmark::backup
