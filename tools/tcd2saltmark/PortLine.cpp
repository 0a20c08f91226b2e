#include "PortLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/VbNumbers.h"

namespace saltmark::tcd {
namespace {

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string s = text;
  // "-0.0000" reads as 0 anyway; write it plainly.
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

// Whole degrees, whole minutes (60 minutes carry) and the hemisphere letter.
std::string positionFields(double degrees, char positive, char negative) {
  const long totalMinutes = std::lround(std::fabs(degrees) * 60.0);
  const char hemisphere = degrees < 0 && totalMinutes > 0 ? negative : positive;
  return std::to_string(totalMinutes / 60) + "," + std::to_string(totalMinutes % 60) + "," + hemisphere;
}

// A lag in degrees, two decimals, 0.00..359.99 (359.996 is a full turn: 0.00).
std::string phaseText(double degrees) {
  const std::string s = fixed(NormalDegrees(degrees), 2);
  return s == "360.00" ? "0.00" : s;
}

}  // namespace

std::string CleanPortName(std::string_view name) {
  // Each part between commas, control characters blanked and trimmed; the
  // parts that are left joined by " - ".
  std::string out;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t comma = std::min(name.find(',', start), name.size());
    std::string part;
    for (char c : name.substr(start, comma - start)) {
      const auto u = static_cast<unsigned char>(c);
      part += u < 0x20 || u == 0x7F ? ' ' : c;
    }
    const auto first = part.find_first_not_of(' ');
    if (first != std::string::npos) {
      if (!out.empty()) out += " - ";
      out += part.substr(first, part.find_last_not_of(' ') - first + 1);
    }
    start = comma + 1;
  }
  const auto first = out.find_first_not_of(" $");
  return first == std::string::npos ? "Unnamed station" : out.substr(first);
}

std::array<std::string, 13> HarmonicTexts(const SimplePort& p) {
  return {p.followsSpringNeap ? std::string("w") : fixed(p.meanLevel, 4),
          phaseText(p.phase[kM2]), fixed(p.amplitude[kM2], 4),
          phaseText(p.phase[kS2]), fixed(p.amplitude[kS2], 4),
          phaseText(p.phase[kK1]), fixed(p.amplitude[kK1], 4),
          phaseText(p.phase[kO1]), fixed(p.amplitude[kO1], 4),
          phaseText(p.quarterPhase), fixed(p.quarterCoefficient, 6),
          phaseText(p.sixthPhase), fixed(p.sixthCoefficient, 6)};
}

std::array<std::string, kMonths> MonthlyLevelTexts(const SimplePort& p) {
  std::array<std::string, kMonths> texts;
  if (std::ranges::all_of(p.monthlyLevel, [](double v) { return fixed(v, 4) == "0.0000"; })) return texts;
  for (int m = 0; m < kMonths; ++m) texts[m] = fixed(p.monthlyLevel[m], 4);
  return texts;
}

std::array<std::string, 10> SpringNeapTexts(const SimplePort& p) {
  std::array<std::string, 10> texts;
  if (!p.followsSpringNeap) return texts;
  texts[0] = std::to_string(p.springNeapOffset);
  for (int k = 0; k < kSpringNeapLevels; ++k) texts[2 + k] = fixed(p.springNeapLevel[k], 4);
  return texts;
}

std::string ZoneText(double hoursWest) {
  std::string s = fixed(hoursWest, 2);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string FormatLocationLine(std::string_view cleanName, const SimplePort& port, double latitude,
                               double longitude) {
  std::string line(cleanName);
  line += "," + ZoneText(port.zoneHoursWest);
  line += "," + positionFields(latitude, 'N', 'S');
  line += "," + positionFields(longitude, 'E', 'W');
  for (const std::string& text : HarmonicTexts(port)) line += "," + text;
  for (const std::string& text : MonthlyLevelTexts(port)) line += "," + text;
  line += std::string(12, ',');  // the monthly M2 amplitudes are not used
  for (const std::string& text : SpringNeapTexts(port)) line += "," + text;
  return line;
}

SimplePort AsStored(const SimplePort& port) {
  const auto texts = HarmonicTexts(port);
  const auto val = [&](int i) { return static_cast<double>(Single(Val(texts[static_cast<std::size_t>(i)]))); };
  SimplePort p;
  p.zoneHoursWest = Val(ZoneText(port.zoneHoursWest));
  p.meanLevel = val(0);
  p.phase[kM2] = val(1), p.amplitude[kM2] = val(2);
  p.phase[kS2] = val(3), p.amplitude[kS2] = val(4);
  p.phase[kK1] = val(5), p.amplitude[kK1] = val(6);
  p.phase[kO1] = val(7), p.amplitude[kO1] = val(8);
  p.quarterPhase = val(9), p.quarterCoefficient = val(10);
  p.sixthPhase = val(11), p.sixthCoefficient = val(12);
  const auto read = [](const std::string& text) { return static_cast<double>(Single(Val(text))); };
  const auto monthly = MonthlyLevelTexts(port);
  for (int m = 0; m < kMonths; ++m) p.monthlyLevel[m] = read(monthly[m]);
  if (port.followsSpringNeap) {
    const auto springNeap = SpringNeapTexts(port);
    p.followsSpringNeap = true;
    p.springNeapOffset = static_cast<int>(Val(springNeap[0]));
    double sum = 0;
    for (int k = 0; k < kSpringNeapLevels; ++k) p.springNeapLevel[k] = read(springNeap[2 + k]);
    for (int d = -7; d <= 7; ++d) sum += p.springNeapLevel[SpringNeapIndex(p.springNeapOffset, d)];
    p.meanLevel = sum / kSpringNeapDays;
  }
  return p;
}

}  // namespace saltmark::tcd
