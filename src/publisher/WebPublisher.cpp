#include "publisher/WebPublisher.h"

#include <algorithm>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "publisher/HtmlText.h"
#include "publisher/IndexPage.h"
#include "publisher/PageNames.h"
#include "publisher/PageSunTimes.h"

namespace saltmark {

namespace {

constexpr std::string_view kIndexFileName = "index.html";

std::int32_t rowsOf(const WebPublishRequest& request) {
  const double rows = Val(request.rowsText);
  if (!(rows >= 0.5) || rows > 32767) return 0;
  return CInt(rows);
}

void writePage(PublishRun& run, PublishProblems& problems, const std::filesystem::path& file,
               std::string_view bytes) {
  if (const WriteResult result = run.writer.writeFile(file, bytes); !result) problems.writeFailed(file, result.error);
}

// The world index is the one file of the save folder itself, which may be
// the user's own home page: it is replaced without a question only when it
// is missing or was written by this program.
void writeWorldIndex(const WebPublishRequest& request, PublishRun& run, PublishProblems& problems) {
  const std::filesystem::path saveFolder(request.saveDir);
  const std::filesystem::path file = saveFolder / kIndexFileName;
  std::vector<std::string> folders;
  for (const auto& folder : run.writer.subfolders(saveFolder))
    if (run.writer.exists(folder / kIndexFileName)) folders.push_back(folder.filename().string());
  std::sort(folders.begin(), folders.end());
  if (run.writer.exists(file)) {
    const std::optional<std::string> present = run.writer.read(file);
    const bool ours = present && present->find(kWorldIndexMark) != std::string::npos;
    if (!ours && run.platform.message("Create Web Page: '" + file.string() + "' for World Index.  OK",
                                      MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
      return;
  }
  writePage(run, problems, file, WorldIndexPage(folders));
}

}  // namespace

std::optional<std::string> CheckWebPublishRequest(const WebPublishRequest& request) {
  if (request.saveDir.find_first_not_of(' ') == std::string::npos)
    return "Please enter the folder for the web pages.";
  if (rowsOf(request) < 1) return "Please enter a number of rows from 1 to 32767.";
  return std::nullopt;
}

std::filesystem::path DatabaseFolder(const std::string& saveDir, const std::string& databasePath) {
  std::string name = std::filesystem::path(databasePath).filename().string();
  name = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  const std::filesystem::path save(saveDir);
  return name.empty() ? save : save / PageFileName(name);
}

PageResult WritePlacePage(const std::string& page, const std::filesystem::path& file, const std::string& portName,
                          PublishRun run, PublishProblems& problems) {
  const std::string shownName = file.string();
  const MessageAnswer answer = run.platform.message(
      "Create Web Page: '" + shownName + "' for " + portName + ".  OK", MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return PageResult::Declined;
  if (const WriteResult result = run.writer.writeFile(file, page); !result) {
    problems.writeFailed(file, result.error);
    return PageResult::Failed;
  }
  run.platform.message("Web Page: '" + shownName + "'" + " successfully created." + "\r" +
                           "Publish it with the index page of its folder." + "\r" +
                           "The tables are predictions: not for navigation.",
                       MessageIcon::Information);
  return PageResult::Written;
}

JobOutcome PublishDatabase(const WebPublishRequest& request, TideDatabase& database,
                           const std::vector<int>& locations, PublishRun run, PublishProblems& problems) {
  if (auto refusal = CheckWebPublishRequest(request)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  const std::filesystem::path folder = DatabaseFolder(request.saveDir, database.currentDatabase());
  if (const WriteResult created = run.writer.createFolder(folder); !created) {
    problems.writeFailed(folder, created.error);
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

  std::vector<std::string> portNames;
  for (int i = 0; i < database.locationCount(); ++i) portNames.push_back(database.LocationListName(i));
  const std::vector<std::string> pageNames = PageFileNames(portNames);

  JobOutcome outcome = JobOutcome::Completed;
  LocationRecord port;
  for (int location : locations) {
    if (!database.ReadLocation(location, port, run.settings, run.platform)) continue;
    // A port whose prediction fails (its constants overflow) is skipped and
    // named at the end; the others are still published.
    MonthEventsResult month;
    std::string page;
    try {
      TideHeightSource& heights = run.heights.heightsFor(port, run.settings);
      month = CollectMonthEvents(request.start, heights, run.settings, port.portZone, run.progress, run.events);
      if (month.outcome != JobOutcome::Cancelled) {
        if (request.zoneNameOf) options.zoneName = request.zoneNameOf(run.settings);
        options.portName = port.portName;
        options.positionText = port.positionText;
        const std::vector<MonthEvent> events =
            request.sunMoon ? WithSunriseAndSunset(month.events, port, run.settings, request.start) : month.events;
        page = BuildPlacePage(events, options, run.settings);
      }
    } catch (const RuntimeError& error) {
      problems.portFailed(port.portName, error.what());
      continue;
    }
    if (month.outcome == JobOutcome::Cancelled) {
      outcome = JobOutcome::Cancelled;
      break;
    }
    const std::string& name = pageNames[static_cast<std::size_t>(location)];
    const std::filesystem::path file = folder / (PageFileName(name) + ".html");
    WritePlacePage(page, file, port.portName, run, problems);
    if (request.allLocations && run.writer.exists(file)) index += IndexPageEntry(name, port.positionText, port.portName);
  }
  // An aborted run leaves the indexes of an earlier run as they were.
  if (request.allLocations && outcome != JobOutcome::Cancelled) {
    index += IndexPageEnd();
    writePage(run, problems, folder / kIndexFileName, index);
    writeWorldIndex(request, run, problems);
  }
  return outcome;
}

JobOutcome PublishDatabase(const WebPublishRequest& request, TideDatabase& database,
                           const std::vector<int>& locations, PublishRun run) {
  PublishProblems problems;
  const JobOutcome outcome = PublishDatabase(request, database, locations, run, problems);
  problems.report(run.platform);
  return outcome;
}

JobOutcome PublishDatabases(const WebPublishRequest& request, const std::vector<std::string>& databasePaths,
                            TideDatabase& database, int currentLocation, PublishRun run) {
  if (auto refusal = CheckWebPublishRequest(request)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  PublishProblems problems;
  for (const std::string& path : databasePaths) {
    if (!database.LoadDatabaseIfNew(path, run.platform)) continue;
    std::vector<int> locations;
    if (request.allLocations) {
      for (int i = 0; i < database.locationCount(); ++i) locations.push_back(i);
    } else {
      locations.push_back(currentLocation);
    }
    const JobOutcome outcome = PublishDatabase(request, database, locations, run, problems);
    if (outcome == JobOutcome::Cancelled || outcome == JobOutcome::Refused) {
      problems.report(run.platform);
      return outcome;
    }
  }
  problems.report(run.platform);
  return JobOutcome::Completed;
}

}  // namespace saltmark
