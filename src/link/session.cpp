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

base::Message SessionLine(const Session& session) {
  const Endpoint& where = session.Where();
  const bool namedByItself = where.ComNumber() == 0 && !where.OnNetwork();
  return base::Message(KV_PATTERN("link", "%1 · %2 бит/с · ЭККА %3"))
      .ArgUtf8(namedByItself ? where.Opened() : where.Name())
      .Arg(session.Speed())
      .Arg(session.RegisterNumber());
}

}  // namespace kvitmark::link
