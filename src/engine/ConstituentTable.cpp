#include "engine/ConstituentTable.h"

#include <cmath>

#include "common/VbNumbers.h"
#include "engine/AngleFunctions.h"
#include "engine/SineCosine.h"

namespace saltmark {
namespace {

struct RowSource {
  std::string_view code;
  double equilibriumAmplitude;
  int group;
};

// Doodson numbers and equilibrium amplitudes, grouped round O1, K1, M2, S2.
// "275555" stands twice: the lunar and the solar part of K2.
constexpr std::array<RowSource, kConstituentRows> kRows = {{
    {"145555", 0.37689, group::kO1},   {"163555", 0.17554, group::kK1},   {"165555", -0.5305, group::kK1},
    {"227655", 0.00671, group::kM2},   {"245645", -0.00648, group::kM2},  {"265655", 0.00643, group::kM2},
    {"235755", 0.02301, group::kM2},   {"237555", 0.02777, group::kM2},   {"245655", 0.17387, group::kM2},
    {"247455", 0.03303, group::kM2},   {"255545", -0.03386, group::kM2},  {"255555", 0.90812, group::kM2},
    {"263655", -0.0067, group::kM2},   {"265455", -0.02567, group::kM2},  {"272556", 0.02479, group::kS2},
    {"273555", 0.42358, group::kS2},   {"275555", 0.07858, group::kS2},   {"275555", 0.03648, group::kS2},
    {"275565", 0.03423, group::kS2},
}};

constexpr std::array<double, kGroupCount> kReferenceAmplitude = {0.37689, 0.5305, 0.90812, 0.42358};

std::array<ConstituentRow, kConstituentRows> buildTable() {
  std::array<ConstituentRow, kConstituentRows> table{};
  for (int i = 0; i < kConstituentRows; ++i) {
    ConstituentRow& row = table[i];
    row.code = kRows[i].code;
    for (int j = 0; j < 6; ++j) {
      row.digits[j] = static_cast<int>(Val(row.code.substr(j, 1)));
      if (j >= 1) row.digits[j] -= 5;
    }
    row.amplitude = kRows[i].equilibriumAmplitude / kReferenceAmplitude[kRows[i].group];
    row.group = kRows[i].group;
  }
  return table;
}

// The longitude-series coefficients, stored in radians and used in degrees.
struct LongitudeCoefficients {
  std::array<double, 8> moon;
  double sun;
};

LongitudeCoefficients buildCoefficients() {
  constexpr std::array<double, 8> moonRadians = {0.022236, 0.10976, 0.01149, -0.003243,
                                                 -0.001026, -0.001, 0.003728, -0.001996};
  LongitudeCoefficients c{};
  for (int i = 0; i < 8; ++i) c.moon[i] = moonRadians[i] / kDegreesToRadians;
  c.sun = 0.033501 / kDegreesToRadians;
  return c;
}

const LongitudeCoefficients& coefficients() {
  static const LongitudeCoefficients c = buildCoefficients();
  return c;
}

// Days from 30 December 1899 to 1 January 1900.
constexpr std::int64_t kDaysTo1900 = 2;
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// The month (1..12) of a day counted from 30 December 1899, by the civil
// calendar arithmetic of days since 1 March of year 0 (the month is read
// once per prediction, so it is worked out here rather than by a full
// calendar conversion).
int monthOfDay(std::int64_t day) {
  const std::int64_t z = day + 693899;  // days since 1 March 0000
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  return static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
}

// 19 rows, 18 distinct arguments: the two parts of K2 share one.
constexpr int kArgumentCount = kConstituentRows - 1;

// The rows' Doodson arguments as multipliers of the time-of-day fraction and
// the five mean longitudes (the mean lunar time written out as the solar-day
// angle plus h - s), worked out once and laid out a column per multiplier so
// that all eighteen arguments are formed side by side.
struct ArgumentTable {
  std::array<double, kArgumentCount> day, h, s, p, Nprime, p1;
  std::array<double, kArgumentCount> quarterTurn;  // pi/2 taken off the diurnal ones
  struct Term {
    int argument;
    double amplitude;
    int group;
  };
  std::array<Term, kConstituentRows> terms;
};

const ArgumentTable& argumentTable() {
  static const ArgumentTable table = [] {
    const auto& rows = InitConstituentTable();
    ArgumentTable out{};
    int argument = -1;
    for (int i = 0; i < kConstituentRows; ++i) {
      const auto& d = rows[i].digits;
      if (i == 0 || rows[i].code != rows[i - 1].code) {
        ++argument;
        out.day[argument] = kTwoPi * d[0];
        out.h[argument] = d[2] + d[0];
        out.s[argument] = d[1] - d[0];
        out.p[argument] = d[3];
        out.Nprime[argument] = d[4];
        out.p1[argument] = d[5];
        out.quarterTurn[argument] = d[0] == 1 ? kPi / 2 : 0;
      }
      out.terms[i] = {argument, rows[i].amplitude, rows[i].group};
    }
    return out;
  }();
  return table;
}

}  // namespace

const std::array<ConstituentRow, kConstituentRows>& InitConstituentTable() {
  static const std::array<ConstituentRow, kConstituentRows> table = buildTable();
  coefficients();
  return table;
}

double DaysSince1900(DateTime instant, int& monthIndex) {
  const std::int64_t ms = instant.linearMilliseconds();
  std::int64_t day = ms / kMillisecondsPerDay;
  std::int64_t msOfDay = ms % kMillisecondsPerDay;
  if (msOfDay < 0) {
    msOfDay += kMillisecondsPerDay;
    --day;
  }
  const std::int64_t secondOfDay = msOfDay / 1000;  // milliseconds do not count
  const int hour = static_cast<int>(secondOfDay / 3600);
  const int minute = static_cast<int>(secondOfDay / 60 % 60);
  const int second = static_cast<int>(secondOfDay % 60);
  monthIndex = monthOfDay(day) - 1;
  return static_cast<double>(day - kDaysTo1900) + (hour + (minute + second / 60.0) / 60.0) / 24.0;
}

AstroArguments ComputeAstroArguments(double days) {
  const double T = days / 36525;
  const double T2 = T * T;
  AstroArguments a;
  a.s = (277.0248 + 481267.8906 * T + 0.002 * T2) * kDegreesToRadians;
  a.h = (280.1895 + 36000.7689 * T + 0.0003 * T2) * kDegreesToRadians;
  a.p = (334.3853 + 4069.034 * T - 0.0103 * T2) * kDegreesToRadians;
  a.Nprime = (100.8432 + 1934.142 * T - 0.0021 * T2) * kDegreesToRadians;
  a.p1 = (281.2209 + 1.7192 * T + 0.0005 * T2) * kDegreesToRadians;
  return a;
}

double MoonSunElongation(const AstroArguments& a) {
  const LongitudeCoefficients& c = coefficients();
  const double s = a.s, h = a.h, p = a.p;
  // The Moon's eight periodic terms; the fourth is also the Sun's one.
  const std::array<double, 8> angle = {s - 2 * h + p, s - p,         2 * (s - h),     h - a.p1,
                                       2 * (h - p),   s - 3 * h + p, 2 * (s - p),     2 * (a.Nprime + s)};
  std::array<double, 8> sine, cosine;
  SinCosEach(angle, sine, cosine);
  double moon = s / kDegreesToRadians;
  for (int i = 0; i < 8; ++i) moon += c.moon[i] * sine[i];
  const double sun = h / kDegreesToRadians + c.sun * sine[3];
  return moon - sun;
}

int SpringNeapDay(const AstroArguments& arguments) {
  const float elongation = Single(MoonSunElongation(arguments));
  const float twice = Single(2.0 * elongation + 360 / 2);
  const double fold = FoldAngle(twice);
  // 24.38149878 degrees is the change of twice the elongation in a day.
  int day = static_cast<int>(Int(fold / 24.38149878));
  if (day == 8 || day == -8) day -= 15 * Sgn(day);
  return day;
}

GroupCorrections ComputeGroupFactors(DateTime instant, bool withSpringNeapDay) {
  GroupCorrections result;
  const double t = DaysSince1900(instant, result.monthIndex);
  const AstroArguments a = ComputeAstroArguments(t);
  result.arguments = a;
  // Whole days drop out of the time-of-day angle.
  const double f = t - CLng(t);

  const ArgumentTable& table = argumentTable();
  // Two idle angles make up whole vectors of four: the lanes cost less than
  // two angles taken one at a time.
  std::array<double, kArgumentCount + 2> V{}, sinV, cosV;
  for (int i = 0; i < kArgumentCount; ++i) {
    V[i] = table.day[i] * f + table.h[i] * a.h + table.s[i] * a.s + table.p[i] * a.p + table.Nprime[i] * a.Nprime +
           table.p1[i] * a.p1 - table.quarterTurn[i];
  }
  SinCosEach(V, sinV, cosV);

  std::array<double, kGroupCount> C, S;
  std::size_t term = 0;
  for (int g = 0; g < kGroupCount; ++g) {
    // Summed in registers: a running sum in the arrays would wait on its own store.
    double sumC = 0, sumS = 0;
    for (; term < table.terms.size() && table.terms[term].group == g; ++term) {
      const ArgumentTable::Term& r = table.terms[term];
      sumC += r.amplitude * cosV[r.argument];
      sumS -= r.amplitude * sinV[r.argument];
    }
    C[g] = sumC;
    S[g] = sumS;
    result.groupFactor[g] = std::sqrt(sumC * sumC + sumS * sumS);
  }
  result.groupPhase = FullCircleArctanEach(S, C);
  if (withSpringNeapDay) result.springNeapDay = SpringNeapDay(a);
  return result;
}

}  // namespace saltmark
