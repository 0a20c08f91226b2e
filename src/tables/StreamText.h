#pragma once
// Stream rates and directions as tables, graphs and the editors show them.
//   FormatSpeed    one decimal, a leading blank:  " 2.3", " -0.4", " 0.0"
//   FormatDegrees  three digits:                  "005", "270"
#include <cstdint>
#include <string>

namespace saltmark {

std::string FormatSpeed(float rate);
std::string FormatDegrees(std::int16_t direction);

}  // namespace saltmark
