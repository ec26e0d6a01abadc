#include "link/port_failure.h"

#include <cerrno>

#include "link/device_holder.h"
#include "link/network_address.h"

namespace kvitmark::link {
namespace {

// Why a network port did not connect, as the end of "Нет соединения с HOST:PORT: …".
std::string NoConnectionReason(const ConnectResult& result) {
  switch (result.errorNumber) {
    case ECONNREFUSED:
      return "соединение отклонено";
    case ETIMEDOUT:
      return "нет ответа";
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
      return "узел недоступен";
    case ECONNRESET:
      // ser2net, for one, drops a connection to a port that already has its user.
      return "соединение разорвано (порт может быть занят другим подключением)";
    case EADDRNOTAVAIL:
      return "имя узла не найдено";
    default:
      return result.errorText;
  }
}

}  // namespace

std::string PortFailureText(const ConnectResult& result, const std::string& devicePath) {
  switch (result.outcome) {
    case ConnectOutcome::kPortMissing:
      return "Устройство " + devicePath +
             " не найдено. Проверьте, что адаптер подключен и выбран нужный порт.";
    case ConnectOutcome::kPortBusy: {
      const auto holder = FindDeviceHolder(devicePath);
      if (!holder) return devicePath + " занят другой программой.";
      const std::string process = std::string("процесс ").append(std::to_string(holder->processId));
      if (holder->program.empty())
        return devicePath + " занят другой программой (" + process + ").";
      return devicePath + " занят другой программой: " + holder->program + " (" + process + ").";
    }
    case ConnectOutcome::kNoPermission:
      return "Нет доступа к " + devicePath +
             ". Добавьте пользователя в группу dialout: sudo usermod -aG dialout $USER, затем "
             "войдите в систему заново.";
    case ConnectOutcome::kNoConnection:
      if (!ParseNetworkAddress(devicePath)) {
        return "Неверный сетевой адрес " + devicePath +
               ": нужен rfc2217://ХОСТ:ПОРТ или tcp://ХОСТ:ПОРТ.";
      }
      return "Нет соединения с " + HostAndPort(devicePath) + ": " + NoConnectionReason(result);
    case ConnectOutcome::kNotSerial:
      if (IsNetworkDevice(devicePath)) {
        return HostAndPort(devicePath) + " не принимает настройки линии по RFC 2217 (" +
               result.errorText + "). Если это порт без RFC 2217, укажите tcp://" +
               HostAndPort(devicePath) + ".";
      }
      return result.errorText;
    default:
      return result.errorText;
  }
}

}  // namespace kvitmark::link
