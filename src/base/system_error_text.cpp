#include "base/system_error_text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kvitmark::base {

std::string SystemErrorWords(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return "нет такого файла или папки";
    case EACCES:
    case EPERM:
      return "нет доступа";
    case ENOSPC:
    case EDQUOT:
      return "нет места на диске";
    case EROFS:
      return "диск только для чтения";
    case EBUSY:
    case ETXTBSY:
      return "занят другой программой";
    case EISDIR:
      return "это папка, а не файл";
    // What a serial device says when it is not one, or has been pulled out.
    case ENOTTY:
      return "это не последовательный порт";
    case ENODEV:
    case ENXIO:
      return "устройство не найдено";
    case EIO:
      return "ошибка ввода-вывода";
    case ETIMEDOUT:
      return "время ожидания истекло";
    default:
      return std::strerror(errorNumber);
  }
}

std::string SystemErrorText(int errorNumber, const std::string& path) {
  return path + ": " + SystemErrorWords(errorNumber);
}

std::string ExceptionText(const std::exception& error) {
  if (const auto* fileError = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
    if ((fileError->code().category() == std::generic_category() ||
         fileError->code().category() == std::system_category()) &&
        !fileError->path1().empty()) {
      return SystemErrorText(fileError->code().value(), fileError->path1().string());
    }
  }
  if (const auto* systemError = dynamic_cast<const std::system_error*>(&error)) {
    if (systemError->code().category() == std::generic_category() ||
        systemError->code().category() == std::system_category()) {
      return SystemErrorWords(systemError->code().value());
    }
  }
  return error.what();
}

}  // namespace kvitmark::base
