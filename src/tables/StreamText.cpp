#include "tables/StreamText.h"

#include "common/NumberFormat.h"

namespace saltmark {

std::string FormatSpeed(float rate) { return FormatNumberPoint(rate, " #0.0; -#0.0; 0.0"); }

std::string FormatDegrees(std::int16_t direction) { return FormatNumberPoint(direction, "000"); }

}  // namespace saltmark
