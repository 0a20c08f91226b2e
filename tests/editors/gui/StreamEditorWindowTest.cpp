// The stream editor driven as a user drives it: three stations typed into
// the hourly grid, saved, loaded in the main window and their stream
// predicted; the checks made while typing.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "data/StreamFile.h"
#include "editors/gui/StreamEditorWindow.h"
#include "editors/gui/TidalFolder.h"
#include "platform/gui/QtText.h"
#include "shell/gui/ProgramFolder.h"
#include "tables/EngineStreamSource.h"
#include "tables/StreamContext.h"

namespace saltmark::test {
namespace {

// A station whose set turns through the tide and whose rates peak at
// half tide, typed as a user would ("45" for 045, "1.2" for 1.20).
struct TypedStation {
  const char* name;
  const char* latitude;
  const char* longitude;
  int speedUnits;
  int setOffset;  // degrees added to every hour's set
  double rateScale;
};

const TypedStation kStations[] = {
    {"Diamond A", "50 40N", "1 10W", 0, 0, 1.0},
    {"Diamond B", "50 40N", "1 20W", 0, 20, 0.8},
    {"Diamond C", "50 45N", "1 15W", 3, 40, 0.5},
};

int typedSet(const TypedStation& s, int hour) { return (hour < 6 ? 70 : 250) + s.setOffset + hour; }
double typedSpring(const TypedStation& s, int hour) { return s.rateScale * (0.2 + 0.3 * (6 - std::abs(hour - 3) % 6)); }

std::string decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

void typeStation(QWidget& window, const TypedStation& s) {
  typeBox(window, "Nam", s.name);
  typeBox(window, "lat", s.latitude);
  typeBox(window, "lon", s.longitude);
  auto* ref = child<QComboBox>(window, "ref");
  ref->setCurrentIndex(1);  // Portsmouth
  emit ref->activated(1);
  child<QComboBox>(window, "spd")->setCurrentIndex(s.speedUnits);
  for (int j = 0; j < kStreamHours; ++j) {
    typeBox(window, QString("d_%1").arg(j), std::to_string(typedSet(s, j)));
    typeBox(window, QString("s_%1").arg(j), decimal(typedSpring(s, j)));
    typeBox(window, QString("n_%1").arg(j), decimal(typedSpring(s, j) / 2));
  }
}

// The stations as they must be stored.
std::vector<StreamRecord> expectedStations() {
  std::vector<StreamRecord> records;
  for (const TypedStation& s : kStations) {
    StreamRecord r;
    r.name = s.name;
    r.latitudeText = std::string(s.latitude).substr(0, 2) + "\xB0" + std::string(s.latitude).substr(3, 2) + ".0'N";
    r.longitudeText = "001\xB0" + std::string(s.longitude).substr(2, 2) + ".0'W";
    r.referencePort = 1;
    r.speedUnits = static_cast<std::int16_t>(s.speedUnits);
    for (int j = 0; j < kStreamHours; ++j) {
      r.direction[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(typedSet(s, j));
      r.springRate[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(std::lround(std::stod(decimal(typedSpring(s, j))) * 100));
      r.neapRate[static_cast<std::size_t>(j)] =
          static_cast<std::int16_t>(std::lround(std::stod(decimal(typedSpring(s, j) / 2)) * 100));
    }
    records.push_back(r);
  }
  return records;
}

TEST(StreamEditorWindow, ThreeStationsTypedSavedAndPredictedInTheMainWindow) {
  TempDir dir;
  writeTidalFolder(dir.path());
  RunningProgram program(dir.path());
  program.platform.fileNext(dir / "SOLENT.vel");

  const bool opened = whileModal(program.window.get(), "Streams", [&] { program.action("Db_Str")->trigger(); },
                                 [&](QDialog& streams) {
    EXPECT_EQ(streams.windowTitle().toStdString(), "Saltmark Tidal Streams:    ");
    ASSERT_EQ(child<QComboBox>(streams, "spd")->count(), 4);
    for (const TypedStation& s : kStations) {
      typeStation(streams, s);
      child<QPushButton>(streams, "Str_OK")->click();
    }
    EXPECT_EQ(child<QGroupBox>(streams, "Record")->title().toStdString(), " 4/ 4");
    child<QListWidget>(streams, "Recindex")->setCurrentRow(2);
    EXPECT_EQ(fromQt(child<QLineEdit>(streams, "d_0")->text()), "110");
    EXPECT_EQ(child<QComboBox>(streams, "spd")->currentIndex(), 3);
    child<QAction>(streams, "filesave")->trigger();  // no name yet: Save As
    child<QAction>(streams, "fileexit")->trigger();
    EXPECT_FALSE(streams.isVisible());
  });
  ASSERT_TRUE(opened);
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();
  const std::vector<StreamRecord> expected = expectedStations();
  ASSERT_EQ(ReadStreamFile(dir / "SOLENT.vel"), expected);

  // Loaded in the main window: the first station is chosen.
  program.action("Tidemode_1")->trigger();
  program.choose("Sfile", "SOLENT.vel");
  ASSERT_EQ(program.find<QListWidget>("Sloc")->count(), 3);
  program.find<QLineEdit>("pdatebox")->setText("15 Jun 2026");
  program.find<QLineEdit>("ptimebox")->setText("06:00");
  ASSERT_TRUE(program.window->readyToPredict());
  ASSERT_EQ(program.state.stations.count, 1);

  // The same prediction from the stations built by hand, on engines of its own.
  Settings settings = program.state.settings;
  TideDatabase database;
  LocationIndex index;
  ASSERT_TRUE(index.LoadLocationIndex(dir.path(), program.platform));
  LocationRecord location;
  TideEngine engine(settings);
  StreamEngine streamEngine(engine);
  StreamTable table;
  std::copy(expected.begin(), expected.end(), table.records.begin());
  StationChoice stations = program.state.stations;
  StreamContext own{database, index, settings, location, engine, streamEngine, table, stations, program.platform,
                    dir.path(), {}, {}};
  StreamContext shown = program.state.streamContext();
  for (int hour = 0; hour < 13; hour += 3) {
    const DateTime t = program.state.startInstant.addMinutes(60 * hour);
    const auto predicted = StreamSumAtInstant(shown, t);
    const auto byHand = StreamSumAtInstant(own, t);
    ASSERT_TRUE(predicted && byHand) << hour;
    EXPECT_FLOAT_EQ(predicted->rate, byHand->rate) << hour;
    EXPECT_EQ(predicted->direction, byHand->direction) << hour;
    EXPECT_GT(predicted->rate, 0) << hour;
  }
}

TEST(StreamEditorWindow, OutOfRangeValuesAreRefusedAsTheyAreTyped) {
  TempDir dir;
  writeTidalFolder(dir.path());
  ScriptedPlatform platform;
  LocationIndex index;
  index.LoadLocationIndex(dir.path(), platform);
  StreamEditorWindow window(platform, index, dir.path(), nullptr);
  window.show();
  const struct {
    const char* box;
    const char* typed;
    const char* left;
    std::size_t messages;
  } cases[] = {
      {"d_0", "360", "", 1},     // refused on the third key
      {"d_1", "359.4", "359", 0}, {"d_2", "7", "007", 0},
      {"s_3", "328", "", 1},     {"n_4", "0.125", "0.13", 0},
      {"s_5", "-1", "", 1},
  };
  for (const auto& c : cases) {
    platform.clear();
    QLineEdit* box = child<QLineEdit>(window, c.box);
    typeInto(box, c.typed);
    EXPECT_EQ(platform.messages.size(), c.messages) << c.box << " " << c.typed;
    leaveBox(box);
    EXPECT_EQ(fromQt(box->text()), c.left) << c.box << " " << c.typed;
    if (c.messages) {
      EXPECT_EQ(platform.messages[0].caption, "Saltmark: Tidal Streams");
    }
  }
  child<QPushButton>(window, "Str_OK")->click();  // OK never refuses
  EXPECT_EQ(window.editor().table().records[0].neapRate[4], 13);
  EXPECT_EQ(window.editor().table().records[0].direction[0], 0);
}

}  // namespace
}  // namespace saltmark::test
