#pragma once
// The rows of the "highest", "lowest" and "fastest" listings: the K best of
// the period, best first, each kept with the value it was ranked by. A later
// row of equal value ranks below the earlier one. Rows are offered as the
// period runs; only those that beat the start value are kept.
#include <cstddef>
#include <string>
#include <vector>

#include "tables/TableText.h"

namespace saltmark {

class RankedRows {
 public:
  enum class Best { Highest, Lowest };

  RankedRows(std::size_t slots, float start, Best best) : values_(slots, start), texts_(slots), best_(best) {}

  void offer(float value, std::string text);

  // The kept rows, best first; numbered puts the rank ("3 ") before each.
  void write(TableText& out, bool numbered) const;

 private:
  bool beats(float value, float kept) const { return best_ == Best::Highest ? kept < value : kept > value; }

  std::vector<float> values_;
  std::vector<std::string> texts_;
  Best best_;
  std::size_t kept_ = 0;
};

}  // namespace saltmark
