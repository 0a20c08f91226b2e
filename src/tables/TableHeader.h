#pragma once
// Texts shared by the table headers, the graph windows and the web pages:
// the credit notice and the location title of a port or a secondary port.
#include <string>
#include <string_view>

#include "data/LocationRecord.h"

namespace saltmark {

// The program's credit notice with the year, e.g.
// "(c) 2026 Saltmark - not for navigation".
std::string CreditNotice(int year);
// This year by the computer's clock, for the credit notice.
int CurrentYear();

// A port's title: its name, a blank and its position text.
std::string PortLocationText(const LocationRecord& port);
// A secondary port's title: its name, " [", the reference port's name, "] ",
// its latitude text, a blank and its longitude text.
std::string SecondaryPortLocationText(std::string_view name, std::string_view referencePortName,
                                      std::string_view latitudeText, std::string_view longitudeText);

}  // namespace saltmark
