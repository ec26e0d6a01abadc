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
  const char* device = nullptr;  // a network port's URL; the local device when none
  int errorNumber = 0;
};

class PortFailureTextTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PortFailureTextTest, SaysWhatToDoOrKeepsTheSystemsWords) {
  link::ConnectResult result;
  result.outcome = GetParam().outcome;
  result.error = base::Message::DataUtf8(GetParam().errorText);
  EXPECT_EQ(base::RenderUtf8(link::PortFailureText(result, "/dev/ttyKvitmarkNone0")),
            GetParam().expected);
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

class NetworkFailureTextTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(NetworkFailureTextTest, NamesTheHostAndPortAndWhy) {
  link::ConnectResult result;
  result.outcome = GetParam().outcome;
  result.error = base::Message::DataUtf8(GetParam().errorText);
  result.errorNumber = GetParam().errorNumber;
  EXPECT_EQ(base::RenderUtf8(link::PortFailureText(result, GetParam().device)),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, NetworkFailureTextTest,
    ::testing::Values(
        FailureCase{"Refused", ConnectOutcome::kNoConnection, "",
                    "Нет соединения с 192.168.1.20:4001: соединение отклонено",
                    "rfc2217://192.168.1.20:4001", ECONNREFUSED},
        FailureCase{"NoAnswer", ConnectOutcome::kNoConnection, "",
                    "Нет соединения с 10.0.0.7:4001: нет ответа", "tcp://10.0.0.7:4001", ETIMEDOUT},
        FailureCase{"Unreachable", ConnectOutcome::kNoConnection, "",
                    "Нет соединения с [fe80::1]:23: узел недоступен", "rfc2217://[fe80::1]:23",
                    EHOSTUNREACH},
        FailureCase{"DroppedAtOnce", ConnectOutcome::kNoConnection, "",
                    "Нет соединения с 10.0.0.7:4001: соединение разорвано (порт может быть "
                    "занят другим подключением)",
                    "rfc2217://10.0.0.7:4001", ECONNRESET},
        FailureCase{"UnknownName", ConnectOutcome::kNoConnection, "",
                    "Нет соединения с shop7.local:4001: имя узла не найдено",
                    "rfc2217://shop7.local:4001", EADDRNOTAVAIL},
        FailureCase{"NotAnAddress", ConnectOutcome::kNoConnection, "",
                    "Неверный сетевой адрес rfc2217://shop7: нужен rfc2217://ХОСТ:ПОРТ или "
                    "tcp://ХОСТ:ПОРТ.",
                    "rfc2217://shop7", EDESTADDRREQ},
        FailureCase{"NoComPortOption", ConnectOutcome::kNotSerial, "cannot set speed",
                    "10.0.0.7:4001 не принимает настройки линии по RFC 2217 (cannot set speed). "
                    "Если это порт без RFC 2217, укажите tcp://10.0.0.7:4001.",
                    "rfc2217://10.0.0.7:4001", EOPNOTSUPP}),
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

  EXPECT_EQ(base::RenderUtf8(link::PortFailureText(result, path)),
            path + " занят другой программой: " + program + " (процесс " +
                std::to_string(getpid()) + ").");
  close(held);
  close(master);
}

}  // namespace
}  // namespace kvitmark::testing
