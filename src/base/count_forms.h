#pragma once

// A word after a number takes one of three forms: "1 запись", "2 записи", "5 записей", and a
// text that carries a count is one of three patterns (base/text_pattern.h). Russian and
// Ukrainian choose among the three by the same rule, so each translation keeps its form:
// "1 запис", "2 записи", "5 записів".
namespace kvitmark::base {

enum class CountCategory {
  kOne,   // 1, 21, 101 …
  kFew,   // 2–4, 22–24 …
  kMany,  // 0, 5–20, 25–30 … and every number ending in 11–14
};

// The category a count's word takes; a negative count agrees as its magnitude does.
CountCategory CountCategoryOf(long long count);

// The one of three that agrees with `count`.
template <class Form>
const Form& Agreeing(long long count, const Form& one, const Form& few, const Form& many) {
  switch (CountCategoryOf(count)) {
    case CountCategory::kOne:
      return one;
    case CountCategory::kFew:
      return few;
    case CountCategory::kMany:
      return many;
  }
  return many;
}

}  // namespace kvitmark::base
