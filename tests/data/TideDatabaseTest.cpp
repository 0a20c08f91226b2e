#include <gtest/gtest.h>

#include "common/RuntimeError.h"
#include "data/LocationLine.h"
#include "data/TideDatabase.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using namespace std::string_literals;

// A port line with all 55 fields; the last one has no trailing ",".
std::string portLine(const std::string& name, const std::string& zone = "0") {
  std::string line = name + "," + zone + ",50,48,n,1,7,w";
  for (const auto& [field, count] : {std::pair{",h", 13}, {",ml", 12}, {",ma", 12}, {",sn", 10}})
    for (int i = 0; i < count; ++i) line += field + std::to_string(i);
  return line;
}

std::vector<std::string> portLines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(portLine("Port " + std::to_string(i)));
  return lines;
}

std::string signature() { return EncodeTideRecord("Saltmark 100"); }

int expectRuntimeError(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.code();
  }
  return 0;
}

TEST(TideDatabaseFile, ScramblingChainsEachByteOnTheStoredOneBefore) {
  // key 3 (the length): 'A' ^ 3 = 0x42, 'b' ^ 0x42 = 0x20, 'c' ^ 0x20 = 0x43 (every byte back: RoundTripProperty)
  EXPECT_EQ(EncodeTideRecord("Abc"), "\x03\x00\x42\x20\x43"s);
}

TEST(TideDatabaseFile, TheWriterRefusesWhatTheReaderCouldNotGiveBack) {
  struct Case { std::string name, signature; std::vector<std::string> headers, lines; };
  const std::string ours = "Saltmark 100", x32767(32767, 'x');
  const Case cases[] = {
      {"foreign signature", "Tidewise 100", {}, {"A"}}, {"short signature", "Salt", {}, {"A"}},
      {"four headers", ours, {"1", "2", "3", "4"}, {"A"}}, {"702 ports", ours, {}, portLines(702)},
      {"empty line", ours, {}, {"A", ""}},                 {"line taken for a header", ours, {}, {"$A"}},
      {"record too long", ours, {}, {x32767 + "x"}},      {"header too long", ours, {x32767}, {}}};
  test::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const WriteResult result = WriteTideDatabaseFile(dir / "x.tid", c.signature, c.headers, c.lines);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "x.tid"));
  }
  EXPECT_EQ(DecodeTideDatabase(EncodeTideDatabase(ours, {}, {x32767})).locationLines, std::vector{x32767});
}

TEST(TideDatabaseFile, HeadersAnywhereDoNotShiftThePortsAndOnlyThreeAreKept) {
  const std::string bytes = signature() + EncodeTideRecord("$one") + EncodeTideRecord("A,1") +
                            EncodeTideRecord("$two") + EncodeTideRecord("$three") + EncodeTideRecord("B,2") +
                            EncodeTideRecord("$four") + EncodeTideRecord("C,3");
  const TideDatabaseContents read = DecodeTideDatabase(bytes);
  EXPECT_EQ(read.locationLines, (std::vector<std::string>{"A,1", "B,2", "C,3"}));
  EXPECT_EQ(read.headers, (std::vector<std::string>{"one", "two", "three"}));
}

class TideDatabaseLoad : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& bytes) {
    const auto path = dir / name;
    test::writeFile(path, bytes);
    return path.string();
  }
  std::string writeDatabase(const std::string& name, const std::vector<std::string>& lines) {
    const auto path = dir / name;
    EXPECT_TRUE(WriteTideDatabaseFile(path, "Saltmark 100", {}, lines));
    return path.string();
  }

  test::TempDir dir;
  ScriptedPlatform platform;
  TideDatabase database;
};

// No ports and the most a database holds; window events run at every record.
TEST_F(TideDatabaseLoad, UpTo701PortsLoad) {
  const std::string empty = write("empty.tid", signature());
  EXPECT_TRUE(database.LoadTideDatabase(empty, platform));
  EXPECT_EQ(database.locationCount(), 0);
  EXPECT_EQ(database.currentDatabase(), empty);
  EXPECT_EQ(platform.eventPumps, 1);
  ASSERT_TRUE(database.LoadTideDatabase(writeDatabase("full.tid", portLines(701)), platform));
  EXPECT_EQ(database.locationCount(), 701);
  EXPECT_EQ(database.LocationListName(700), "Port 700");
  EXPECT_EQ(database.LocationListName(701), "");
  EXPECT_TRUE(platform.messages.empty());
}

