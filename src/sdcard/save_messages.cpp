#include "sdcard/save_messages.h"

#include "base/cp1251.h"

namespace kvitmark::sdcard {

files::FileReport SaveReport(files::SaveOutcome outcome) {
  using base::Cp1251;
  switch (outcome) {
    case files::SaveOutcome::kSaved:
      break;
    case files::SaveOutcome::kCannotCreate:
      return {false, files::FileMessage{Cp1251("Ошибка открытия файла"),
                                        Cp1251("Ошибка работы с файлом")}};
    case files::SaveOutcome::kWriteFailed:
      return {false, files::FileMessage{Cp1251("Ошибка записи данных в файл"),
                                        Cp1251("Ошибка работы с файлом")}};
  }
  return {true, std::nullopt};
}

}  // namespace kvitmark::sdcard
