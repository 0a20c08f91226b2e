#include "DemoFolder.h"

#include <cmath>
#include <string>
#include <system_error>
#include <vector>

#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"

namespace saltmark::screenshots {
namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double degrees) { return degrees * kPi / 180; }

// Name, zone, position fields, then mean level and the M2, S2, K1, O1,
// quarter- and sixth-diurnal phases and amplitudes; the monthly and
// spring-neap fields stay 0.
std::string portLine(const std::string& name, const std::string& zone, const std::string& position, double m2Phase) {
  std::string line = name + "," + zone + "," + position;
  const double harmonics[13] = {2.8, m2Phase, 1.4, m2Phase + 40, 0.45, 100, 0.08, 90, 0.07, 20, 0.1, 0, 0};
  for (double value : harmonics) line += "," + std::to_string(value);
  for (int i = 13; i < 47; ++i) line += ",0";
  return line;
}

}  // namespace

bool HasTideDatabase(const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == ".tid") return true;
  return false;
}

bool WriteDemoFolder(const std::filesystem::path& folder, const std::filesystem::path& helpSource) {
  if (!WriteTideDatabaseFile(folder / "SOUTH.tid", "Saltmark 100", {},
                             {portLine("Southampton", "0", "50,54,N,1,24,W", 330),
                              portLine("Portsmouth", "0", "50,48,N,1,7,W", 320),
                              portLine("Cherbourg", "-1", "49,39,N,1,38,W", 230)}))
    return false;
  LocationIndexContents index;
  index.databaseNames = {"SOUTH.tid"};
  index.entries = {{0, 0, "Southampton", radians(50.9), radians(-1.4)},
                   {0, 1, "Portsmouth", radians(50.8), radians(-1.1167)},
                   {0, 2, "Cherbourg", radians(49.65), radians(-1.6333)}};
  if (!WriteLocationIndexFile(folder / "SALTMARK.IND", index)) return false;

  std::vector<DifferenceRecord> differences(1);
  differences[0].name = "Cowes";
  differences[0].latitudeText = "50\xB0" "46'N";
  differences[0].longitudeText = "1\xB0" "18'W";
  differences[0].referencePort = 1;
  differences[0].diffText = {"4.7", "3.8", "1.9", "0.8", "+0010", "-0005", "-0.5", "-0.3", "0.0", "0.1"};
  if (!DifferenceFile::write(folder / "USER.dif", differences)) return false;

  // Flood to the east, ebb to the west, fastest three hours either side of
  // high water.
  std::vector<StreamRecord> stations(2);
  const char* names[] = {"Diamond A", "Diamond B"};
  for (std::size_t i = 0; i < stations.size(); ++i) {
    StreamRecord& s = stations[i];
    s.name = names[i];
    s.latitudeText = "50 40N";
    s.longitudeText = i == 0 ? "1 10W" : "1 20W";
    s.referencePort = 1;
    for (int j = 0; j < kStreamHours; ++j) {
      s.direction[j] = j < kStreamHighWaterHour ? 80 : 260;
      s.springRate[j] = static_cast<std::int16_t>(std::lround(250 * std::abs(std::sin(kPi * (j - 6) / 6.0))));
      s.neapRate[j] = static_cast<std::int16_t>(s.springRate[j] / 2);
    }
  }
  if (!StreamFile::write(folder / "USER.vel", stations)) return false;

  std::error_code error;
  if (std::filesystem::is_directory(helpSource / "help", error))
    std::filesystem::copy(helpSource / "help", folder / "help", std::filesystem::copy_options::recursive, error);
  return true;
}

}  // namespace saltmark::screenshots