// Damaged, missing and unreadable files: one message (% is the path), and
// the database loaded before stays loaded.
TEST_F(TideDatabaseLoad, FilesThatCannotBeReadKeepThePreviousDatabase) {
  const std::string good = writeDatabase("good.tid", {"Keep,1", "Me,2"});
  ASSERT_TRUE(database.LoadDatabaseIfNew(good, platform));

  const std::string bad = "Not an Saltmark Database File";
  struct Case { std::string name, bytes, message; MessageIcon icon = MessageIcon::Exclamation; };
  const Case cases[] = {
      {"empty file", "", bad},                        {"signature too short", EncodeTideRecord("Saltmar"), bad},
      {"zero-length first record", "\x00\x00"s, bad}, {"negative length", signature() + "\xFE\xFF"s + "ab", bad},
      {"foreign signature", EncodeTideRecord("Tidewise 100") + EncodeTideRecord("A,1"), bad},
      {"zero-length record", signature() + "\x00\x00"s + EncodeTideRecord("A,1"), bad},
      {"length past the end", signature() + "\x10\x00"s + "short", bad},
      {"half a length at the end", signature() + EncodeTideRecord("A,1") + "\x05"s, bad},
      {"702 ports", EncodeTideDatabase("Saltmark 100", {}, portLines(701)) + EncodeTideRecord("B"),
       "Subscript out of range : %"},
      {"missing", "", "Cannot find database file %.", MessageIcon::None}, {"folder", "", "Path/File access error : %"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform.clear();
    const std::string path = (dir / (c.name + ".tid")).string();
    if (c.name == "folder")
      std::filesystem::create_directory(path);
    else if (c.name != "missing")
      write(c.name + ".tid", c.bytes);
    EXPECT_FALSE(database.LoadDatabaseIfNew(path, platform));
    std::string message = c.message;
    if (const auto at = message.find('%'); at != std::string::npos) message.replace(at, 1, path);
    EXPECT_EQ(platform.messageTexts(), std::vector{message});
    EXPECT_EQ(platform.messages[0].icon, c.icon);
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
    EXPECT_EQ(database.currentDatabase(), good);
    EXPECT_EQ(database.locationLines(), (std::vector<std::string>{"Keep,1", "Me,2"}));
  }
}

TEST_F(TideDatabaseLoad, TheLoadedPathIsNotReadAgainButAFailedOneIsRetried) {
  const std::string path = writeDatabase("a.tid", {"First,1"});
  ASSERT_TRUE(database.LoadDatabaseIfNew(path, platform));
  writeDatabase("a.tid", {"Second,1"});
  EXPECT_TRUE(database.LoadDatabaseIfNew(path, platform));
  EXPECT_EQ(database.LocationListName(0), "First");
  const std::string other = (dir / "b.tid").string();
  EXPECT_FALSE(database.LoadDatabaseIfNew(other, platform));
  writeDatabase("b.tid", {"Third,1"});
  EXPECT_TRUE(database.LoadDatabaseIfNew(other, platform));
  EXPECT_EQ(database.currentDatabase(), other);
  EXPECT_EQ(database.LocationListName(0), "Third");
}

TEST_F(TideDatabaseLoad, SplitFieldRestartsOnALineAndContinuesWithMinusOne) {
  ASSERT_TRUE(database.LoadTideDatabase(writeDatabase("a.tid", {"A,B,C", "Alone", "x,,y"}), platform));
  // A line number starts on that line, -1 goes on; the last field needs no ","; a number with no
  // line reads as empty. "!": past the last field (invalid format), "?": out of range.
  const std::pair<int, std::string> reads[] = {{0, "A"}, {-1, "B"}, {-1, "C"}, {-1, "!"}, {1, "Alone"}, {-1, "!"},
                                               {2, "x"}, {-1, ""},  {-1, "y"},  {3, ""},   {701, "?"},  {-2, "?"}};
  for (const auto& [line, field] : reads) {
    const int error = expectRuntimeError([&] { EXPECT_EQ(database.SplitField(line), field) << line; });
    EXPECT_EQ(error, field == "!" ? errc::kInvalidFormat : field == "?" ? errc::kSubscript : 0) << line;
  }
}

TEST(LocationLine, PositionTextsAreRoundedAndPadded) {
  const struct { const char *degrees, *minutes, *hemisphere; std::string expected; } cases[] = {
      {"50", "48", "N", "50\xB0" "48'N"}, {"1", "7", "w", "1\xB0" "07'W"}, {"123", "5.4", "east", "123\xB0" "05'E"},
      {"50.5", "7.5", "s", "51\xB0" "08'S"}, {" 9", "59.6", "N", "9\xB0" "60'N"}, {"", "", "", "0\xB0" "00'"},
      {"x", "-3", "n", "0\xB0" "-03'N"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatPositionPart(c.degrees, c.minutes, c.hemisphere), c.expected) << c.expected;
}

TEST(LocationLine, FieldsFillTheRecordInOrder) {
  const LocationRecord r = ParseLocationLine(portLine("Portsmouth", "-1") + ",extra,fields");
  EXPECT_EQ((std::vector{r.portName, r.portZone, r.latitudeText, r.longitudeText, r.positionText, r.harmonic[0],
                         r.harmonic[12], r.monthlyLevel[0], r.monthlyLevel[11], r.monthlyAmplitude[11],
                         r.springNeapLevel[0], r.springNeapLevel[9]}),
            (std::vector<std::string>{"Portsmouth", "-1", "50\xB0" "48'N", "1\xB0" "07'W", "50\xB0" "48'N 1\xB0" "07'W",
                                      "h0", "h12", "ml0", "ml11", "ma11", "sn0", "sn9"}));

  std::string short54 = portLine("Short");
  short54.erase(short54.rfind(','));
  EXPECT_EQ(expectRuntimeError([&] { ParseLocationLine(short54); }), errc::kInvalidFormat);
}

// Reading a port sets the local zone when it is automatic; a line that
// cannot be read changes nothing.
TEST_F(TideDatabaseLoad, ReadingAPort) {
  const std::string path = writeDatabase(
      "a.tid", {portLine("Dover", "-1"), portLine("Halifax", "4.5"), "Broken,0,50", portLine("Far", "1e9")});
  ASSERT_TRUE(database.LoadTideDatabase(path, platform));
  LocationRecord record;
  Settings settings;
  int refreshes = 0;
  const std::function<void()> refresh = [&] { ++refreshes; }, noClock;
  const struct { int line; std::int16_t autoZone; bool clock; const char* port; int zone, refreshes; } reads[] = {
      {1, 1, true, "Halifax", 18, 1}, {0, 0, true, "Dover", 18, 1}, {0, 1, false, "Dover", -4, 1}};
  for (const auto& r : reads) {
    settings.autoLocalZone = r.autoZone;
    ASSERT_TRUE(database.ReadLocation(r.line, record, settings, platform, r.clock ? refresh : noClock));
    EXPECT_EQ(record.portName, r.port);
    EXPECT_EQ(settings.localZoneOffset, r.zone);
    EXPECT_EQ(refreshes, r.refreshes);
  }
  EXPECT_EQ(platform.eventPumps, 5 + 3);  // one a record loaded (the signature too), one a read
  EXPECT_TRUE(platform.messages.empty());

  const LocationRecord before = record;
  const Settings settingsBefore = settings;
  const std::pair<int, std::string> unreadable[] = {
      {2, "Invalid file format"}, {3, "Overflow"}, {4, "Invalid file format"}, {701, "Subscript out of range"}};
  for (const auto& [line, error] : unreadable) {
    SCOPED_TRACE(line);
    platform.clear();
    EXPECT_FALSE(database.ReadLocation(line, record, settings, platform, [] { FAIL(); }));
    EXPECT_EQ(record, before);
    EXPECT_EQ(settings, settingsBefore);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{error + " : " + path});
  }
}

TEST_F(TideDatabaseLoad, ChoosingADatabaseFromTheList) {
  Settings settings;
  EXPECT_FALSE(SelectTideDatabase("", database, settings, platform));
  EXPECT_TRUE(platform.messages.empty());
  const std::string missing = (dir / "gone.tid").string();
  EXPECT_FALSE(SelectTideDatabase(missing, database, settings, platform));
  EXPECT_EQ(platform.messageTexts(), std::vector{"File " + missing + " does not exist."});
  EXPECT_EQ(platform.messages[0].caption, "Saltmark:Tidal Hieghts");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  const std::string good = writeDatabase("good.tid", {"A,1"});
  EXPECT_TRUE(SelectTideDatabase(good, database, settings, platform));
  EXPECT_EQ(settings.tideDatabasePath, good);
  EXPECT_FALSE(SelectTideDatabase(write("bad.tid", "junk"), database, settings, platform));
  EXPECT_EQ(settings.tideDatabasePath, good);
  EXPECT_EQ(platform.busyDepth, 0);
}

}  // namespace
}  // namespace saltmark
