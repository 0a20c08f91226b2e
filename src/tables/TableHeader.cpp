#include "tables/TableHeader.h"

#include <chrono>

namespace saltmark {

std::string CreditNotice(int year) {
  return "(c) " + std::to_string(year) + " Saltmark - not for navigation";
}

int CurrentYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day(today).year());
}

std::string PortLocationText(const LocationRecord& port) { return port.portName + " " + port.positionText; }

std::string SecondaryPortLocationText(std::string_view name, std::string_view referencePortName,
                                      std::string_view latitudeText, std::string_view longitudeText) {
  std::string text(name);
  text += " [";
  text += referencePortName;
  text += "] ";
  text += latitudeText;
  text += " ";
  text += longitudeText;
  return text;
}

}  // namespace saltmark
