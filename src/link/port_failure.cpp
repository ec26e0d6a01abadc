#include "link/port_failure.h"

#include <cerrno>

#include "base/text_pattern.h"
#include "link/device_holder.h"
#include "link/network_address.h"

namespace kvitmark::link {
namespace {

// Why a network port did not connect, as the end of "Нет соединения с HOST:PORT: …".
base::Message NoConnectionReason(const ConnectResult& result) {
  switch (result.errorNumber) {
    case ECONNREFUSED:
      return KV_PATTERN("link", "соединение отклонено");
    case ETIMEDOUT:
      return KV_PATTERN("link", "нет ответа");
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
      return KV_PATTERN("link", "узел недоступен");
    case ECONNRESET:
      // ser2net, for one, drops a connection to a port that already has its user.
      return KV_PATTERN("link", "соединение разорвано (порт может быть занят другим подключением)");
    case EADDRNOTAVAIL:
      return KV_PATTERN("link", "имя узла не найдено");
    default:
      return result.error;
  }
}

}  // namespace

base::Message PortFailureText(const ConnectResult& result, const std::string& devicePath) {
  using base::Message;
  switch (result.outcome) {
    case ConnectOutcome::kPortMissing:
      return Message(KV_PATTERN("link",
                                "Устройство %1 не найдено. Проверьте, что адаптер подключен и "
                                "выбран нужный порт."))
          .ArgUtf8(devicePath);
    case ConnectOutcome::kPortBusy: {
      const auto holder = FindDeviceHolder(devicePath);
      if (!holder) {
        return Message(KV_PATTERN("link", "%1 занят другой программой.")).ArgUtf8(devicePath);
      }
      if (holder->program.empty()) {
        return Message(KV_PATTERN("link", "%1 занят другой программой (процесс %2)."))
            .ArgUtf8(devicePath)
            .Arg(holder->processId);
      }
      return Message(KV_PATTERN("link", "%1 занят другой программой: %2 (процесс %3)."))
          .ArgUtf8(devicePath)
          .ArgUtf8(holder->program)
          .Arg(holder->processId);
    }
    case ConnectOutcome::kNoPermission:
      return Message(KV_PATTERN("link",
                                "Нет доступа к %1. Добавьте пользователя в группу dialout: "
                                "sudo usermod -aG dialout $USER, затем войдите в систему "
                                "заново."))
          .ArgUtf8(devicePath);
    case ConnectOutcome::kNoConnection:
      if (!ParseNetworkAddress(devicePath)) {
        return Message(KV_PATTERN("link",
                                  "Неверный сетевой адрес %1: нужен rfc2217://ХОСТ:ПОРТ или "
                                  "tcp://ХОСТ:ПОРТ."))
            .ArgUtf8(devicePath);
      }
      return Message(KV_PATTERN("link", "Нет соединения с %1: %2"))
          .ArgUtf8(HostAndPort(devicePath))
          .Arg(NoConnectionReason(result));
    case ConnectOutcome::kNotSerial:
      if (IsNetworkDevice(devicePath)) {
        return Message(KV_PATTERN("link",
                                  "%1 не принимает настройки линии по RFC 2217 (%2). Если это "
                                  "порт без RFC 2217, укажите tcp://%1."))
            .ArgUtf8(HostAndPort(devicePath))
            .Arg(result.error);
      }
      return result.error;
    default:
      return result.error;
  }
}

}  // namespace kvitmark::link
