#pragma once

#include <string>

#include "tables/operation_observer.h"

// A backup or a restore is one run over many tables and the logo. Its observer hears the
// run as one operation (started, a step per record over the whole run, the prompt, "Стоп",
// finished) and, besides, which table is being done.
namespace kvitmark::backup {

// One table, or the logo, of a run.
struct RunItem {
  int index = 0;        // its place in the run, from 0
  int count = 0;        // the run's items
  std::string caption;  // the page's caption, code page 1251
  std::string file;     // its file in the backup folder ("art.art", "logo.bmp")
  int records = 0;      // the records (logo rows) it exchanges
};

class RunObserver : public tables::OperationObserver {
 public:
  // Another item begins; the steps that follow, until the next item, are its records.
  virtual void ItemStarted(const RunItem& item) = 0;
};

}  // namespace kvitmark::backup
