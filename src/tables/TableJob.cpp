#include "tables/TableJob.h"

#include <string>

#include "common/RuntimeError.h"

namespace saltmark {

JobOutcome RunTableJob(const std::function<JobOutcome()>& generate, Platform& platform) {
  try {
    return generate();
  } catch (const RuntimeError& error) {
    platform.message(std::string(kTableFailedMessage) + error.what() + ".", MessageIcon::Critical);
    return JobOutcome::Failed;
  }
}

}  // namespace saltmark
