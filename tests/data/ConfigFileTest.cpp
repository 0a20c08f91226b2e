#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "data/ConfigFile.h"
#include "data/SettingsLimits.h"
#include "platform/ScriptedPlatform.h"
#include "support/RandomRecords.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;

// Fields away from their defaults (random ones, none that the load would
// mend), texts with 8-bit characters.
Settings unusualSettings() {
  Settings s = test::RandomRecords(7).settings();
  s.versionText = "Saltmark 100";
  ResetUnusableSettings(s);
  s.vesselName = "Sea Wr\xE9n";
  s.differenceDatabasePath = "MINE.dif";
  s.metricUnits = 0;  // lengths in feet
  s.echoSounderOffset = -0.5f;
  s.speedUnits = 3;
  return s;
}

template <auto Field>
void copyField(Settings& to, const Settings& from) { to.*Field = from.*Field; }

// The default record but for a single (1.5 is 0x3FC00000) and a negative
// integer, little-endian; texts are a 16-bit count and their bytes.
TEST(ConfigFile, TheRecordHasTheExactPackedLayout) {
  Settings s;
  s.systemZoneOffset = -4;
  s.draught = 1.5f;
  const std::string zero("\0\0", 2), zeroSingle("\0\0\0\0", 4), yes = "\xFF\xFF";
  EXPECT_EQ(EncodeSettings(s), "\x0C\x00"s + "Saltmark 100" + zero + zero                             // 1-3
                                   + zero + "\xFC\xFF"s + zero                                      // 4-6
                                   + "\x00\x00\xC0\x3F"s + zeroSingle + zeroSingle + zeroSingle     // 7-10
                                   + "\x01\x00"s + "4" + "\x01\x00"s + "6"                          // 11-12
                                   + yes + zero + yes + zero + zero + zero + "\x01\x00"s            // 13-19
                                   + "\x01\x00"s + "1" + yes + yes + yes                            // 20-23
                                   + "\x04\x00"s + "20.0" + zeroSingle + zero + zero + zero + zero);  // 24-29
}

class ConfigFileTest : public ::testing::Test {
 protected:
  // The bytes as the configuration file (none: no file), loaded into s.
  SettingsSource load(const std::optional<std::string>& bytes) {
    std::filesystem::remove_all(ConfigFilePath(dir.path()));
    if (bytes) test::writeFile(ConfigFilePath(dir.path()), *bytes);
    platform.clear();
    return LoadSettings(s, saved, dir.path(), platform);
  }
  test::TempDir dir;
  ScriptedPlatform platform;
  Settings s, saved;
};

// Another version with the same signature loads, trailing bytes ignored; the
// save stamps this version and replaces the longer file whole.
TEST_F(ConfigFileTest, AnotherVersionLoadsAndTheSaveStampsThisOne) {
  Settings other = unusualSettings();
  other.versionText = "Saltmark 731";
  EXPECT_EQ(load(EncodeSettings(other) + "tail of an older, longer record"), SettingsSource::File);
  EXPECT_EQ(s, other);
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_TRUE(SaveSettings(s, dir.path(), platform));
  other.versionText = s.versionText = "Saltmark 100";
  EXPECT_EQ(test::readFile(ConfigFilePath(dir.path())), EncodeSettings(other));
}

// A stored value that would fail every computation reading it goes back to
// its default; the other fields stay as stored and one message names it.
TEST_F(ConfigFileTest, UnusableStoredValuesAreResetOnceAtLoad) {
  const struct { const char* named; void (*copy)(Settings& to, const Settings& from); } fields[] = {
      {"draught", copyField<&Settings::draught>},           {"charted depth", copyField<&Settings::chartedDepth>},
      {"rope on board", copyField<&Settings::ropeOnBoard>}, {"plot duration", copyField<&Settings::graphDays>},
      {"echo sounder offset", copyField<&Settings::echoSounderOffset>},
      {"rope multiplier", copyField<&Settings::ropeMultiplier>},
      {"local zone offset", copyField<&Settings::localZoneOffset>},
      {"system zone offset", copyField<&Settings::systemZoneOffset>},
      {"stream units", copyField<&Settings::speedUnits>},   {"time base", copyField<&Settings::timeBase>},
      {"mode", copyField<&Settings::portMode>}};
  const float inf = std::numeric_limits<float>::infinity();
  for (float value : {std::numeric_limits<float>::quiet_NaN(), inf, -inf, 1e30f}) {
    Settings bad;
    bad.draught = bad.chartedDepth = bad.ropeOnBoard = bad.echoSounderOffset = value;
    bad.ropeMultiplier = "1e39";
    bad.graphDays = "1e400";
    bad.localZoneOffset = 2185;
    bad.systemZoneOffset = -32768;
    bad.speedUnits = bad.portMode = 4;  // one past the last choice
    bad.timeBase = 3;
    for (const auto& field : fields) {
      SCOPED_TRACE(std::string(field.named) + " " + std::to_string(value));
      Settings stored = unusualSettings();
      field.copy(stored, bad);
      EXPECT_EQ(load(EncodeSettings(stored)), SettingsSource::File);
      field.copy(stored, Settings{});
      EXPECT_EQ(s, stored);
      EXPECT_EQ(platform.messageTexts(),
                Texts{"Configuration File values out of range were reset to their defaults: "s + field.named + "."});
      EXPECT_TRUE(SettingsChanged(s, saved)) << "the exit question offers to store the mended record";
    }
  }
  // Values at the limits are kept without a word.
  Settings edge = unusualSettings();
  edge.draught = -199.0f;
  edge.ropeOnBoard = 652.8f;  // 199 m converted to feet
  edge.localZoneOffset = 2184;
  edge.systemZoneOffset = -2184;
  edge.ropeMultiplier = "1000";
  edge.timeBase = 2;  // the last of each choice
  edge.portMode = edge.speedUnits = 3;
  load(EncodeSettings(edge));
  EXPECT_EQ(s, edge);
  EXPECT_TRUE(platform.messages.empty());
  // Just past: 199 m is 652.887 feet, and a hundredth more is allowed.
  edge.draught = 652.9f;
  load(EncodeSettings(edge));
  EXPECT_EQ(s.draught, 0);
}

