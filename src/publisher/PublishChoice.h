#pragma once
// What the main window's choices ask the web publisher to publish: the
// current tide database or every database of its list (All_tids), and in
// each either every location (All_locs), in the order the location list
// shows them, or one: the chosen port in its own database, the first port
// of the list in any other (the one the main window would show on choosing
// that database).
#include <string>
#include <vector>

#include "data/TideDatabase.h"
#include "locations/LocationOrder.h"
#include "publisher/WebPublisher.h"

namespace saltmark {

struct PublishChoice {
  std::vector<std::string> databases;  // in the database list's order
  std::string chosenDatabase;          // the chosen port's database
  int chosenLocation = 0;              // the chosen port's line in it
  LocationOrder order = LocationOrder::Alphabetical;
};

// The lines of the loaded database to publish, in list order.
std::vector<int> LocationsToPublish(const TideDatabase& database, const PublishChoice& choice, bool allLocations);

// Loads each database in turn (one that cannot be loaded is skipped after
// the loader's message) and publishes its locations. Stops when the user
// aborts a page's run, or when the request is refused.
JobOutcome PublishChosen(const WebPublishRequest& request, const PublishChoice& choice, TideDatabase& database,
                         PublishRun run);

}  // namespace saltmark
