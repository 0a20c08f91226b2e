#pragma once
// Fast text for long listings (a year of 6-minute samples is 87,600 lines):
// numbers and instants are appended to one buffer with std::to_chars, which
// writes exactly what printf's "%.*g" would, without its locale and parsing
// cost; the caller writes the buffer out in large pieces.
#include <string>

#include "common/DateTime.h"

namespace saltmark {

// "YYYY-MM-DD HH:MM:SS".
void AppendListingInstant(std::string& out, DateTime instant);
// "YYYY-MM-DDTHH:MM:SS+hh:mm" (offset east positive).
void AppendIsoInstant(std::string& out, DateTime instant, int utcOffsetMinutes);
// As printf "%.<significant>g".
void AppendGeneral(std::string& out, double value, int significant);
void AppendInteger(std::string& out, long long value);

}  // namespace saltmark
