// The stream fit: samples placed by the converter as the program's engine
// places them, a record recovered from the engine's own streams, the plain
// mean-springs / mean-neaps record, and a conversion of hand-made current
// stations with every reason for leaving one out.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "Conversion.h"
#include "StreamConversion.h"
#include "StreamFit.h"
#include "ToolFixtures.h"
#include "data/StreamFile.h"
#include "engine/EngineFixtures.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark::tcd {
namespace {

TEST(StreamFit, RecoversTheRecordTheEngineStreamsFrom) {
  const LocationRecord port =
      saltmark::test::portWith({.meanLevel = 3, .m2 = 1.5, .m2Phase = 120, .s2 = 0.5, .s2Phase = 160, .k1 = 0.2,
                                .k1Phase = 30, .o1 = 0.15, .o1Phase = 300});
  const DateTime first = DateTime::fromCivil(2026, 3, 1);
  constexpr int kSamples = 30 * 144;  // a month of 10-minute steps
  const auto walk = WalkCycles(port, first, 10, kSamples);
  ASSERT_TRUE(walk);

  for (const auto& [flood, ebb] : {std::pair{45, 225}, std::pair{10, 200}}) {
    StreamRecord truth;
    for (int j = 0; j < kStreamHours; ++j) {  // the flood from hour 2 to hour 7
      truth.direction[j] = static_cast<std::int16_t>(j >= 2 && j <= 7 ? flood : ebb);
      truth.springRate[j] = static_cast<std::int16_t>(40 + 17 * j);
      truth.neapRate[j] = static_cast<std::int16_t>(20 + 9 * j);
    }
    Settings settings;
    TideEngine engine(settings);
    engine.setPort(port);
    StreamEngine streams(engine);
    ScriptedPlatform platform;
    StreamNormals normals;
    const Bearing f = BearingOf(flood), e = BearingOf(ebb);
    normals.floodDotEbb = f.east * e.east + f.north * e.north;
    for (int i = 0; i < kSamples; ++i) {
      const auto c = streams.StreamAtInstant(truth, 100, 0, first.addMinutes(10.0 * i), [](int) { return true; },
                                             platform);
      ASSERT_TRUE(c);
      normals.add(WeightsAt(walk->places[static_cast<std::size_t>(i)]), {c->east, c->north}, f, e);
    }
    const RateRecord fit = Rounded(FitRecord(normals));
    const StreamRecord back = AsStreamRecord(fit, flood, ebb);
    EXPECT_EQ(back.direction, truth.direction) << flood;
    for (int j = 0; j < kStreamHours; ++j) {
      EXPECT_NEAR(back.springRate[j], truth.springRate[j], 1) << flood << " hour " << j;
      EXPECT_NEAR(back.neapRate[j], truth.neapRate[j], 1) << flood << " hour " << j;
    }
    EXPECT_LT(RmsOf(normals, fit), 0.01);
  }
}

TEST(StreamFit, SimpleRecordFollowsTheSemidiurnalConstants) {
  // M2 2 kn, S2 0.5 kn, in phase with the port's high water: each entry is
  // (M2 +- S2) |cos(360 h / 13)|, h its share of the cycle after high water.
  const RateRecord r = SimpleRecord(2, 0.5, 0);
  const struct { std::size_t entry; bool floods; double spring, neap; } hours[] = {
      {6, true, 2.50, 1.50},    // h = 0, high water
      {9, true, 0.30, 0.18},    // h = 3: cos 83.08 = 0.1205
      {12, false, 2.43, 1.46},  // h = 6: cos 166.15 = -0.9709
      {0, false, 2.43, 1.46}};  // h = 7: cos 193.85 = -0.9709
  for (const auto& h : hours) {
    EXPECT_EQ(r.floods[h.entry], h.floods) << h.entry;
    EXPECT_NEAR(r.rates[h.entry], h.spring, 1e-9) << h.entry;
    EXPECT_NEAR(r.rates[kStreamHours + h.entry], h.neap, 1e-9) << h.entry;
  }
}

TEST(StreamConversion, WritesWhatCanBeFittedAndSaysWhyTheRestIsLeftOut) {
  TcdData data;
  data.constituents = saltmark::tcd::test::smallSet();
  const ConstituentSet& set = data.constituents;
  data.references.push_back(saltmark::tcd::test::stationWith(
      set, {{"M2", {4.5, 100.0}}, {"S2", {0.8, 130.0}}, {"K1", {0.6, 200.0}}, {"O1", {0.45, 190.0}}},
      "Portland, Casco Bay, Maine"));
  // Currents shaped like the port's tide (the same shares of M2, S2 and of
  // K1, O1) a little later: 30 degrees in the semidiurnal terms, 15 in the diurnal.
  const auto current = [&](const char* name, double m2, double k1, int flood = 45, int ebb = 225) {
    CurrentStation c;
    c.harmonics = saltmark::tcd::test::stationWith(
        set, {{"M2", {m2, 130.0}}, {"S2", {m2 * 0.8 / 4.5, 160.0}}, {"K1", {k1, 215.0}}, {"O1", {k1 * 0.75, 205.0}}},
        name);
    c.harmonics.levelUnits = "knots";
    c.harmonics.datumOffset = 0;
    c.floodDirection = flood;
    c.ebbDirection = ebb;
    return c;
  };
  data.currents = {current("Good Current, Casco Bay, Maine", 2, 2 * 0.6 / 4.5),
                   current("Daily Current, Casco Bay, Maine", 0.5, 0.6),  // (0.6 + 0.45) / 0.59 = 1.8
                   current("Aimless Current, Maine", 2, 0.1, 361, 361),
                   current("Same Way Current, Maine", 2, 0.1, 90, 90),
                   current("Far Current, Maine", 2, 0.1),
                   current("Squared Current, Casco Bay, Maine", 4, 0.2),
                   current("Odd Unit Current, Maine", 2, 0.1)};
  data.currents[4].harmonics.latitude = 44.5;  // 111 km north
  data.currents[5].harmonics.levelUnits = "knots^2";
  data.currents[6].harmonics.levelUnits = "furlongs";

  ConversionOptions options;
  options.fitStepHours = 6;
  const Conversion c = ConvertTcdData(data, options, [](const std::string&) { return 5.0; });
  const StreamSummary& s = c.streams;
  EXPECT_EQ((std::array{s.stationsRead, s.stationsWritten, s.diurnalRough, int(s.notes.size())}),
            (std::array{7, 3, 1, 4}));
  const std::string text = StreamSummaryText(s);
  for (const char* reason : {"no distinct flood and ebb directions: 2", "no bundled port within 80 km: 1",
                             "speeds in furlongs, not knots: 1"})
    EXPECT_NE(text.find(reason), std::string::npos) << text;

  ASSERT_EQ(c.folder.streamFiles.size(), 1u);
  const auto& records = c.folder.streamFiles[0].records;
  ASSERT_EQ(records.size(), 3u);
  for (const StreamRecord& r : records) EXPECT_EQ(r.referencePort, 0) << r.name;
  EXPECT_NE(std::ranges::find(records, "Daily Current - Casco Bay - Maine (diurnal, rough)", &StreamRecord::name),
            records.end());
  EXPECT_NE(std::ranges::find(records, "Good Current - Casco Bay - Maine", &StreamRecord::name), records.end());
  // A stream shaped like the port's tide: the fit beats the plain record (the
  // hand-made port itself is only fitted to about 12% of its range, which
  // bounds how closely its cycle can place the stream).
  const auto good = std::ranges::find_if(s.stations, [](const auto& c) { return c.name.starts_with("Good"); });
  ASSERT_NE(good, s.stations.end());
  EXPECT_TRUE(good->fitted);
  EXPECT_LT(good->rmsFitted, good->rmsSimple);
  EXPECT_LT(good->rmsFitted, 0.2 * 2.36) << good->rmsFitted;
  EXPECT_EQ(s.checkLines.size(), 12u);

  saltmark::test::TempDir dir;
  saltmark::test::writeFile(dir / "SAMPLE.vel", "old sample");
  ASSERT_TRUE(WriteProgramFolder(dir.path(), c.folder));
  EXPECT_EQ(StreamFile::read(dir / c.folder.streamFiles[0].name), records);
  EXPECT_FALSE(std::filesystem::exists(dir / "SAMPLE.vel"));
}

}  // namespace
}  // namespace saltmark::tcd
