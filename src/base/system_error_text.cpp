#include "base/system_error_text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/text_pattern.h"

namespace kvitmark::base {

Message SystemErrorMessage(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return KV_PATTERN("base", "нет такого файла или папки");
    case EACCES:
    case EPERM:
      return KV_PATTERN("base", "нет доступа");
    case ENOSPC:
    case EDQUOT:
      return KV_PATTERN("base", "нет места на диске");
    case EROFS:
      return KV_PATTERN("base", "диск только для чтения");
    case EBUSY:
    case ETXTBSY:
      return KV_PATTERN("base", "занят другой программой");
    case EISDIR:
      return KV_PATTERN("base", "это папка, а не файл");
    // What a serial device says when it is not one, or has been pulled out.
    case ENOTTY:
      return KV_PATTERN("base", "это не последовательный порт");
    case ENODEV:
    case ENXIO:
      return KV_PATTERN("base", "устройство не найдено");
    case EIO:
      return KV_PATTERN("base", "ошибка ввода-вывода");
    case ETIMEDOUT:
      return KV_PATTERN("base", "время ожидания истекло");
    case kUntrustedLink:
      return KV_PATTERN("base", "чужая символическая ссылка в общей папке");
    default:
      return Message::DataUtf8(std::strerror(errorNumber));
  }
}

Message SystemErrorText(int errorNumber, const std::string& path) {
  return Message(KV_PATTERN("base", "%1: %2")).ArgUtf8(path).Arg(SystemErrorMessage(errorNumber));
}

Message ExceptionText(const std::exception& error) {
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
      return SystemErrorMessage(systemError->code().value());
    }
  }
  return Message::DataUtf8(error.what());
}

}  // namespace kvitmark::base
