#pragma once
// A table run as the progress window runs it: the generator's own outcome,
// or Failed when a computation could not go on (an overflow in the engine or
// in the formatting), which is reported in a message box instead of ending
// the program. The lines written before the failure stay in the text.
#include <functional>
#include <string_view>

#include "platform/Platform.h"
#include "tables/JobProgress.h"

namespace saltmark {

inline constexpr std::string_view kTableFailedMessage = "The table could not be completed: ";

JobOutcome RunTableJob(const std::function<JobOutcome()>& generate, Platform& platform);

}  // namespace saltmark
