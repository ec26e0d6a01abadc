#include "link/port_failure.h"

#include "link/device_holder.h"

namespace kvitmark::link {

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
    default:
      return result.errorText;
  }
}

}  // namespace kvitmark::link
