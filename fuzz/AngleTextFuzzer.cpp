// Latitude and longitude boxes of any text: the reader never fails and gives
// a number; the display form it leads to reads back as the same place (to
// the tenth of a minute it shows), and a box normalised twice shows the same.
// The input's first line may also serve as a template of its own.
#include <cmath>

#include "FuzzSupport.h"
#include "common/VbNumbers.h"
#include "locations/Positions.h"

using namespace saltmark;

namespace {

// Degrees brought into (-180, 180], as the display does.
double turnDegrees(double radians) {
  double d = std::fmod(radians * 180 / kPi, 360.0);
  if (d <= -180) d += 360;
  if (d > 180) d -= 360;
  return d;
}

void checkBox(int kind, std::string_view text) {
  const double angle = ParseAngleText(kind, kPositionTemplate, text);
  FUZZ_CHECK(std::isfinite(angle));
  const std::string shown = FormatLatLon(angle, kind);
  const std::string again = FormatLatLon(ParseAngleText(kind, kPositionTemplate, shown), kind);
  // 180 degrees east and west are one meridian, and a hair below zero shows
  // as 00°00.0'S; either hemisphere letter may come back for those.
  const std::string figures = shown.substr(0, shown.size() - 1);
  const bool eitherHemisphere = figures.starts_with("180") || figures.find_first_not_of("0\xB0.'") == std::string::npos;
  FUZZ_CHECK(again == shown || (eitherHemisphere && again.substr(0, again.size() - 1) == figures));
  const double typed = turnDegrees(angle);
  const double read = turnDegrees(ParseAngleText(kind, kPositionTemplate, shown));
  double apart = std::fabs(typed - read);
  apart = std::min(apart, 360 - apart);
  FUZZ_CHECK(apart <= 0.05 / 60 + 1e-6 * std::max(1.0, std::fabs(typed)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::asText(data, size);
  checkBox(kLatitude, input);
  checkBox(kLongitude, input);
  FUZZ_CHECK(NormaliseLatitudeText(input) == FormatLatLon(ParseLatitude(kPositionTemplate, input), kLatitude));

  const std::size_t split = input.find('\n');
  if (split != std::string_view::npos)
    FUZZ_CHECK(std::isfinite(ParseAngleText(size % 2 ? kLatitude : kLongitude, input.substr(0, split),
                                            input.substr(split + 1))));
  return 0;
}
