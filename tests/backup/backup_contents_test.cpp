// The words of the backup's reports that agree with a number.
#include "backup/backup_contents.h"

#include <gtest/gtest.h>

#include <string>

#include "base/message.h"

namespace kvitmark::testing {
namespace {

struct Counted {
  int count;
  const char* text;  // UTF-8
};

TEST(BackupContents, RecordsTextAgreesWithItsNumber) {
  const Counted cases[] = {{0, "0 записей"},         {1, "1 запись"},        {2, "2 записи"},
                           {4, "4 записи"},          {5, "5 записей"},       {11, "11 записей"},
                           {12, "12 записей"},       {14, "14 записей"},     {21, "21 запись"},
                           {22, "22 записи"},        {111, "111 записей"},   {112, "112 записей"},
                           {14000, "14000 записей"}, {13991, "13991 запись"}};
  for (const Counted& counted : cases) {
    EXPECT_EQ(base::RenderUtf8(backup::RecordsText(counted.count)), counted.text) << counted.count;
  }
}

}  // namespace
}  // namespace kvitmark::testing
