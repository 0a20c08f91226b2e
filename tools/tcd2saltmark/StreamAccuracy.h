#pragma once
// How close the written stream stations come to the full harmonic current of
// the same constants in a year they were not fitted to, as a Markdown page:
// the vector error, slack-water and strongest-stream times, the strongest
// rate and how often the set is well off, by class of form factor.
#include <string>

#include "Conversion.h"

namespace saltmark::tcd {

std::string StreamAccuracyMarkdown(const TcdData& data, const Conversion& conversion, int year);

}  // namespace saltmark::tcd
