#pragma once

namespace kvitmark::cli {

// The machine's serial ports, one a line: the device path, a tab, what it is. An empty list
// is an answer too (exit status 0): no adapter is plugged in.
int ListPorts();

}  // namespace kvitmark::cli
