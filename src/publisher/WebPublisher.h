#pragma once
// The web publisher's run: for each tide database to publish and each of its
// locations to publish, the month's events are collected, the page is built
// and, when the user agrees, written.
//
// Placement, so that every link resolves: the pages of a database and its
// index lie together in the database's folder, <save folder>/<database name
// without ".tid">/, where the index links them by bare file name; the world
// index <save folder>/index.html, which each database index links as
// "../index.html", is rewritten after every run over all locations and lists
// each database folder holding an index.
//
// Messages: "Create Web Page: '<file>' for <port>.  OK" (Yes/No) before each
// page; "Web Page: '<file>' successfully created." and a note after it; a
// failed write gives "Error in writing file" (critical, caption "Saltmark
// Publisher") and the run goes on with the next location. An index entry is
// written for each location whose page exists after its turn.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/TideDatabase.h"
#include "platform/Platform.h"
#include "publisher/MonthEvents.h"
#include "publisher/PageWriter.h"
#include "publisher/PlacePage.h"
#include "tables/HeightSource.h"
#include "tables/JobProgress.h"
#include "tables/WaterDetectors.h"

namespace saltmark {

inline constexpr std::string_view kPublisherCaption = "Saltmark Publisher";
inline constexpr std::string_view kPageWriteError = "Error in writing file";

// What the main window's publisher boxes hold when Generate is pressed.
struct WebPublishRequest {
  DateTime start;
  std::string saveDir;         // savedir
  std::string rowsText = "31"; // web_rows
  std::string fontFace = "Arial";
  bool allLocations = false;   // All_locs
  bool sunMoon = false;        // sunrise and sunset under each day's waters (off: the pages as always)
  std::string zoneName;        // the display time zone's name
  // When given, each page's zone name as it stands once its port was read:
  // with the automatic local zone the local zone follows each port.
  std::function<std::string(const Settings&)> zoneNameOf;
};

// Why a request cannot run (an empty save folder, fewer than one row), or
// nullopt.
std::optional<std::string> CheckWebPublishRequest(const WebPublishRequest& request);

// How the run gets heights for the port it has just read.
class PortHeights {
 public:
  virtual ~PortHeights() = default;
  virtual TideHeightSource& heightsFor(const LocationRecord& port, const Settings& settings) = 0;
};

struct PublishRun {
  Settings& settings;
  Platform& platform;
  JobProgress& progress;
  PageWriter& writer;
  PortHeights& heights;
  WaterEventCounter& events;
};

// The folder of a database's pages: save folder / file name without its last
// four characters (the save folder itself when nothing is left).
std::filesystem::path DatabaseFolder(const std::string& saveDir, const std::string& databasePath);

enum class PageResult { Written, Declined, Failed };

// Asks, writes the page atomically, and tells the user.
PageResult WritePlacePage(const std::string& page, const std::filesystem::path& file, const std::string& portName,
                          PublishRun run);

// One database, already loaded: the locations (indices into it) in list
// order. Cancelled as soon as the user aborts a page's run.
JobOutcome PublishDatabase(const WebPublishRequest& request, TideDatabase& database,
                           const std::vector<int>& locations, PublishRun run);

// Every database of the list in turn (loaded as they come; one that cannot
// be loaded is skipped after the loader's message), all of its locations
// when request.allLocations, otherwise the one given by currentLocation.
JobOutcome PublishDatabases(const WebPublishRequest& request, const std::vector<std::string>& databasePaths,
                            TideDatabase& database, int currentLocation, PublishRun run);

}  // namespace saltmark
