#pragma once
// The checks the main window runs when the start date or time box loses the
// focus. A readable entry is written back in the program's own form; an
// unreadable one gets its message.
#include <string>
#include <string_view>

namespace saltmark {

struct BoxCheck {
  bool valid = true;
  std::string text;  // what the box shows afterwards
};

// An empty box stays empty; a date becomes "dd mmm yyyy"; anything else
// empties the box and is not valid, with this message.
inline constexpr std::string_view kDateNotValid =
    "Date not valid. Please use Date Format(s) defined in Windows Control Panel";
BoxCheck CheckDateBox(std::string_view text);

// An empty box stays empty; a time becomes "hh:nn"; anything else keeps the
// text as typed (the focus goes back to it) and is not valid, with this message.
inline constexpr std::string_view kTimeNotValid =
    "Time not valid or in unknown format.\rPlease use the Saltmark time format eg 07:59.";
BoxCheck CheckTimeBox(std::string_view text);

}  // namespace saltmark