// Every way a configuration file can be unusable: one message, the defaults,
// and nothing taken from the file; a missing file gives the defaults silently.
TEST_F(ConfigFileTest, UnusableFilesAreReplacedByTheDefaultsAfterOneMessage) {
  Settings foreign = unusualSettings();
  foreign.differenceDatabasePath = "FOREIGN.dif";
  auto withVersion = [&](std::string version) {
    Settings s = foreign;
    s.versionText = std::move(version);
    return EncodeSettings(s);
  };
  const std::string good = withVersion("Saltmark 100");
  struct Case { std::string name; std::optional<std::string> bytes; SettingsSource source = SettingsSource::Rejected; };
  std::vector<Case> cases = {
      {"missing file", std::nullopt, SettingsSource::Defaults},  // no bytes: no file
      {"other program", withVersion("Tidewise 100")},          {"short version text", withVersion("Saltmar")},
      {"empty version text", withVersion("")},                 {"lower-case signature", withVersion("saltmark 100")},
      {"empty file", ""},                                      {"text count past the end", "\xFF\xFF" "Saltmark 100"},
      {"a folder in place of the file", ""}};
  for (std::size_t cut = 1; cut < good.size(); ++cut)
    cases.push_back({"cut after " + std::to_string(cut) + " bytes", good.substr(0, cut)});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    s = foreign;
    s.differenceDatabasePath = "MINE.dif";
    if (c.name.starts_with("a folder")) {
      load(std::nullopt);
      std::filesystem::create_directory(ConfigFilePath(dir.path()));
      EXPECT_EQ(LoadSettings(s, saved, dir.path(), platform), SettingsSource::Rejected);
    } else {
      EXPECT_EQ(load(c.bytes), c.source);
    }
    Settings expected;
    expected.differenceDatabasePath = "MINE.dif";  // the defaults leave it alone
    EXPECT_EQ(s, expected);
    EXPECT_EQ(saved, s);
    EXPECT_EQ(platform.messageTexts(),
              c.source == SettingsSource::Defaults ? Texts{} : Texts{"Error in Loading Configuration File"});
    if (c.source != SettingsSource::Defaults) {
      EXPECT_EQ(platform.lastMessage()->icon, MessageIcon::None);
    }
  }
}

// Field by field it is the load's mending (above) that shows; here the texts
// compare case-sensitively and a NaN is no change.
TEST(ConfigFile, ChangesAreSeenInTheCaseOfTextsButNotInANaN) {
  Settings saved = unusualSettings(), s = saved;
  s.vesselName = "SEA WR\xC9N";
  EXPECT_TRUE(SettingsChanged(s, saved));
  saved.draught = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(SettingsChanged(saved, saved));
}

TEST_F(ConfigFileTest, ExitAsksOnlyWhenSomethingChangedAndCancelKeepsTheProgramRunning) {
  const struct { std::optional<MessageAnswer> answer; bool mayEnd; } cases[] = {  // no answer: nothing changed
      {std::nullopt, true}, {MessageAnswer::Yes, true}, {MessageAnswer::No, true}, {MessageAnswer::Cancel, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer ? static_cast<int>(*c.answer) : -1);
    std::filesystem::remove(ConfigFilePath(dir.path()));
    platform.clear();
    s = saved;
    if (c.answer) {
      platform.answerNext(*c.answer);
      s.vesselName = "Sea Wren";
    }
    EXPECT_EQ(ConfirmExit(s, saved, dir.path(), platform), c.mayEnd);
    const bool written = c.answer == MessageAnswer::Yes;
    EXPECT_EQ(std::filesystem::exists(ConfigFilePath(dir.path())), written);
    if (written) {
      EXPECT_EQ(test::readFile(ConfigFilePath(dir.path())), EncodeSettings(s));
    }
    EXPECT_EQ(platform.messageTexts(),
              c.answer ? Texts{"Configuration Settings Have Changed. Save New Values?"} : Texts{});
    if (!c.answer) continue;
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
  }
}

}  // namespace
}  // namespace saltmark
