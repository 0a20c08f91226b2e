#include "publisher/PublishChoice.h"

namespace saltmark {

std::vector<int> LocationsToPublish(const TideDatabase& database, const PublishChoice& choice, bool allLocations) {
  const std::vector<LocationListEntry> list = OrderedLocationList(database, choice.order);
  std::vector<int> lines;
  if (!allLocations && database.currentDatabase() == choice.chosenDatabase) {
    if (choice.chosenLocation >= 0 && choice.chosenLocation < database.locationCount())
      lines.push_back(choice.chosenLocation);
    return lines;
  }
  for (const LocationListEntry& entry : list) {
    lines.push_back(entry.locationIndex);
    if (!allLocations) break;
  }
  return lines;
}

JobOutcome PublishChosen(const WebPublishRequest& request, const PublishChoice& choice, TideDatabase& database,
                         PublishRun run) {
  if (auto refusal = CheckWebPublishRequest(request)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  PublishProblems problems;
  JobOutcome outcome = JobOutcome::Completed;
  for (const std::string& path : choice.databases) {
    if (!database.LoadDatabaseIfNew(path, run.platform)) continue;
    const std::vector<int> lines = LocationsToPublish(database, choice, request.allLocations);
    if (lines.empty()) continue;
    outcome = PublishDatabase(request, database, lines, run, problems);
    if (outcome == JobOutcome::Cancelled || outcome == JobOutcome::Refused) break;
    outcome = JobOutcome::Completed;
  }
  problems.report(run.platform);
  return outcome;
}

}  // namespace saltmark
