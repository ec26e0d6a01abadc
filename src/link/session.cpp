#include "link/session.h"

namespace kvitmark::link {

bool Session::IsOpen() const {
  const Endpoint* open = link_.OpenEndpoint();
  return open && *open == endpoint_;
}

int Session::Reopen() {
  Close();
  return link_.Open(endpoint_, speed_);
}

void Session::Close() {
  if (IsOpen()) link_.Close();
}

}  // namespace kvitmark::link
