#pragma once

#include <string>
#include <string_view>

// A word after a number takes one of three forms: "1 запись", "2 записи", "5 записей". Russian
// and Ukrainian choose among them by the same rule, so the caller gives the three forms of
// its language and case ("1 записи … не удалось" asks for the genitive: записи, записей,
// записей) and the number picks one.
namespace kvitmark::base {

struct CountForms {
  std::string_view one;   // 1, 21, 101 …
  std::string_view few;   // 2–4, 22–24 …
  std::string_view many;  // 0, 5–20, 25–30 … and every number ending in 11–14
};

enum class CountCategory {
  kOne,   // 1, 21, 101 …
  kFew,   // 2–4, 22–24 …
  kMany,  // 0, 5–20, 25–30 … and every number ending in 11–14
};

// The category a count's word takes; a negative count agrees as its magnitude does.
CountCategory CountCategoryOf(long long count);

// The form that agrees with `count`; a negative count agrees as its magnitude does.
std::string_view CountForm(long long count, const CountForms& forms);

// "<count> <form>": "21 запись", "3 записи".
std::string WithCount(long long count, const CountForms& forms);

}  // namespace kvitmark::base
