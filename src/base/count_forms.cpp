#include "base/count_forms.h"

namespace kvitmark::base {

std::string_view CountForm(long long count, const CountForms& forms) {
  // The magnitude's last two digits decide; taken so that the smallest long long is no
  // overflow.
  const long long lastTwo = count < 0 ? -(count % 100) : count % 100;
  const long long last = lastTwo % 10;
  if (lastTwo >= 11 && lastTwo <= 14) return forms.many;
  if (last == 1) return forms.one;
  if (last >= 2 && last <= 4) return forms.few;
  return forms.many;
}

std::string WithCount(long long count, const CountForms& forms) {
  std::string text = std::to_string(count);
  text.push_back(' ');
  text.append(CountForm(count, forms));
  return text;
}

}  // namespace kvitmark::base
