#include "engine/ConstituentTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "common/VbNumbers.h"
#include "engine/AngleFunctions.h"

namespace saltmark {
namespace {

// The mean longitudes at 1 January 1900 00:00: s, h, p, N', p1 in degrees.
TEST(ConstituentTable, ArgumentsAtTheEpochAreTheConstantTerms) {
  const AstroArguments a = ComputeAstroArguments(0);
  const double got[] = {a.s, a.h, a.p, a.Nprime, a.p1}, degrees[] = {277.0248, 280.1895, 334.3853, 100.8432, 281.2209};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(got[i], degrees[i] * kDegreesToRadians) << i;
}

TEST(ConstituentTable, DayCountIgnoresMillisecondsAndGivesTheMonth) {
  int month = -1;
  EXPECT_EQ(DaysSince1900(DateTime::fromCivil(1900, 1, 1), month), 0.0);
  EXPECT_EQ(month, 0);
  const DateTime noon = DateTime::fromCivil(2026, 3, 15, 12, 0, 0);
  const double t = DaysSince1900(noon, month);
  EXPECT_EQ(month, 2);
  EXPECT_EQ(DaysSince1900(noon.addSeconds(0.9), month), t);
  EXPECT_EQ(t, 46094.5);  // 126 years and 31 leap days to 1 Jan 2026, then 73.5 days
  EXPECT_EQ(DaysSince1900(DateTime::fromCivil(1899, 12, 31, 6), month), -0.75);
  EXPECT_EQ(month, 11);
  for (DateTime day = DateTime::fromCivil(1895, 1, 1); day < DateTime::fromCivil(2105, 1, 1); day = day.addDays(13)) {
    DaysSince1900(day.addSeconds(86399), month);
    ASSERT_EQ(month, day.civil().month - 1) << day.serial();
  }
}

TEST(AngleFunctions, FoldAngleAndVectorLength) {
  const std::pair<float, double> cases[] = {{180, 0}, {0, 180}, {359, -179}, {360, 180}, {-90, -90}, {540, 0}};
  for (auto [in, out] : cases) EXPECT_NEAR(FoldAngle(in), out, 1e-9) << in;
  EXPECT_DOUBLE_EQ(VectorLength(3, 4), 5);
}

TEST(ConstituentTable, SpringNeapDayCountsFromNewAndFullMoonWithinAWeekEitherSide) {
  // New moon 18 January 2026 19:52 GMT, full moon 3 January 10:03: the day before springs is 0, the day after -1.
  const auto jan = [](int day, int hour) { return DateTime::fromCivil(2026, 1, day, hour, 0); };
  const std::pair<DateTime, int> cases[] = {{jan(18, 12), 0}, {jan(19, 6), -1}, {jan(3, 4), 0}, {jan(4, 0), -1},
                                            {jan(16, 0), 2}};
  for (const auto& [instant, day] : cases)
    EXPECT_EQ(ComputeGroupFactors(instant).springNeapDay, day) << instant.serial();
  int lowest = 0, highest = 0;
  for (DateTime t = DateTime::fromCivil(2026, 1, 1); t < DateTime::fromCivil(2027, 1, 1); t = t.addMinutes(90)) {
    const int day = ComputeGroupFactors(t).springNeapDay;
    lowest = std::min(lowest, day);
    highest = std::max(highest, day);
  }
  EXPECT_EQ(lowest, -7);
  EXPECT_EQ(highest, 7);
}

// The nineteen equilibrium constituents as the tide tables give them, so that
// the sums below do not depend on the table under test.
struct EquilibriumRow {
  const char* doodson;
  double amplitude;
  int group;
};
constexpr EquilibriumRow kEquilibrium[] = {
    {"145555", 0.37689, 0},  {"163555", 0.17554, 1},  {"165555", -0.5305, 1},  {"227655", 0.00671, 2},
    {"245645", -0.00648, 2}, {"265655", 0.00643, 2},  {"235755", 0.02301, 2},  {"237555", 0.02777, 2},
    {"245655", 0.17387, 2},  {"247455", 0.03303, 2},  {"255545", -0.03386, 2}, {"255555", 0.90812, 2},
    {"263655", -0.0067, 2},  {"265455", -0.02567, 2}, {"272556", 0.02479, 3},  {"273555", 0.42358, 3},
    {"275555", 0.07858, 3},  {"275555", 0.03648, 3},  {"275565", 0.03423, 3}};
constexpr double kPrincipalAmplitude[kGroupCount] = {0.37689, 0.5305, 0.90812, 0.42358};

// The group sums worked out in long double, each Doodson argument summed
// from the mean longitudes: V = d0 (2 pi f + h - s) + d1 s + d2 h + d3 p + d4 N' + d5 p1,
// less a quarter turn for the diurnal ones.
struct ExactGroups {
  std::array<long double, kGroupCount> factor, phase;
};

ExactGroups exactGroupsAt(DateTime instant) {
  int month;
  const double t = DaysSince1900(instant, month);
  const AstroArguments a = ComputeAstroArguments(t);
  const long double f = t - std::nearbyint(t);
  const long double pi = std::acos(-1.0L);
  std::array<long double, kGroupCount> C{}, S{};
  for (const EquilibriumRow& row : kEquilibrium) {
    int d[6];
    for (int j = 0; j < 6; ++j) d[j] = row.doodson[j] - '0' - (j > 0 ? 5 : 0);
    const long double tau = 2 * pi * f + static_cast<long double>(a.h) - a.s;
    const long double V = d[0] * tau + d[1] * static_cast<long double>(a.s) + d[2] * static_cast<long double>(a.h) +
                          d[3] * static_cast<long double>(a.p) + d[4] * static_cast<long double>(a.Nprime) +
                          d[5] * static_cast<long double>(a.p1) - (d[0] == 1 ? pi / 2 : 0);
    const long double amplitude = row.amplitude / kPrincipalAmplitude[row.group];
    C[row.group] += amplitude * std::cos(V);
    S[row.group] -= amplitude * std::sin(V);
  }
  ExactGroups out;
  for (int g = 0; g < kGroupCount; ++g) {
    out.factor[g] = std::hypot(C[g], S[g]);
    out.phase[g] = std::atan2(S[g], C[g]);
  }
  return out;
}

TEST(ConstituentTable, GroupSumsKeepThePrecisionOfTheLongitudes) {
  // Two centuries either side of now, where the longitudes reach tens of
  // thousands of radians, and the hours of a day.
  for (DateTime t = DateTime::fromCivil(1901, 1, 1, 3, 17); t < DateTime::fromCivil(2100, 1, 1);
       t = t.addDays(173.37)) {
    const GroupCorrections g = ComputeGroupFactors(t);
    const ExactGroups exact = exactGroupsAt(t);
    for (int k = 0; k < kGroupCount; ++k) {
      EXPECT_NEAR(g.groupFactor[k], static_cast<double>(exact.factor[k]), 1e-13) << t.serial() << " group " << k;
      const long double turn = 2 * std::acos(-1.0L);
      const long double apart = std::remainder(g.groupPhase[k] - exact.phase[k], turn);
      EXPECT_NEAR(static_cast<double>(apart), 0, 1e-12) << t.serial() << " group " << k;
    }
  }
}

TEST(ConstituentTable, ElongationIsTheMoonsTrueLongitudeLessTheSuns) {
  const long double degrees = 180 / std::acos(-1.0L);
  for (double days = -3000; days < 80000; days += 2777.7) {
    const AstroArguments a = ComputeAstroArguments(days);
    const long double s = a.s, h = a.h, p = a.p, N = a.Nprime, p1 = a.p1;
    const long double moon = s + 0.022236 * std::sin(s - 2 * h + p) + 0.10976 * std::sin(s - p) +
                             0.01149 * std::sin(2 * (s - h)) - 0.003243 * std::sin(h - p1) -
                             0.001026 * std::sin(2 * (h - p)) - 0.001 * std::sin(s - 3 * h + p) +
                             0.003728 * std::sin(2 * (s - p)) - 0.001996 * std::sin(2 * (N + s));
    const long double sun = h + 0.033501 * std::sin(h - p1);
    EXPECT_NEAR(MoonSunElongation(a), static_cast<double>((moon - sun) * degrees), 1e-8) << days;
  }
}

void expectSameBits(const GroupCorrections& a, const GroupCorrections& b, const std::string& where) {
  EXPECT_EQ(std::tie(a.monthIndex, a.springNeapDay, a.arguments.s, a.arguments.p1, a.groupFactor, a.groupPhase),
            std::tie(b.monthIndex, b.springNeapDay, b.arguments.s, b.arguments.p1, b.groupFactor, b.groupPhase))
      << where;
}

TEST(ConstituentTable, InstantsSideBySideGiveTheBitsOfOneAtATime) {
  const std::int64_t hour = 3'600'000;
  const std::int64_t noon2026 = DateTime::fromCivil(2026, 6, 1, 12).linearMilliseconds();
  const std::array<std::int64_t, kSideBySide> sets[] = {
      {noon2026, noon2026 + 6 * 60'000, noon2026 + 12 * 60'000, noon2026 + 18 * 60'000},
      {noon2026, noon2026 - hour, noon2026 - 2 * hour, noon2026 - 3 * hour},  // a run backwards
      {noon2026 + 999, noon2026 + 1000, noon2026 + 1001, noon2026 + 59'999},  // within a second
      {-1, -hour * 30, DateTime::fromCivil(1850, 3, 1).linearMilliseconds(), 0},  // before 1900 and the epoch
      {DateTime::fromCivil(2099, 12, 31, 23, 59).linearMilliseconds(), noon2026, noon2026, noon2026},
  };
  for (const bool withSpringNeapDay : {false, true}) {
    for (const auto& instants : sets) {
      std::array<GroupCorrections, kSideBySide> together;
      ComputeGroupFactorsSideBySide(instants, withSpringNeapDay, together);
      for (std::size_t k = 0; k < kSideBySide; ++k) {
        const DateTime instant = DateTime::fromLinearMilliseconds(instants[k]);
        ASSERT_EQ(instant.linearMilliseconds(), instants[k]);
        const GroupCorrections alone = ComputeGroupFactors(instant, withSpringNeapDay);
        expectSameBits(together[k], alone, std::to_string(instants[k]) + (withSpringNeapDay ? " with" : ""));
      }
    }
  }
}

}  // namespace
}  // namespace saltmark
