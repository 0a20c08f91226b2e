#include "publisher/WebPublisher.h"

#include <algorithm>

#include "common/VbNumbers.h"
#include "publisher/HtmlText.h"
#include "publisher/IndexPage.h"
#include "publisher/PageSunTimes.h"

namespace saltmark {

namespace {

constexpr std::string_view kIndexFileName = "index.html";

std::int32_t rowsOf(const WebPublishRequest& request) {
  const double rows = Val(request.rowsText);
  if (!(rows >= 0.5) || rows > 32767) return 0;
  return CInt(rows);
}

void writeWorldIndex(const WebPublishRequest& request, PublishRun& run) {
  const std::filesystem::path saveFolder(request.saveDir);
  std::vector<std::string> folders;
  for (const auto& folder : run.writer.subfolders(saveFolder))
    if (run.writer.exists(folder / kIndexFileName)) folders.push_back(folder.filename().string());
  std::sort(folders.begin(), folders.end());
  if (!run.writer.writeFile(saveFolder / kIndexFileName, WorldIndexPage(folders)))
    run.platform.message(kPageWriteError, MessageIcon::Critical, MessageButtons::Ok, kPublisherCaption);
}

}  // namespace

std::optional<std::string> CheckWebPublishRequest(const WebPublishRequest& request) {
  if (request.saveDir.find_first_not_of(' ') == std::string::npos)
    return "Please enter the folder for the web pages.";
  if (rowsOf(request) < 1) return "Please enter a number of rows of at least 1.";
  return std::nullopt;
}

std::filesystem::path DatabaseFolder(const std::string& saveDir, const std::string& databasePath) {
  std::string name = std::filesystem::path(databasePath).filename().string();
  name = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  const std::filesystem::path save(saveDir);
  return name.empty() ? save : save / PageFileName(name);
}

PageResult WritePlacePage(const std::string& page, const std::filesystem::path& file, const std::string& portName,
                          PublishRun run) {
  const std::string shownName = file.string();
  const MessageAnswer answer = run.platform.message(
      "Create Web Page: '" + shownName + "' for " + portName + ".  OK", MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return PageResult::Declined;
  if (!run.writer.writeFile(file, page)) {
    run.platform.message(kPageWriteError, MessageIcon::Critical, MessageButtons::Ok, kPublisherCaption);
    return PageResult::Failed;
  }
  run.platform.message("Web Page: '" + shownName + "'" + " successfully created." + "\r" +
                           "Publish it with the index page of its folder." + "\r" +
                           "The tables are predictions: not for navigation.",
                       MessageIcon::Information);
  return PageResult::Written;
}

JobOutcome PublishDatabase(const WebPublishRequest& request, TideDatabase& database,
                           const std::vector<int>& locations, PublishRun run) {
  if (auto refusal = CheckWebPublishRequest(request)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  const std::filesystem::path folder = DatabaseFolder(request.saveDir, database.currentDatabase());
  if (!run.writer.createFolder(folder)) {
    run.platform.message(kPageWriteError, MessageIcon::Critical, MessageButtons::Ok, kPublisherCaption);
    return JobOutcome::Failed;
  }
  // The index is gathered here and written once at the end, with an entry
  // for each page that exists, so it never links a page that is not there.
  std::string index = request.allLocations ? IndexPageHead() : std::string();

  PlacePageOptions options;
  options.start = request.start;
  options.rows = rowsOf(request);
  options.fontFace = request.fontFace;
  options.zoneName = request.zoneName;

  JobOutcome outcome = JobOutcome::Completed;
  LocationRecord port;
  for (int location : locations) {
    if (!database.ReadLocation(location, port, run.settings, run.platform)) continue;
    TideHeightSource& heights = run.heights.heightsFor(port, run.settings);
    const MonthEventsResult month =
        CollectMonthEvents(request.start, heights, run.settings, port.portZone, run.progress, run.events);
    if (month.outcome == JobOutcome::Cancelled) {
      outcome = JobOutcome::Cancelled;
      break;
    }
    if (request.zoneNameOf) options.zoneName = request.zoneNameOf(run.settings);
    options.portName = port.portName;
    options.positionText = port.positionText;
    const std::string name = SanitizeFileName(port.portName);
    const std::filesystem::path file = folder / (PageFileName(name) + ".html");
    const std::vector<MonthEvent> events =
        request.sunMoon ? WithSunriseAndSunset(month.events, port, run.settings, request.start) : month.events;
    WritePlacePage(BuildPlacePage(events, options, run.settings), file, port.portName, run);
    if (request.allLocations && run.writer.exists(file)) index += IndexPageEntry(name, port.positionText, port.portName);
  }
  // An aborted run leaves the indexes of an earlier run as they were.
  if (request.allLocations && outcome != JobOutcome::Cancelled) {
    index += IndexPageEnd();
    if (!run.writer.writeFile(folder / kIndexFileName, index))
      run.platform.message(kPageWriteError, MessageIcon::Critical, MessageButtons::Ok, kPublisherCaption);
    writeWorldIndex(request, run);
  }
  return outcome;
}

JobOutcome PublishDatabases(const WebPublishRequest& request, const std::vector<std::string>& databasePaths,
                            TideDatabase& database, int currentLocation, PublishRun run) {
  if (auto refusal = CheckWebPublishRequest(request)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  for (const std::string& path : databasePaths) {
    if (!database.LoadDatabaseIfNew(path, run.platform)) continue;
    std::vector<int> locations;
    if (request.allLocations) {
      for (int i = 0; i < database.locationCount(); ++i) locations.push_back(i);
    } else {
      locations.push_back(currentLocation);
    }
    const JobOutcome outcome = PublishDatabase(request, database, locations, run);
    if (outcome == JobOutcome::Cancelled || outcome == JobOutcome::Refused) return outcome;
  }
  return JobOutcome::Completed;
}

}  // namespace saltmark
