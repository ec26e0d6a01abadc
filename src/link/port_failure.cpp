#include "link/port_failure.h"

#include <cerrno>

#include "base/text_pattern.h"
#include "base/translatable.h"
#include "link/device_holder.h"
#include "link/network_address.h"

namespace kvitmark::link {
namespace {

// Why a network port did not connect, as the end of "Нет соединения с HOST:PORT: …".
std::string NoConnectionReason(const ConnectResult& result) {
  switch (result.errorNumber) {
    case ECONNREFUSED:
      return KV_TR("link", "соединение отклонено");
    case ETIMEDOUT:
      return KV_TR("link", "нет ответа");
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
      return KV_TR("link", "узел недоступен");
    case ECONNRESET:
      // ser2net, for one, drops a connection to a port that already has its user.
      return KV_TR("link", "соединение разорвано (порт может быть занят другим подключением)");
    case EADDRNOTAVAIL:
      return KV_TR("link", "имя узла не найдено");
    default:
      return result.errorText;
  }
}

}  // namespace

std::string PortFailureText(const ConnectResult& result, const std::string& devicePath) {
  using base::FormatUtf8;
  switch (result.outcome) {
    case ConnectOutcome::kPortMissing:
      return FormatUtf8(KV_PATTERN("link",
                                   "Устройство %1 не найдено. Проверьте, что адаптер подключен и "
                                   "выбран нужный порт."),
                        {devicePath});
    case ConnectOutcome::kPortBusy: {
      const auto holder = FindDeviceHolder(devicePath);
      if (!holder)
        return FormatUtf8(KV_PATTERN("link", "%1 занят другой программой."), {devicePath});
      const std::string processId = std::to_string(holder->processId);
      if (holder->program.empty()) {
        return FormatUtf8(KV_PATTERN("link", "%1 занят другой программой (процесс %2)."),
                          {devicePath, processId});
      }
      return FormatUtf8(KV_PATTERN("link", "%1 занят другой программой: %2 (процесс %3)."),
                        {devicePath, holder->program, processId});
    }
    case ConnectOutcome::kNoPermission:
      return FormatUtf8(KV_PATTERN("link",
                                   "Нет доступа к %1. Добавьте пользователя в группу dialout: "
                                   "sudo usermod -aG dialout $USER, затем войдите в систему "
                                   "заново."),
                        {devicePath});
    case ConnectOutcome::kNoConnection:
      if (!ParseNetworkAddress(devicePath)) {
        return FormatUtf8(KV_PATTERN("link",
                                     "Неверный сетевой адрес %1: нужен rfc2217://ХОСТ:ПОРТ или "
                                     "tcp://ХОСТ:ПОРТ."),
                          {devicePath});
      }
      return FormatUtf8(KV_PATTERN("link", "Нет соединения с %1: %2"),
                        {HostAndPort(devicePath), NoConnectionReason(result)});
    case ConnectOutcome::kNotSerial:
      if (IsNetworkDevice(devicePath)) {
        return FormatUtf8(KV_PATTERN("link",
                                     "%1 не принимает настройки линии по RFC 2217 (%2). Если это "
                                     "порт без RFC 2217, укажите tcp://%1."),
                          {HostAndPort(devicePath), result.errorText});
      }
      return result.errorText;
    default:
      return result.errorText;
  }
}

}  // namespace kvitmark::link
