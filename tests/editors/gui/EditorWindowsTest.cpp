// The record editors driven as a user drives them: secondary ports and stream stations typed in, saved
// and loaded in the main window; the reference-port list's rules; the checks while typing; a failed save.
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "editors/gui/DifferenceEditorWindow.h"
#include "editors/gui/ReferencePortBox.h"
#include "editors/gui/StreamEditorWindow.h"
#include "editors/gui/TidalFolder.h"
#include "platform/gui/QtText.h"
#include "shell/gui/ProgramFolder.h"
#include "support/WriteFaults.h"

namespace saltmark::test {
namespace {

// Types into a box key by key, as the user does (each key is a change); with leave, the box
// then loses the focus (offscreen windows are not active: focus moves do not come by themselves).
void typeInto(QWidget* box, const std::string& text, bool leave = false) {
  for (char c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(box, &press);
  }
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  if (leave) QApplication::sendEvent(box, &out);
}

// A window's child by its objectName; a missing one fails the test.
template <typename T>
T* child(QWidget& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  EXPECT_NE(found, nullptr) << name.toStdString();
  return found;
}

std::string text(QWidget& window, const QString& name) { return fromQt(child<QLineEdit>(window, name)->text()); }

// Clears a box, types into it and leaves it.
void typeBox(QWidget& window, const QString& name, const std::string& typed) {
  QLineEdit* box = child<QLineEdit>(window, name);
  box->clear();
  typeInto(box, typed, true);
}

// Runs steps on the modal window named windowName once open() has shown
// it; a window the steps left open is closed afterwards.
bool whileModal(QWidget* owner, const char* windowName, const std::function<void()>& open,
                const std::function<void(QDialog&)>& steps) {
  auto ran = std::make_shared<bool>(false);
  QTimer::singleShot(0, owner, [ran, owner, windowName, steps] {
    auto* dialog = owner->findChild<QDialog*>(windowName);
    if (!dialog || !dialog->isVisible()) return;
    *ran = true;
    steps(*dialog);
    if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  });
  open();
  return *ran;
}

// The editor windows alone, on a folder with the three ports' index.
class EditorsAlone : public ::testing::Test {
 protected:
  EditorsAlone() { window.show(); }
  TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index = tidalIndex(dir.path(), platform);
  DifferenceEditorWindow window{platform, index, dir.path(), nullptr};
};

// What the user types for one secondary port, and the record it must become.
struct TypedPort { const char *name, *latitude, *longitude; int reference; std::array<const char*, 10> values;
                   DifferenceRecord stored; };
const TypedPort kPorts[] = {
    {"Cowes", "50 46N", "1 18w", 1, {"4.2", "3.4", "1.6", ".6", "10", "-5", ".1", "0", "0", "-.1"},
     {"Cowes", "50\xB0" "46.0'N", "001\xB0" "18.0'W", 1, 0,
      {"4.20", "3.40", "1.60", "0.60", "+0010", "-0005", "0.10", "0.00", "0.00", "-0.10"}}},
    {"Lymington", "50.75", "1 32 W", 0, {"", "", "", "", "-55", "-20", ".3", ".1", "-.1", "0"},
     {"Lymington", "50\xB0" "45.0'N", "001\xB0" "32.0'W", 0, 0,
      {"", "", "", "", "-0055", "-0020", "0.30", "0.10", "-0.10", "0.00"}}},
    {"Yarmouth", "50 42.5 n", "1 30 w", 0, {"", "", "", "", "", "", "", "", "", ""},
     {"Yarmouth", "50\xB0" "42.5'N", "001\xB0" "30.0'W", 0, 0, {}}}};

// Types a record's name and position and chooses its reference port.
void typeHeading(QWidget& window, const char* name, const char* latitude, const char* longitude, int reference) {
  typeBox(window, "Nam", name), typeBox(window, "lat", latitude), typeBox(window, "lon", longitude);
  auto* ref = child<QComboBox>(window, "ref");
  ref->setCurrentIndex(reference);
  emit ref->activated(reference);
}

// Types every box of a port, leaving each afterwards.
void typePort(QWidget& window, const TypedPort& port) {
  typeHeading(window, port.name, port.latitude, port.longitude, port.reference);
  for (int i = 0; i < 10; ++i) typeBox(window, QString("d_%1").arg(i), port.values[static_cast<std::size_t>(i)]);
}

// Three stations typed as a user types them (sets without their leading zeros, rates with six decimals): the set
// turns at high water, the rates peak at half tide and the neaps are half the springs.
const struct { const char *name, *latitude, *longitude, *latitudeText, *longitudeText; int speedUnits; } kStations[] = {
    {"Diamond A", "50 40N", "1 10W", "50\xB0" "40.0'N", "001\xB0" "10.0'W", 0},
    {"Diamond B", "50 40N", "1 20W", "50\xB0" "40.0'N", "001\xB0" "20.0'W", 0},
    {"Diamond C", "50 45N", "1 15W", "50\xB0" "45.0'N", "001\xB0" "15.0'W", 3}};
int setAt(int s, int hour) { return (hour < 6 ? 70 : 250) + 20 * s + hour; }
int springAt(int s, int hour) { return 2 * (3 - s) * (5 + 8 * (6 - std::abs(hour - 3) % 6)); }  // hundredths

void typeStation(QWidget& window, int s) {
  typeHeading(window, kStations[s].name, kStations[s].latitude, kStations[s].longitude, 1);  // Portsmouth
  child<QComboBox>(window, "spd")->setCurrentIndex(kStations[s].speedUnits);
  for (int j = 0; j < kStreamHours; ++j) {
    typeBox(window, QString("d_%1").arg(j), std::to_string(setAt(s, j)));
    typeBox(window, QString("s_%1").arg(j), std::to_string(springAt(s, j) / 100.0));
    typeBox(window, QString("n_%1").arg(j), std::to_string(springAt(s, j) / 200.0));
  }
}

std::vector<StreamRecord> expectedStations() {
  std::vector<StreamRecord> records(3);
  for (int s = 0; s < 3; ++s) {
    StreamRecord& r = records[static_cast<std::size_t>(s)];
    const auto& t = kStations[s];
    r.name = t.name, r.latitudeText = t.latitudeText, r.longitudeText = t.longitudeText, r.referencePort = 1;
    r.speedUnits = static_cast<std::int16_t>(t.speedUnits);
    for (int j = 0; j < kStreamHours; ++j) {
      r.direction[j] = static_cast<std::int16_t>(setAt(s, j));
      r.springRate[j] = static_cast<std::int16_t>(springAt(s, j)), r.neapRate[j] = r.springRate[j] / 2;
    }
  }
  return records;
}

TEST(EditorWindows, PortsAndStationsTypedSavedAndChosenInTheMainWindow) {
  TempDir dir;
  writeThreePortFolder(dir.path());
  RunningProgram program(dir.path());
  program.platform.fileNext(dir / "SOLENT");  // Save As, no extension typed

  bool opened = whileModal(program.window.get(), "DIFFS", [&] { program.action("Db_Diff")->trigger(); },
                           [&](QDialog& diffs) {
    for (const TypedPort& port : kPorts) {
      typePort(diffs, port);
      child<QPushButton>(diffs, "Diff_OK")->click();
    }
    EXPECT_EQ(child<QGroupBox>(diffs, "Record")->title().toStdString(), " 4/ 4");
    auto* index = child<QListWidget>(diffs, "index");
    ASSERT_EQ(index->count(), 4);
    EXPECT_EQ(index->item(2)->text().toStdString(), "Yarmouth");
    EXPECT_EQ(index->currentRow(), 3);

    // Back to Cowes: its boxes as stored, its reference port's position shown.
    index->setCurrentRow(0);
    EXPECT_EQ(text(diffs, "lat"), "50\xB0" "46.0'N");
    EXPECT_EQ(text(diffs, "d_4"), "+0010");
    EXPECT_EQ(fromQt(child<QLabel>(diffs, "reflat")->text()), "50\xB0" "48.0'N");

    child<QAction>(diffs, "Diff_Saveas")->trigger();
    EXPECT_EQ(diffs.windowTitle().toStdString(), "Saltmark - Tidal Difference:    " + (dir / "SOLENT.dif").string());
    child<QAction>(diffs, "Diff_Exit")->trigger();
    EXPECT_FALSE(diffs.isVisible());  // saved: no question
  });
  ASSERT_TRUE(opened);
  EXPECT_EQ(DifferenceFile::read(dir / "SOLENT.dif"),
            (std::vector<DifferenceRecord>{kPorts[0].stored, kPorts[1].stored, kPorts[2].stored}));

  // The main window lists the new file; choose it and its second port.
  program.action("Tidemode_2")->trigger();
  program.choose("Dfile", "SOLENT.dif");
  program.find<QListWidget>("Dloc")->setCurrentRow(1);
  program.find<QLineEdit>("pdatebox")->setText("15 Jun 2026");
  program.find<QLineEdit>("ptimebox")->setText("09:00");
  ASSERT_TRUE(program.window->readyToPredict());
  EXPECT_EQ(program.state.location.portName, "Southampton");  // Lymington's reference port

  // Three stream stations, the same way.
  program.platform.fileNext(dir / "SOLENT.vel");
  opened = whileModal(program.window.get(), "Streams", [&] { program.action("Db_Str")->trigger(); },
                      [&](QDialog& streams) {
    EXPECT_EQ(streams.windowTitle().toStdString(), "Saltmark Tidal Streams:    ");
    ASSERT_EQ(child<QComboBox>(streams, "spd")->count(), 4);
    for (int s = 0; s < 3; ++s) {
      typeStation(streams, s);
      child<QPushButton>(streams, "Str_OK")->click();
    }
    EXPECT_EQ(child<QGroupBox>(streams, "Record")->title().toStdString(), " 4/ 4");
    child<QListWidget>(streams, "Recindex")->setCurrentRow(2);
    EXPECT_EQ(text(streams, "d_0"), "110");
    EXPECT_EQ(text(streams, "n_12"), "0.29");
    EXPECT_EQ(child<QComboBox>(streams, "spd")->currentIndex(), 3);
    child<QAction>(streams, "filesave")->trigger();  // no name yet: Save As
    child<QAction>(streams, "fileexit")->trigger();
    EXPECT_FALSE(streams.isVisible());
  });
  ASSERT_TRUE(opened);
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();  // in either editor
  ASSERT_EQ(StreamFile::read(dir / "SOLENT.vel"), expectedStations());

  // The main window lists the new file and its stations.
  program.action("Tidemode_1")->trigger();
  program.choose("Sfile", "SOLENT.vel");
  EXPECT_EQ(program.find<QListWidget>("Sloc")->count(), 3);
}

TEST_F(EditorsAlone, ReferencePortGoesBackValuesAreReformattedOrRefusedAndAFailedSaveKeepsAll) {
  auto* ref = child<ReferencePortBox>(window, "ref");
  ASSERT_EQ(ref->count(), 3);
  EXPECT_EQ(ref->itemText(2).toStdString(), "Cherbourg");
  ref->setCurrentIndex(2);
  emit ref->activated(2);
  EXPECT_EQ(fromQt(child<QLabel>(window, "reflon")->text()), "001\xB0" "38.0'W");

  QKeyEvent escape(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
  const std::function<void()> leaves[] = {[&] { QApplication::sendEvent(ref, &escape); },
                                          [&] { typeInto(ref, "", true); }};
  for (const auto& leave : leaves) {
    ref->setCurrentIndex(0);  // scrolled past, not chosen
    leave();
    EXPECT_EQ(ref->currentIndex(), 2);
  }
  // Escape pressed in the list does not close the editor.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(ref, &press);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(platform.messages.empty());

  // Values are reformatted when their box is left (the forms: RecordValuesTest) and checked on OK.
  const struct { int box; const char *typed, *shown; } cases[] = {
      {0, "4.5", "4.50"}, {4, "130", "+0130"}, {5, "75", " 0000"}, {9, "-0.125", "-0.13"}, {2, "", ""}};
  for (const auto& c : cases) {
    QLineEdit* box = child<QLineEdit>(window, QString("d_%1").arg(c.box));
    typeInto(box, c.typed, true);
    EXPECT_EQ(fromQt(box->text()), c.shown) << c.typed;
  }
  child<QPushButton>(window, "Diff_OK")->click();  // heights 0 and 9 alone: refused
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(text(window, "d_0"), "4.50");  // left as typed
  EXPECT_EQ(child<QListWidget>(window, "index")->count(), 1);
  child<QPushButton>(window, "Diff_Cancel")->click();
  EXPECT_EQ(text(window, "d_0"), "");

  // A failed save keeps the old file and the editor's data.
  ASSERT_TRUE(DifferenceFile::write(dir / "MINE.dif", std::vector{kPorts[0].stored}));
  const std::string before = readFile(dir / "MINE.dif");
  platform.fileNext(dir / "MINE.dif");
  child<QAction>(window, "Diff_Open")->trigger();
  child<QPushButton>(window, "Diff_Append")->click();
  typePort(window, kPorts[1]);
  child<QPushButton>(window, "Diff_OK")->click();
  ASSERT_EQ(child<QListWidget>(window, "index")->count(), 3);
  platform.clear();
  {
    WriteFaultScope full(WriteFault::DiskFullBeforeWriting, dir / "MINE.dif");
    child<QAction>(window, "Diff_Save")->trigger();
    platform.fileNext(dir / "OTHER.dif");
    child<QAction>(window, "Diff_Saveas")->trigger();
  }
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>(2, "Difference File Write Error"));
  EXPECT_EQ(readFile(dir / "MINE.dif"), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "OTHER.dif"));
  EXPECT_EQ(window.windowTitle().toStdString(), "Saltmark - Tidal Difference:    " + (dir / "MINE.dif").string());
  EXPECT_EQ(child<QListWidget>(window, "index")->item(1)->text().toStdString(), "Lymington");
  EXPECT_TRUE(window.editor().dataChanged());

  // The stream editor refuses values out of range as they are typed (the ranges: RecordValuesTest).
  StreamEditorWindow streams{platform, index, dir.path(), nullptr};
  streams.show();
  const struct { const char* box; const char* typed; const char* left; std::size_t messages; } keys[] = {
      {"d_0", "360", "", 1},  // refused on the third key
      {"d_1", "359.4", "359", 0}, {"d_2", "7", "007", 0}, {"s_3", "328", "", 1}, {"n_4", "0.125", "0.13", 0}};
  for (const auto& c : keys) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    platform.clear();
    QLineEdit* box = child<QLineEdit>(streams, c.box);
    typeInto(box, c.typed);
    ASSERT_EQ(platform.messages.size(), c.messages);
    typeInto(box, "", true);
    EXPECT_EQ(fromQt(box->text()), c.left);
  }
  child<QPushButton>(streams, "Str_OK")->click();  // OK never refuses
  EXPECT_EQ(streams.editor().table().records[0].neapRate[4], 13);
  EXPECT_EQ(streams.editor().table().records[0].direction[0], 0);
}

}  // namespace
}  // namespace saltmark::test
