#include "app/command_states.h"

namespace kvitmark::app {
namespace {

// "Очистить" belongs to the tables the register can reset: the first five pages.
bool ResettablePage(tables::PageId page) { return tables::Page(page).Clearable(); }

}  // namespace

void CommandStates::PageSelected(tables::PageId page, bool connected) {
  const tables::TableDescriptor& descriptor = tables::Page(page);
  // The logo page has commands of its own instead of the table ones.
  const bool tableCommands = connected && descriptor.shape != tables::PageShape::kLogo;
  buttons_.clearGrid = descriptor.Clearable();
  buttons_.clear = tableCommands && descriptor.Clearable();
  buttons_.write = tableCommands;
  buttons_.read = tableCommands;
}

void CommandStates::Connected(tables::PageId shown) {
  buttons_.write = true;
  buttons_.read = true;
  buttons_.clear = ResettablePage(shown);
}

void CommandStates::NotConnected() {
  buttons_.write = false;
  buttons_.read = false;
  buttons_.clear = false;
}

void CommandStates::TableOperationEnded(tables::OperationKind kind, tables::PageId operationPage,
                                        tables::PageId shown) {
  buttons_.write = true;
  buttons_.read = true;
  switch (kind) {
    case tables::OperationKind::kClearTable:
      buttons_.clear = true;
      break;
    case tables::OperationKind::kWriteTable:
      // A write looks at the page in view when it ends, a read at its own.
      buttons_.clear = ResettablePage(shown);
      break;
    default:
      buttons_.clear = ResettablePage(operationPage);
      break;
  }
}

}  // namespace kvitmark::app
