// What a user reads when the register's device does not open: each way it fails, and a
// busy device that this very process holds.
#include "link/port_failure.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>

namespace kvitmark::testing {
namespace {

using link::ConnectOutcome;

struct FailureCase {
  const char* name;
  ConnectOutcome outcome;
  const char* errorText;
  const char* expected;
};

class PortFailureTextTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PortFailureTextTest, SaysWhatToDoOrKeepsTheSystemsWords) {
  link::ConnectResult result;
  result.outcome = GetParam().outcome;
  result.errorText = GetParam().errorText;
  EXPECT_EQ(link::PortFailureText(result, "/dev/ttyKvitmarkNone0"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PortFailureTextTest,
    ::testing::Values(
        FailureCase{"Missing", ConnectOutcome::kPortMissing, "No such file or directory",
                    "Устройство /dev/ttyKvitmarkNone0 не найдено. Проверьте, что адаптер "
                    "подключен и выбран нужный порт."},
        FailureCase{"BusyWithNobodyToName", ConnectOutcome::kPortBusy, "Device or resource busy",
                    "/dev/ttyKvitmarkNone0 занят другой программой."},
        FailureCase{"NoPermission", ConnectOutcome::kNoPermission, "Permission denied",
                    "Нет доступа к /dev/ttyKvitmarkNone0. Добавьте пользователя в группу "
                    "dialout: sudo usermod -aG dialout $USER, затем войдите в систему заново."},
        FailureCase{"NotSerial", ConnectOutcome::kNotSerial, "Inappropriate ioctl for device",
                    "Inappropriate ioctl for device"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PortFailureText, BusyDevice_NamesTheProgramAndProcessHoldingIt) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string path = ptsname(master);
  const int held = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  std::string program;
  std::getline(std::ifstream("/proc/self/comm"), program);
  link::ConnectResult result;
  result.outcome = ConnectOutcome::kPortBusy;

  EXPECT_EQ(link::PortFailureText(result, path), path + " занят другой программой: " + program +
                                                     " (процесс " + std::to_string(getpid()) +
                                                     ").");
  close(held);
  close(master);
}

}  // namespace
}  // namespace kvitmark::testing
