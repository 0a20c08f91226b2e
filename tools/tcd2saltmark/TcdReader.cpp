#include "TcdReader.h"

#include <tcd.h>

#include <memory>
#include <string>

namespace saltmark::tcd {
namespace {

// libtcd holds one open file in its own state; close it whatever happens.
struct OpenDatabase {
  explicit OpenDatabase(const std::filesystem::path& path) {
    std::string name = path.string();
    opened = open_tide_db(name.data()) != 0;
  }
  ~OpenDatabase() {
    if (opened) close_tide_db();
  }
  bool opened = false;
};

ConstituentSet readConstituents(const DB_HEADER_PUBLIC& header) {
  ConstituentSet set;
  set.startYear = header.start_year;
  const int years = static_cast<int>(header.number_of_years);
  for (int i = 0; i < static_cast<int>(header.constituents); ++i) {
    Constituent c;
    c.name = get_constituent(i);
    c.speed = get_speed(i);
    const float* equilibrium = get_equilibriums(i);
    const float* nodeFactor = get_node_factors(i);
    c.equilibrium.assign(equilibrium, equilibrium + years);
    c.nodeFactor.assign(nodeFactor, nodeFactor + years);
    set.constituents.push_back(std::move(c));
  }
  return set;
}

ReferenceStation readReference(const TIDE_RECORD& r, int constituents) {
  ReferenceStation s;
  s.recordNumber = r.header.record_number;
  s.name = r.header.name;
  s.latitude = r.header.latitude;
  s.longitude = r.header.longitude;
  s.tzfile = get_tzfile(r.header.tzfile);
  s.country = get_country(r.country);
  s.levelUnits = get_level_units(r.level_units);
  s.datumOffset = r.datum_offset;
  s.meridian = r.zone_offset;
  for (int i = 0; i < constituents && i < MAX_CONSTITUENTS; ++i)
    if (r.amplitude[i] > 0) s.terms.push_back({i, r.amplitude[i], r.epoch[i]});
  return s;
}

SubordinateStation readSubordinate(const TIDE_RECORD& r) {
  SubordinateStation s;
  s.recordNumber = r.header.record_number;
  s.name = r.header.name;
  s.latitude = r.header.latitude;
  s.longitude = r.header.longitude;
  s.referenceRecord = r.header.reference_station;
  s.levelUnits = get_level_units(r.level_units);
  s.maxTimeAdd = r.max_time_add;
  s.minTimeAdd = r.min_time_add;
  s.maxLevelAdd = r.max_level_add;
  s.minLevelAdd = r.min_level_add;
  s.maxLevelMultiply = r.max_level_multiply;
  s.minLevelMultiply = r.min_level_multiply;
  return s;
}

}  // namespace

TcdData ReadTcdFile(const std::filesystem::path& path) {
  if (!std::filesystem::is_regular_file(path))
    throw TcdReadError("cannot find the harmonics file " + path.string());
  OpenDatabase db(path);
  if (!db.opened) throw TcdReadError("cannot open " + path.string() + " as a TCD harmonics file");

  const DB_HEADER_PUBLIC header = get_tide_db_header();
  TcdData data;
  data.constituents = readConstituents(header);
  if (data.constituents.constituents.empty() || header.number_of_years == 0)
    throw TcdReadError(path.string() + " holds no constituent tables");

  // The record is large (its text fields run to tens of kilobytes): keep it off the stack.
  auto record = std::make_unique<TIDE_RECORD>();
  for (int i = 0; i < static_cast<int>(header.number_of_records); ++i) {
    if (read_tide_record(i, record.get()) < 0) {
      ++data.unreadableRecords;
      continue;
    }
    // Streams (knots) have no place in a tide database.
    const bool levels = MetresPerLevelUnit(get_level_units(record->level_units)).has_value();
    if (record->header.record_type == REFERENCE_STATION) {
      if (levels) {
        data.references.push_back(readReference(*record, static_cast<int>(header.constituents)));
      } else {
        ++data.currentStations;
        data.currents.push_back({readReference(*record, static_cast<int>(header.constituents)),
                                 record->max_direction, record->min_direction});
      }
    } else if (record->header.record_type == SUBORDINATE_STATION) {
      if (levels)
        data.subordinates.push_back(readSubordinate(*record));
      else
        ++data.currentStations;
    }
  }
  return data;
}

}  // namespace saltmark::tcd
