#include "support/RandomRecords.h"

#include <bit>
#include <cmath>

#include "common/Version.h"

namespace saltmark::test {

std::int16_t RandomRecords::int16() {
  // The ends of the range now and then, since that is where packing goes wrong.
  if (chance(0.1)) return chance(0.5) ? INT16_MIN : INT16_MAX;
  return static_cast<std::int16_t>(number(INT16_MIN, INT16_MAX));
}

float RandomRecords::single() {
  float value;
  do value = std::bit_cast<float>(static_cast<std::uint32_t>(engine_())); while (!std::isfinite(value));
  return value;
}

double RandomRecords::real() {
  double value;
  do value = std::bit_cast<double>((std::uint64_t{engine_()} << 32) | engine_()); while (!std::isfinite(value));
  return value;
}

std::string RandomRecords::text(std::size_t longest) {
  std::size_t length = 0;
  if (!chance(0.15)) length = static_cast<std::size_t>(number(1, chance(0.9) ? 24 : static_cast<int>(longest)));
  std::string out(length, '\0');
  for (char& c : out) c = static_cast<char>(number(0, 255));
  return out;
}

std::string RandomRecords::typedText(std::size_t longest) {
  static constexpr std::string_view kKeys = "0123456789012345678901234.-+ '\"m:/,NSEWnsewe\xB0";
  std::string out(static_cast<std::size_t>(number(0, static_cast<int>(longest))), '\0');
  for (char& c : out) c = kKeys[static_cast<std::size_t>(number(0, static_cast<int>(kKeys.size()) - 1))];
  return out;
}

Settings RandomRecords::settings() {
  Settings s;
  s.versionText = std::string(kVersionString.substr(0, kSignatureLength)) + text(20);
  for (std::string* t : {&s.tideDatabasePath, &s.locationName, &s.chainMultiplier, &s.ropeMultiplier, &s.vesselName,
                         &s.findLatitude, &s.findLongitude, &s.graphDays, &s.findDistance, &s.streamDatabasePath,
                         &s.differenceDatabasePath})
    *t = text();
  for (std::int16_t* n : {&s.timeBase, &s.systemZoneOffset, &s.localZoneOffset, &s.colourDisplay, &s.metricUnits,
                          &s.useClock, &s.autoLocalZone, &s.graphSwitch1, &s.graphSwitch2, &s.graphSwitch3,
                          &s.portMode, &s.speedUnits})
    *n = int16();
  for (float* f : {&s.draught, &s.chartedDepth, &s.chainOnBoard, &s.ropeOnBoard, &s.echoSounderOffset}) *f = single();
  return s;
}

std::string RandomRecords::locationLine() {
  auto field = [&](double lowest, double highest) {
    return std::to_string(std::uniform_real_distribution<double>(lowest, highest)(engine_));
  };
  std::string line = "Port " + std::to_string(number(0, 9999));
  line += "," + std::to_string(number(-12, 12));
  line += "," + std::to_string(number(0, 89)) + "," + field(0, 59.9) + (chance(0.5) ? ",N" : ",s");
  line += "," + std::to_string(number(0, 179)) + "," + field(0, 59.9) + (chance(0.5) ? ",E" : ",w");
  const struct { int count; double lowest, highest; } groups[] = {{13, 0, 360}, {12, -0.3, 0.3}, {12, 0.9, 1.1}, {10, 0, 5}};
  for (const auto& g : groups)
    for (int i = 0; i < g.count; ++i) line += "," + field(g.lowest, g.highest);
  return line;
}

TideDatabaseContents RandomRecords::tideDatabase(int mostLines) {
  TideDatabaseContents db;
  db.signature = std::string(kVersionString) + (chance(0.5) ? "" : text(40));
  const int headers = number(0, kMaxTideHeaders);
  for (int i = 0; i < headers; ++i) db.headers.push_back(text(80));
  const int lines = number(0, mostLines);
  for (int i = 0; i < lines; ++i) {
    std::string line = chance(0.5) ? locationLine() : text(400);
    if (line.empty() || line.front() == '$') line.insert(0, "P");
    if (line.size() > kMaxTideRecordLength) line.resize(kMaxTideRecordLength);
    db.locationLines.push_back(std::move(line));
  }
  return db;
}

LocationIndexContents RandomRecords::locationIndex(int mostEntries) {
  LocationIndexContents index;
  const int names = number(0, kMaxIndexDatabases);
  for (int i = 0; i < names; ++i) index.databaseNames.push_back(text(40));
  const int entries = number(0, mostEntries);
  for (int j = 0; j < entries; ++j) {
    LocationIndexEntry entry;
    entry.databaseNumber = int16();
    entry.locationNumber = int16();
    entry.LocationName = text(60);
    entry.latitude = chance(0.7) ? std::uniform_real_distribution<double>(-1.6, 1.6)(engine_) : real();
    entry.longitude = chance(0.7) ? std::uniform_real_distribution<double>(-3.2, 3.2)(engine_) : real();
    index.entries.push_back(std::move(entry));
  }
  return index;
}

namespace {

// The heading every database record starts with.
template <typename Record>
Record headedRecord(RandomRecords& random) {
  Record record;
  record.name = random.text(60);
  record.latitudeText = random.text(20);
  record.longitudeText = random.text(20);
  record.referencePort = random.int16();
  return record;
}

}  // namespace

DifferenceRecord RandomRecords::differenceRecord() {
  auto record = headedRecord<DifferenceRecord>(*this);
  record.reserved = int16();
  for (auto& value : record.diffText) value = chance(0.5) ? typedText() : text(20);
  return record;
}

StreamRecord RandomRecords::streamRecord() {
  auto record = headedRecord<StreamRecord>(*this);
  record.speedUnits = int16();
  for (auto* hours : {&record.direction, &record.springRate, &record.neapRate})
    for (auto& v : *hours) v = int16();
  return record;
}

}  // namespace saltmark::test
