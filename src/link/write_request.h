#pragma once

#include <cstddef>
#include <string_view>

// What the link will not send as a write, decided in one place: the write itself keeps to it,
// and so does everything that promises a record will go through before the first one is sent
// (the write's own plan, a backup's check, a goods list taken from a spreadsheet).
namespace kvitmark::link {

struct WriteRefusal {
  enum class Reason {
    kNone,
    kTooLong,      // the request would be longer than one frame carries
    kUnframeable,  // a byte no frame can carry: a CR, which ends the frame, or a NUL
  };
  Reason reason = Reason::kNone;
  size_t limit = 0;     // kTooLong: the longest data a request for the record carries
  size_t position = 0;  // kUnframeable: where in the data that byte stands
  bool Refused() const { return reason != Reason::kNone; }
};

// Whether a write of `data` into record `record` of table `table` would be refused, and why.
WriteRefusal RefusedWrite(int table, int record, std::string_view data);

}  // namespace kvitmark::link
