#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "locations/Positions.h"
#include "Fixtures.h"

namespace saltmark {
namespace {

constexpr double kMinute = 1.0 / 60;

TEST(ParseAngleText, TheUsualTemplateReadsDegreesAndDecimalMinutes) {
  const struct {
    int kind;
    const char* text;
    double degrees;
  } cases[] = {
      {kLatitude, "50 45.3N", 50 + 45.3 * kMinute},
      {kLatitude, "50\xB0" "45.3'N", 50 + 45.3 * kMinute},
      {kLatitude, "50'45.3", 50 + 45.3 * kMinute},
      {kLatitude, "50.755", 50.755},
      {kLatitude, "50 45 30", 50 + 45 * kMinute},  // a third number is ignored
      {kLatitude, "", 0},
      {kLatitude, "N", 0},  // no number before the end
      {kLatitude, "50 45.3s", -(50 + 45.3 * kMinute)},
      {kLatitude, "S 5 3.2", -(5 + 3.2 * kMinute)},
      {kLatitude, "50 45 W", 50 + 45 * kMinute},  // W means nothing to a latitude
      {kLongitude, "1 07W", -(1 + 7 * kMinute)},
      {kLongitude, "001\xB0" "12.0'w", -(1 + 12 * kMinute)},
      {kLongitude, "2 30 S", 2 + 30 * kMinute},  // S means nothing to a longitude
      {kLongitude, "181", 181},
      {kLatitude, "99999999999999999999999999999999999999999999 30", 30 * kMinute},  // too big to hold: 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const double radians = ParseAngleText(c.kind, "**", c.text);
    EXPECT_NEAR(radians, test::degrees(c.degrees), 5e-8);  // parts are singles
    EXPECT_EQ(radians, c.kind == kLatitude ? ParseLatitude("**", c.text) : ParseLongitude("**", c.text));
  }
}

TEST(ParseAngleText, TemplatesTakeNumbersAndSingleCharacters) {
  const struct {
    const char* templateText;
    const char* text;
    double degrees;
  } cases[] = {
      {"ddmm", "5045", 50 + 45 * kMinute},
      {"dd?mmmm", "50 45.3N", 50 + 45.3 * kMinute},
      {"dd.m", "50.4", 50 + 4 * kMinute},            // "." steps over one character
      {"***", "50 45 30", 50 + 45 * kMinute + 30.0 / 3600},
      {"?*", "N50 30", 50},                          // the template ends after one number
      {"dddd", "50", 50},                            // stops at the end of the text
      {"d*", "5 10", 10},                            // "*" counts numbers only: its first is degrees
      {"*s", "50x", 50},                             // "s" at the end takes nothing
      {"", "50 45", 0},
      {"**", "50..5 45", 50 + 45 * kMinute},         // "50..5" reads as 50
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.templateText) + " on " + c.text);
    EXPECT_NEAR(ParseAngleText(kLatitude, c.templateText, c.text), test::degrees(c.degrees), 5e-8);
  }
}

TEST(FormatLatLon, ShowsDegreesMinutesAndTheHemisphere) {
  const struct {
    double degrees;
    int kind;
    const char* shown;
  } cases[] = {
      {0, kLatitude, "00\xB0" "00.0'N"},
      {0, kLongitude, "000\xB0" "00.0'E"},
      {50 + 45.3 * kMinute, kLatitude, "50\xB0" "45.3'N"},
      {50 + 59.97 * kMinute, kLatitude, "51\xB0" "00.0'N"},  // 60.0 minutes carry
      {-(5 + 3.2 * kMinute), kLatitude, "05\xB0" "03.2'S"},
      {-(1 + 12 * kMinute), kLongitude, "001\xB0" "12.0'W"},
      {181, kLongitude, "179\xB0" "00.0'W"},
      {-180, kLongitude, "180\xB0" "00.0'E"},
      {180, kLongitude, "180\xB0" "00.0'E"},
      {540, kLongitude, "180\xB0" "00.0'E"},
      {-(59.99 * kMinute), kLongitude, "001\xB0" "00.0'W"},
      {1e300, kLongitude, "000\xB0" "00.0'E"},  // non-finite in degrees
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLatLon(test::degrees(c.degrees), c.kind), c.shown) << c.degrees;
  EXPECT_EQ(FormatLatLon(std::numeric_limits<double>::quiet_NaN(), kLatitude), "00\xB0" "00.0'N");
  // A huge but finite angle is brought into range at once.
  EXPECT_EQ(FormatLatLon(test::degrees(360.0 * 1e12 + 10), kLongitude).substr(0, 3), "010");
}

TEST(FormatLatLon, BoxesShowWhatWasTypedInTheDisplayForm) {
  EXPECT_EQ(NormaliseLatitudeText("50 45.3n"), "50\xB0" "45.3'N");
  EXPECT_EQ(NormaliseLatitudeText(""), "00\xB0" "00.0'N");
  EXPECT_EQ(NormaliseLongitudeText("1 7 w"), "001\xB0" "07.0'W");
  EXPECT_EQ(NormaliseLongitudeText("181"), "179\xB0" "00.0'W");
  // The display form reads back as itself.
  for (const char* shown : {"50\xB0" "45.3'N", "05\xB0" "03.2'S", "89\xB0" "59.9'S"})
    EXPECT_EQ(NormaliseLatitudeText(shown), shown);
}

TEST(IsNumberChar, DigitsPointAndTheEmptyText) {
  for (const char* yes : {"0", "5", "9", ".", ""}) EXPECT_TRUE(IsNumberChar(yes)) << yes;
  for (const char* no : {"-", " ", "N", "\xB0", "12", ","}) EXPECT_FALSE(IsNumberChar(no)) << no;
}

}  // namespace
}  // namespace saltmark
