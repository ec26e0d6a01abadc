#pragma once

#include <optional>

#include "base/clock.h"
#include "base/message.h"
#include "tables/operation_observer.h"

namespace kvitmark::tables {

// How an operation ended, in one line the window's status bar keeps until the next:
// "Записано 30 из 30 записей, 11 с". Nothing for an operation that line does not speak of
// (the search, backup and restore have windows of their own).
std::optional<base::Message> OutcomeLine(const OperationStart& start,
                                         const OperationSummary& summary, base::Milliseconds took);

}  // namespace kvitmark::tables
