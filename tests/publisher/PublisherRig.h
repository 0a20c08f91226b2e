#pragma once
// What a publisher test publishes from: databases of ports without
// constituents, written to a temporary folder, whose heights all follow one
// twice-daily curve, and the run's platform, writer and progress.
#include <regex>
#include <string>
#include <vector>

#include "common/AtomicFile.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "publisher/WebPublisher.h"
#include "support/TestSupport.h"
#include "tables/GeneratorTestSupport.h"

namespace saltmark::test {

// A port at 50 48N 1 07W with every constant 0.
inline std::string blankPortLine(const std::string& name, const std::string& zone = "0") {
  std::string line = name + "," + zone + ",50,48,n,1,7,w";
  for (int i = 0; i < 47; ++i) line += ",0";
  return line;
}

// Every port gets the same curve; the names asked for are kept in order.
class CurvePorts : public PortHeights {
 public:
  explicit CurvePorts(DateTime epoch) : heights(epoch, twiceDaily) {}
  TideHeightSource& heightsFor(const LocationRecord& port, const Settings&) override {
    ports.push_back(port.portName);
    return heights;
  }
  CurveHeights heights;
  std::vector<std::string> ports;
};

// A run into dir/web of the month from `start`, every location, in GMT.
struct PublishRig {
  explicit PublishRig(DateTime start) : ports(start) {
    settings.autoLocalZone = 0;
    request.start = start;
    request.saveDir = (dir / "web").string();
    request.allLocations = true;
    request.zoneName = "GMT";
  }
  ~PublishRig() { setWriteFaultForTesting(nullptr); }

  // The path of a database of these port lines written into dir.
  std::string writeDatabase(const std::string& file, const std::vector<std::string>& lines) {
    EXPECT_TRUE(WriteTideDatabaseFile(dir / file, "Saltmark 100", {}, lines));
    return (dir / file).string();
  }
  void answerYes(int times) {
    for (int i = 0; i < times; ++i) platform.answerNext(MessageAnswer::Yes);
  }
  PublishRun run(PortHeights& heights, JobProgress& jobProgress) {
    return PublishRun{settings, platform, jobProgress, writer, heights, events};
  }
  PublishRun run() { return run(ports, progress); }

  TempDir dir;
  Settings settings;
  ScriptedPlatform platform;
  TideDatabase database;
  WebPublishRequest request;
  RecordingProgress progress;
  FilePageWriter writer;
  CurvePorts ports;
  WaterEventCounter events;
};

// Every href of a page, with its entities decoded.
inline std::vector<std::string> links(const std::string& page) {
  std::vector<std::string> found;
  const std::regex href("href=\"([^\"]*)\"");
  for (std::sregex_iterator it(page.begin(), page.end(), href), end; it != end; ++it)
    found.push_back(std::regex_replace((*it)[1].str(), std::regex("&amp;"), "&"));
  return found;
}

}  // namespace saltmark::test
