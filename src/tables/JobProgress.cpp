#include "tables/JobProgress.h"

#include "common/VbNumbers.h"

namespace saltmark {

std::int32_t ProgressBarEdge(std::int32_t width, std::int64_t step, std::int64_t count) {
  if (count <= 0) return 0;
  return CLng(static_cast<double>(width) * static_cast<double>(step) / static_cast<double>(count));
}

}  // namespace saltmark
