#pragma once

#include "files/table_file_writer.h"
#include "files/table_files.h"

// What a save of the sales file or of the goods file for the card tells the user.
namespace kvitmark::sdcard {

// Nothing when the file was saved whole; a message in code page 1251 otherwise.
files::FileReport SaveReport(files::SaveOutcome outcome);

}  // namespace kvitmark::sdcard
