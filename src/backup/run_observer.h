#pragma once

#include <string>

#include "backup/backup_contents.h"
#include "base/message.h"
#include "tables/operation_observer.h"

// A backup or a restore is one run over many tables and the logo. Its observer hears the
// run as one operation (started, a step per record over the whole run, the prompt, "Стоп",
// finished) and, besides, which table is being done.
namespace kvitmark::backup {

// One table, or the logo, of a run.
struct RunItem {
  int index = 0;          // its place in the run, from 0
  int count = 0;          // the run's items
  base::Message caption;  // the page's caption
  std::string file;       // its file in the backup folder ("art.art", "logo.bmp")
  int records = 0;        // the records (logo rows) it exchanges
};

class RunObserver : public tables::OperationObserver {
 public:
  // Another item begins; the steps that follow, until the next item, are its records.
  virtual void ItemStarted(const RunItem& item) = 0;
  // A question of several lines, the last of which asks: a box shows them together, a
  // terminal may show the others before it asks.
  virtual bool ConfirmLines(const base::MessageList& question) {
    return Confirm(JoinedLines(question));
  }
};

}  // namespace kvitmark::backup
