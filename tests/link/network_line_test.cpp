// A register behind the network as the link sees it: URLs, and the line over a real TCP
// connection on the loopback address (raw TCP; RFC 2217 is met with ser2net in tests/e2e).
#include "link/network_line.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <string>

#include "link/network_address.h"

namespace kvitmark::testing {
namespace {

using link::NetworkProtocol;

struct AddressCase {
  const char* device;
  bool network;                         // taken for the network at all
  std::optional<NetworkProtocol> kind;  // well formed: which
  const char* host;
  int port;
};

class NetworkAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(NetworkAddressTest, ParsesWhatItCanAndKnowsANetworkDevice) {
  const AddressCase& c = GetParam();
  EXPECT_EQ(link::IsNetworkDevice(c.device), c.network);
  const auto address = link::ParseNetworkAddress(c.device);
  ASSERT_EQ(address.has_value(), c.kind.has_value()) << c.device;
  if (!address) return;
  EXPECT_EQ(address->protocol, *c.kind);
  EXPECT_EQ(address->host, c.host);
  EXPECT_EQ(address->port, c.port);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, NetworkAddressTest,
    ::testing::Values(AddressCase{"rfc2217://192.168.1.20:4001", true, NetworkProtocol::kRfc2217,
                                  "192.168.1.20", 4001},
                      AddressCase{"tcp://shop-7.example:23/", true, NetworkProtocol::kRawTcp,
                                  "shop-7.example", 23},
                      AddressCase{"RFC2217://[::1]:4001", true, NetworkProtocol::kRfc2217, "::1",
                                  4001},
                      AddressCase{"rfc2217://10.0.0.7", true, std::nullopt, "", 0},
                      AddressCase{"rfc2217://10.0.0.7:0", true, std::nullopt, "", 0},
                      AddressCase{"tcp://10.0.0.7:65536", true, std::nullopt, "", 0},
                      AddressCase{"tcp://:4001", true, std::nullopt, "", 0},
                      AddressCase{"tcp://a,b:4001", true, std::nullopt, "", 0},
                      AddressCase{"rfc2217://10.0.0.7:40x1", true, std::nullopt, "", 0},
                      AddressCase{"/dev/ttyUSB0", false, std::nullopt, "", 0},
                      AddressCase{"telnet://10.0.0.7:23", false, std::nullopt, "", 0}));

// A TCP server on the loopback address that takes one connection; the test plays the far side.
class FarSide {
 public:
  FarSide() {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 1);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~FarSide() {
    if (connection_ >= 0) close(connection_);
    close(listener_);
  }
  std::string Url() const { return "tcp://127.0.0.1:" + std::to_string(port_); }
  // The connection the line made (it is complete before it is taken).
  void Accept() { connection_ = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC); }
  void Send(const std::string& bytes) {
    ASSERT_EQ(send(connection_, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
  }
  std::string Receive(size_t count) {
    std::string bytes(count, '\0');
    size_t got = 0;
    while (got < count) {
      const ssize_t n = recv(connection_, bytes.data() + got, count - got, 0);
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
  }
  void HangUp() {
    close(connection_);
    connection_ = -1;
  }

 private:
  int listener_ = -1;
  int connection_ = -1;
  int port_ = 0;
};

double SecondsOf(const std::function<void()>& what) {
  const auto start = std::chrono::steady_clock::now();
  what();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(NetworkSerialLine, RawTcp_EveryByteBothWaysAndTheReadTimeOutHolds) {
  FarSide farSide;
  link::NetworkSerialLine line(farSide.Url());
  ASSERT_TRUE(line.Open()) << base::RenderUtf8(line.Error());
  farSide.Accept();
  ASSERT_TRUE(line.Configure({.speed = 9600}));  // nothing to set on raw TCP
  ASSERT_TRUE(line.SetReadTimeout(base::Milliseconds(200)));
  EXPECT_GE(line.Handle(), 0);

  const std::string allBytes = [] {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
  }();
  ASSERT_TRUE(line.Write(allBytes));
  EXPECT_EQ(farSide.Receive(allBytes.size()), allBytes);
  farSide.Send(allBytes);
  std::string received;
  while (received.size() < allBytes.size()) {
    const auto byte = line.ReadByte();
    ASSERT_TRUE(byte.has_value()) << received.size();
    received.push_back(static_cast<char>(*byte));
  }
  EXPECT_EQ(received, allBytes);

  std::optional<uint8_t> nothing;
  const double waited = SecondsOf([&] { nothing = line.ReadByte(); });
  EXPECT_FALSE(nothing.has_value());
  EXPECT_GE(waited, 0.19);
  EXPECT_LT(waited, 1.0);
  EXPECT_FALSE(line.Gone());
}

TEST(NetworkSerialLine, FarSideHangsUp_ReadsFailAtOnceAndWritesFail) {
  FarSide farSide;
  link::NetworkSerialLine line(farSide.Url());
  ASSERT_TRUE(line.Open()) << base::RenderUtf8(line.Error());
  farSide.Accept();
  ASSERT_TRUE(line.SetReadTimeout(base::Milliseconds(2000)));
  farSide.Send("\x0A");
  farSide.HangUp();

  EXPECT_EQ(line.ReadByte(), std::optional<uint8_t>(0x0A)) << "what came before the hang-up";
  const double waited = SecondsOf([&] { EXPECT_FALSE(line.ReadByte().has_value()); });
  EXPECT_LT(waited, 0.5) << "not the whole time-out";
  EXPECT_TRUE(line.Gone());
  EXPECT_LT(SecondsOf([&] { EXPECT_FALSE(line.ReadByte().has_value()); }), 0.05);
  EXPECT_FALSE(line.Write("\xFF\xFF\x13\x13"));
  EXPECT_EQ(line.ErrorNumber(), ECONNRESET);
}

}  // namespace
}  // namespace kvitmark::testing
