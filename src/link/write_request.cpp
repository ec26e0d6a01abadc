#include "link/write_request.h"

#include <string>

#include "link/register_link.h"

namespace kvitmark::link {

WriteRefusal RefusedWrite(int table, int record, std::string_view data) {
  // "W<table>;<record>;" comes before the data.
  const size_t head = 1 + std::to_string(table).size() + 1 + std::to_string(record).size() + 1;
  const size_t limit = kMaxWriteRequestText > head ? kMaxWriteRequestText - head : 0;
  if (data.size() > limit) return {WriteRefusal::Reason::kTooLong, limit, 0};
  const size_t unframeable = data.find_first_of(std::string_view("\r\0", 2));
  if (unframeable != std::string_view::npos) {
    return {WriteRefusal::Reason::kUnframeable, limit, unframeable};
  }
  return {WriteRefusal::Reason::kNone, limit, 0};
}

}  // namespace kvitmark::link
