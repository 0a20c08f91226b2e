#pragma once
// What must be in place before the main window makes a prediction: a start
// date and time, and, by the mode, a chosen location and database. The tests
// run in order and each failing one replaces the message, so the last
// failure is the one shown:
//   date box empty        "Please enter a valid date."
//   else time box empty   "Please enter a valid time."
//   streams:     stations chosen but not yet weighed  "Please enter a position and press Interpolate."
//                no station      "Please select a Location."
//                no database     "Please select a Database (.vel file)."
//   differences: no port         "Please select a Location"
//                no database     "Please select a Database (.dif file)."
//   heights (and the publisher):
//                no location     "Please select a Location."
//                no database     "Please select a Database (.tid file)."
// When nothing failed, CheckSelection brings the port into place: for a
// secondary port its reference port, for heights the chosen location, each
// from its tide database (loaded unless it is the one loaded).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "data/DifferenceRecord.h"
#include "data/LocationIndex.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/TideDatabase.h"
#include "locations/StreamStations.h"
#include "platform/Platform.h"

namespace saltmark {

// The state of the main window's boxes and lists that the check reads.
struct SelectionInput {
  std::string dateText;
  std::string timeText;
  std::int16_t portMode = 0;  // 0 heights, 1 streams, 2 differences, 3 publisher

  // Heights: the chosen entries of Tfile (its text, a database file name) and
  // of tloc (its item data); nothing when no entry is chosen.
  std::optional<std::string> tideDatabase;
  std::optional<int> tideLocationItemData;
  bool byDistance = false;  // tloc holds the finder's list: item data are location numbers

  // Streams.
  bool streamDatabaseChosen = false;
  bool streamLocationChosen = false;
  const StationChoice* stations = nullptr;  // when given, stations not yet weighed fail

  // Differences.
  bool differenceDatabaseChosen = false;
  bool differenceLocationChosen = false;
  int selectedDifferenceRecord = 0;
};

// The message of the last failing test, or nothing when the choice is complete.
std::optional<std::string> SelectionProblem(const SelectionInput& input);

// What CheckSelection needs to bring a port into place.
struct SelectionContext {
  TideDatabase& database;
  const LocationIndex& index;
  const DifferenceTable& differences;
  LocationRecord& record;
  Settings& settings;
  Platform& platform;
  std::filesystem::path folder;  // where the tide databases lie; empty for the current folder
  std::function<void()> refreshClockDisplay;
};

struct SelectionOutcome {
  bool complete = false;
  // By distance: the tide database list's new text, the database of the chosen location.
  std::optional<std::string> tideDatabaseText;
};

// A failing test is shown (exclamation icon, caption "Saltmark") and the
// choice is incomplete. So is a port that cannot be brought into place: its
// database does not load (the loader has said why), or it is missing from the
// location index ("The reference port of <name> is not in the location
// index." / "The chosen location is not in the location index.").
SelectionOutcome CheckSelection(const SelectionInput& input, SelectionContext& context);

}  // namespace saltmark
