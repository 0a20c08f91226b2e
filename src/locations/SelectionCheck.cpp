#include "locations/SelectionCheck.h"

namespace saltmark {

namespace {

bool loadAndRead(const std::string& databaseName, int recordNumber, SelectionContext& context) {
  const std::filesystem::path path =
      context.folder.empty() ? std::filesystem::path(databaseName) : context.folder / databaseName;
  if (!context.database.LoadDatabaseIfNew(path.string(), context.platform)) return false;
  return context.database.ReadLocation(recordNumber, context.record, context.settings, context.platform,
                                       context.refreshClockDisplay);
}

bool refuse(std::string_view text, Platform& platform) {
  platform.message(text, MessageIcon::Exclamation);
  return false;
}

// The location numbered in the index, through its database.
bool readIndexedLocation(int locationNumber, std::string_view missing, SelectionContext& context,
                         SelectionOutcome& outcome) {
  const LocationIndexEntry* entry = context.index.entry(locationNumber);
  const std::string databaseName = entry ? context.index.databaseName(entry->databaseNumber) : std::string();
  if (databaseName.empty()) return refuse(missing, context.platform);
  outcome.tideDatabaseText = databaseName;
  return loadAndRead(databaseName, entry->locationNumber, context);
}

}  // namespace

std::optional<std::string> SelectionProblem(const SelectionInput& input) {
  std::optional<std::string> message;
  if (input.dateText.empty())
    message = "Please enter a valid date.";
  else if (input.timeText.empty())
    message = "Please enter a valid time.";

  switch (input.portMode) {
    case 1:
      if (input.stations && input.stations->count > 1 && !input.stations->weighted)
        message = "Please enter a position and press Interpolate.";
      if (!input.streamLocationChosen) message = "Please select a Location.";
      if (!input.streamDatabaseChosen) message = "Please select a Database (.vel file).";
      break;
    case 2:
      if (!input.differenceLocationChosen) message = "Please select a Location";
      if (!input.differenceDatabaseChosen) message = "Please select a Database (.dif file).";
      break;
    default:
      if (!input.tideLocationItemData) message = "Please select a Location.";
      if (!input.tideDatabase) message = "Please select a Database (.tid file).";
      break;
  }
  return message;
}

SelectionOutcome CheckSelection(const SelectionInput& input, SelectionContext& context) {
  SelectionOutcome outcome;
  if (const std::optional<std::string> problem = SelectionProblem(input)) {
    refuse(*problem, context.platform);
    return outcome;
  }

  switch (input.portMode) {
    case 1:
      outcome.complete = true;  // each station's reference port is loaded as its stream is predicted
      break;
    case 2: {
      const int r = input.selectedDifferenceRecord;
      if (r < 0 || r >= static_cast<int>(context.differences.records.size())) {
        refuse("Please select a Location", context.platform);
        break;
      }
      const DifferenceRecord& secondary = context.differences.records[static_cast<std::size_t>(r)];
      SelectionOutcome ignored;  // the tide database list keeps its text for a secondary port
      outcome.complete = readIndexedLocation(
          secondary.referencePort, "The reference port of " + secondary.name + " is not in the location index.",
          context, ignored);
      break;
    }
    default:
      if (input.byDistance)
        outcome.complete = readIndexedLocation(*input.tideLocationItemData,
                                               "The chosen location is not in the location index.", context, outcome);
      else
        outcome.complete = loadAndRead(*input.tideDatabase, *input.tideLocationItemData, context);
      break;
  }
  return outcome;
}

}  // namespace saltmark
