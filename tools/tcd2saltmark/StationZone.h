#pragma once
// The zone a port is filed in: its local standard (winter) time, from the
// station's zoneinfo name, in hours positive west as the tide database wants
// it (New York 5, Guam -10). Filing a port in its own standard zone lets the
// program's automatic local zone show the local time a user there expects.
#include <optional>
#include <string_view>

namespace saltmark::tcd {

// The standard offset of a zoneinfo name (with or without the leading ":"),
// looked up through the C library with TZ set, over the given year. Nothing
// when the system has no such zone. Not thread-safe: it sets TZ for a moment
// and puts the old value back.
std::optional<double> StandardZoneHoursWest(std::string_view tzfile, int year);

// The nautical zone of a longitude (degrees east), hours positive west: the
// fallback for a station whose zone is unknown.
double NauticalZoneHoursWest(double longitudeEast);

}  // namespace saltmark::tcd
