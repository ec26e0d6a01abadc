// kvitmark-cli against far sides on the network that are no register's converter: one that
// takes the connection and says nothing, one that starts RFC 2217's negotiation and never
// finishes it, one that agrees to it and then answers no line setting, one that floods the
// connection. Each ends the command with status 1 and a message saying what went wrong; that
// it ends at all is what ctest's time limit checks (the time it takes is bench_network's).
#include <gtest/gtest.h>

#include <string>

#include "child_process.h"
#include "misbehaving_peer.h"

namespace kvitmark {
namespace {

using testing::ChildProcess;
using testing::MisbehavingPeer;
using testing::PeerManner;

// Far beyond what any of them takes, so that only a command that never ends fails on time.
constexpr int kLimitMs = 60000;

struct PeerCase {
  const char* name;
  PeerManner manner;
  const char* scheme;
  const char* told;  // part of what the command says
};

class MisbehavingPeers : public ::testing::TestWithParam<PeerCase> {};

TEST_P(MisbehavingPeers, PresenceEndsWithStatusOneAndSaysWhy) {
  const PeerCase& c = GetParam();
  MisbehavingPeer peer(c.manner);
  ASSERT_NE(peer.Port(), 0);
  ChildProcess cli(KVITMARK_CLI_PATH,
                   {"--device", std::string(c.scheme) + peer.Address(), "presence"});
  ASSERT_TRUE(cli.Spawned());
  cli.AllOutput(kLimitMs);
  EXPECT_EQ(cli.Wait(kLimitMs), 1) << cli.ErrorOutput();
  EXPECT_NE(cli.ErrorOutput().find(c.told), std::string::npos) << cli.ErrorOutput();
}

constexpr const char* kNoRfc2217 = "не принимает настройки линии по RFC 2217";

INSTANTIATE_TEST_SUITE_P(
    Peers, MisbehavingPeers,
    ::testing::Values(PeerCase{"SilentRfc2217", PeerManner::kSilent, "rfc2217://",
                               "no answer to the COM-PORT option"},
                      PeerCase{"EndlessSubnegotiation", PeerManner::kEndlessSubnegotiation,
                               "rfc2217://", "no answer to the COM-PORT option"},
                      PeerCase{"AgreesButNeverSets", PeerManner::kAgreesButNeverSets, "rfc2217://",
                               kNoRfc2217},
                      PeerCase{"FloodsRfc2217", PeerManner::kFloods, "rfc2217://", kNoRfc2217},
                      // Raw TCP has nothing to agree: the register is asked, and does not answer.
                      PeerCase{"SilentTcp", PeerManner::kSilent, "tcp://", "Касса не обнаружена"},
                      PeerCase{"FloodsTcp", PeerManner::kFloods, "tcp://", "Касса не обнаружена"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark
