#include "tables/RankedRows.h"

namespace saltmark {

void RankedRows::offer(float value, std::string text) {
  for (std::size_t j = 0; j < values_.size(); ++j) {
    if (beats(value, values_[j])) {
      for (std::size_t k = values_.size() - 1; k > j; --k) {
        values_[k] = values_[k - 1];
        texts_[k] = std::move(texts_[k - 1]);
      }
      values_[j] = value;
      texts_[j] = std::move(text);
      ++kept_;
      return;
    }
  }
}

void RankedRows::write(TableText& out, bool numbered) const {
  const std::size_t shown = kept_ < values_.size() ? kept_ : values_.size();
  for (std::size_t j = 0; j < shown; ++j)
    out.AppendTableLine(numbered ? std::to_string(j + 1) + " " + texts_[j] : texts_[j]);
}

}  // namespace saltmark
