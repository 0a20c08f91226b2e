#pragma once
// The number-pattern engine behind every figure the program shows, prints,
// tabulates or writes to a web page.
//
// A pattern has up to three sections separated by ";": positive;negative;zero.
//   "0"  a digit that is always shown (leading and trailing zeros included)
//   "#"  a digit shown only when significant
//   "."  the decimal point (the first one in a section; later ones are literal)
//   "\x" the character x literally; "text" in double quotes literally
//   anything else (a blank, "-", "+", "'", ...) is copied unchanged.
//
// The value is rounded to the decimals that the chosen section shows, halves
// away from zero, judged on the exact value the double holds (so 3.25 gives
// 3.3, but 1.005, held as 1.00499999..., gives 1.00). A number with more
// integer digits than the pattern has places shows all of them. A negative
// number formatted by a negative section takes its sign from that section;
// without one, "-" is put in front of the positive section's text. A value
// that rounds to zero is formatted by the zero section when there is one,
// otherwise by the positive section, and never carries a minus sign. An empty
// section falls back to the positive one; an empty pattern gives the general
// form (up to 15 significant digits).
//
// The result never contains ",": the decimal mark is always ".", whatever the
// locale, so tables and web pages read the same everywhere. A non-finite value
// is an arithmetic fault and raises RuntimeError(errc::kOverflow).
#include <string>
#include <string_view>

namespace saltmark {

std::string FormatNumberPoint(double value, std::string_view pattern);

}  // namespace saltmark
