// The system's reasons a user reads: in Russian for the everyday ones, with the path kept,
// the system's own words for the rest.
#include "base/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace kvitmark::base {
namespace {

struct ErrorCase {
  const char* name;
  int errorNumber;
  const char* words;
};

class SystemErrorCases : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SystemErrorCases, SaysItInRussianAndKeepsThePath) {
  EXPECT_EQ(RenderUtf8(SystemErrorMessage(GetParam().errorNumber)), GetParam().words);
  EXPECT_EQ(RenderUtf8(SystemErrorText(GetParam().errorNumber, "/media/Касса 1/goods.art")),
            std::string("/media/Касса 1/goods.art: ") + GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Everyday, SystemErrorCases,
    ::testing::Values(ErrorCase{"NoFile", ENOENT, "нет такого файла или папки"},
                      ErrorCase{"NotAFolder", ENOTDIR, "нет такого файла или папки"},
                      ErrorCase{"NoPermission", EACCES, "нет доступа"},
                      ErrorCase{"NotPermitted", EPERM, "нет доступа"},
                      ErrorCase{"DiskFull", ENOSPC, "нет места на диске"},
                      ErrorCase{"QuotaFull", EDQUOT, "нет места на диске"},
                      ErrorCase{"ReadOnlyDisk", EROFS, "диск только для чтения"},
                      ErrorCase{"Busy", EBUSY, "занят другой программой"},
                      ErrorCase{"ProgramRunning", ETXTBSY, "занят другой программой"},
                      ErrorCase{"AFolder", EISDIR, "это папка, а не файл"},
                      ErrorCase{"NotSerial", ENOTTY, "это не последовательный порт"},
                      ErrorCase{"Unplugged", EIO, "ошибка ввода-вывода"},
                      ErrorCase{"PlantedLink", kUntrustedLink,
                                "чужая символическая ссылка в общей папке"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemErrorText, RareError_KeepsTheSystemsWords) {
  EXPECT_EQ(RenderUtf8(SystemErrorText(EXDEV, "a.art")),
            std::string("a.art: ") + std::strerror(EXDEV));
}

TEST(ExceptionText, SystemErrorsInRussianOthersAsTheySayThemselves) {
  const std::filesystem::filesystem_error noFile(
      "cannot open", "/tmp/x.art", std::make_error_code(std::errc::no_such_file_or_directory));
  EXPECT_EQ(RenderUtf8(ExceptionText(noFile)), "/tmp/x.art: нет такого файла или папки");
  const std::system_error full(std::make_error_code(std::errc::no_space_on_device), "write");
  EXPECT_EQ(RenderUtf8(ExceptionText(full)), "нет места на диске");
  EXPECT_EQ(RenderUtf8(ExceptionText(std::out_of_range("no page at position 40"))),
            "no page at position 40");
}

}  // namespace
}  // namespace kvitmark::base
