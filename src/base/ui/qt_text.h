#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one place where the program's code page 1251 text meets Qt's Unicode strings.
namespace kvitmark::base::ui {

QString FromCp1251(std::string_view cp1251);

// A character the code page cannot hold becomes '?'; the editors never let one in.
std::string ToCp1251(const QString& text);

// True when every character of `text` has a byte in code page 1251.
bool FitsCp1251(const QString& text);

}  // namespace kvitmark::base::ui
