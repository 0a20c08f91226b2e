// The difference editor driven as a user drives it: a database of three
// secondary ports typed in, saved, loaded in the main window and predicted;
// the reference-port list's rules; a save that fails.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "data/LocationLine.h"
#include "editors/gui/DifferenceEditorWindow.h"
#include "editors/gui/ReferencePortBox.h"
#include "editors/gui/TidalFolder.h"
#include "platform/gui/QtText.h"
#include "shell/gui/ProgramFolder.h"
#include "support/WriteFaults.h"

namespace saltmark::test {
namespace {

std::string text(QWidget& window, const QString& name) { return fromQt(child<QLineEdit>(window, name)->text()); }

// What the user types for one secondary port; every box is left afterwards.
struct TypedPort {
  const char* name;
  const char* latitude;
  const char* longitude;
  int reference;
  std::array<const char*, 10> values;
};

void typePort(QWidget& window, const TypedPort& port) {
  typeBox(window, "Nam", port.name);
  typeBox(window, "lat", port.latitude);
  typeBox(window, "lon", port.longitude);
  auto* ref = child<QComboBox>(window, "ref");
  ref->setCurrentIndex(port.reference);
  emit ref->activated(port.reference);
  for (int i = 0; i < 10; ++i) typeBox(window, QString("d_%1").arg(i), port.values[static_cast<std::size_t>(i)]);
}

const TypedPort kPorts[] = {
    {"Cowes", "50 46N", "1 18w", 1, {"4.2", "3.4", "1.6", ".6", "10", "-5", ".1", "0", "0", "-.1"}},
    {"Lymington", "50.75", "1 32 W", 0, {"", "", "", "", "-55", "-20", ".3", ".1", "-.1", "0"}},
    {"Yarmouth", "50 42.5 n", "1 30 w", 0, {"", "", "", "", "", "", "", "", "", ""}},
};

// The records the typed ports must become, as stored.
std::vector<DifferenceRecord> expectedRecords() {
  std::vector<DifferenceRecord> r(3);
  r[0] = {"Cowes", "50\xB0" "46.0'N", "001\xB0" "18.0'W", 1, 0,
          {"4.20", "3.40", "1.60", "0.60", "+0010", "-0005", "0.10", "0.00", "0.00", "-0.10"}};
  r[1] = {"Lymington", "50\xB0" "45.0'N", "001\xB0" "32.0'W", 0, 0,
          {"", "", "", "", "-0055", "-0020", "0.30", "0.10", "-0.10", "0.00"}};
  r[2] = {"Yarmouth", "50\xB0" "42.5'N", "001\xB0" "30.0'W", 0, 0, {}};
  return r;
}

TEST(DifferenceEditorWindow, ThreePortsTypedSavedAndPredictedInTheMainWindow) {
  TempDir dir;
  writeTidalFolder(dir.path());
  RunningProgram program(dir.path());
  program.platform.fileNext(dir / "SOLENT");  // Save As, no extension typed

  const bool opened = whileModal(program.window.get(), "DIFFS", [&] { program.action("Db_Diff")->trigger(); },
                                 [&](QDialog& diffs) {
    EXPECT_EQ(child<QGroupBox>(diffs, "Record")->title().toStdString(), " 1/ 1");
    EXPECT_EQ(diffs.windowTitle().toStdString(), "Saltmark - Tidal Difference:    ");
    for (const TypedPort& port : kPorts) {
      typePort(diffs, port);
      child<QPushButton>(diffs, "Diff_OK")->click();
    }
    EXPECT_TRUE(diffs.window()->findChild<QLabel*>("reflat") != nullptr);
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
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();
  EXPECT_EQ(ReadDifferenceFile(dir / "SOLENT.dif"), expectedRecords());

  // The main window lists the new file; choose it and its second port.
  program.action("Tidemode_2")->trigger();
  auto* dfile = program.find<QComboBox>("Dfile");
  ASSERT_NE(dfile->findText("SOLENT.dif"), -1);
  program.choose("Dfile", "SOLENT.dif");
  program.find<QListWidget>("Dloc")->setCurrentRow(1);
  program.find<QLineEdit>("pdatebox")->setText("15 Jun 2026");
  program.find<QLineEdit>("ptimebox")->setText("09:00");
  ASSERT_TRUE(program.window->readyToPredict());
  EXPECT_EQ(program.state.location.portName, "Southampton");

  // The engine's height for Lymington against the same record built by hand.
  Settings settings = program.state.settings;
  TideEngine reference(settings);
  reference.setPort(ParseLocationLine(tidalPortLines()[0]));
  const DifferenceRecord lymington = expectedRecords()[1];
  reference.setSecondaryPort(&lymington);
  for (int hour = 0; hour < 24; hour += 5) {
    const DateTime t = program.state.startInstant.addMinutes(60 * hour);
    program.state.engine.PredictHeight(t);
    reference.PredictHeight(t);
    EXPECT_FLOAT_EQ(program.state.engine.tideHeight(), reference.tideHeight()) << hour;
  }
  // The differences moved the tide: it is not the reference port's own.
  TideEngine plain(settings);
  plain.setPort(ParseLocationLine(tidalPortLines()[0]));
  plain.PredictHeight(program.state.startInstant);
  program.state.engine.PredictHeight(program.state.startInstant);
  EXPECT_NE(plain.tideHeight(), program.state.engine.tideHeight());
}

LocationIndex tidalIndex(const std::filesystem::path& folder, Platform& platform) {
  writeTidalFolder(folder);
  LocationIndex index;
  index.LoadLocationIndex(folder, platform);
  return index;
}

class DifferenceEditorAlone : public ::testing::Test {
 protected:
  DifferenceEditorAlone() { window.show(); }
  TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index = tidalIndex(dir.path(), platform);
  DifferenceEditorWindow window{platform, index, dir.path(), nullptr};
};

TEST_F(DifferenceEditorAlone, ReferencePortGoesBackOnEscapeAndOnLeaving) {
  auto* ref = child<ReferencePortBox>(window, "ref");
  ASSERT_EQ(ref->count(), 3);
  EXPECT_EQ(ref->itemText(2).toStdString(), "Cherbourg");
  ref->setCurrentIndex(2);
  emit ref->activated(2);
  EXPECT_EQ(fromQt(child<QLabel>(window, "reflon")->text()), "001\xB0" "38.0'W");

  const struct {
    const char* what;
    std::function<void()> leave;
  } ways[] = {
      {"Escape", [&] {
         QKeyEvent escape(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
         QApplication::sendEvent(ref, &escape);
       }},
      {"losing the focus", [&] { leaveBox(ref); }},
  };
  for (const auto& way : ways) {
    ref->setCurrentIndex(0);  // scrolled past, not chosen
    way.leave();
    EXPECT_EQ(ref->currentIndex(), 2) << way.what;
  }
  // Escape pressed in the list does not close the editor.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(ref, &press);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DifferenceEditorAlone, ValuesAreReformattedWhenTheBoxIsLeftAndCheckedOnOk) {
  const struct {
    int box;
    const char* typed;
    const char* shown;
  } cases[] = {{0, "4.5", "4.50"}, {4, "130", "+0130"}, {5, "75", " 0000"}, {9, "-0.125", "-0.13"}, {2, "", ""}};
  for (const auto& c : cases) {
    QLineEdit* box = child<QLineEdit>(window, QString("d_%1").arg(c.box));
    typeInto(box, c.typed);
    leaveBox(box);
    EXPECT_EQ(fromQt(box->text()), c.shown) << c.typed;
  }
  child<QPushButton>(window, "Diff_OK")->click();  // heights 0 and 9 alone: refused
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Data combination not permitted. Please see help for more details"});
  EXPECT_EQ(text(window, "d_0"), "4.50");  // left as typed
  EXPECT_EQ(child<QListWidget>(window, "index")->count(), 1);
  child<QPushButton>(window, "Diff_Cancel")->click();
  EXPECT_EQ(text(window, "d_0"), "");
}

TEST_F(DifferenceEditorAlone, AFailedSaveKeepsTheOldFileAndTheEditorsData) {
  std::vector<DifferenceRecord> old(1);
  old[0].name = "Old";
  ASSERT_TRUE(WriteDifferenceRecords(dir / "MINE.dif", old));
  const std::string before = readFile(dir / "MINE.dif");
  platform.fileNext(dir / "MINE.dif");
  child<QAction>(window, "Diff_Open")->trigger();
  child<QPushButton>(window, "Diff_Append")->click();
  typePort(window, kPorts[1]);
  child<QPushButton>(window, "Diff_OK")->click();
  ASSERT_EQ(child<QListWidget>(window, "index")->count(), 3);

  for (WriteFault fault : {WriteFault::DiskFullBeforeWriting, WriteFault::ReadOnlyFolder}) {
    if (!WriteFaultUnavailable(fault, dir.path()).empty()) continue;  // a read-only folder under root
    platform.clear();
    {
      WriteFaultScope scope(fault, dir / "MINE.dif");
      child<QAction>(window, "Diff_Save")->trigger();
      platform.fileNext(dir / "OTHER.dif");
      child<QAction>(window, "Diff_Saveas")->trigger();
    }
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>(2, "Difference File Write Error")) << WriteFaultName(fault);
    EXPECT_EQ(readFile(dir / "MINE.dif"), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "OTHER.dif"));
    EXPECT_EQ(window.windowTitle().toStdString(), "Saltmark - Tidal Difference:    " + (dir / "MINE.dif").string());
    EXPECT_EQ(child<QListWidget>(window, "index")->item(1)->text().toStdString(), "Lymington");
    EXPECT_TRUE(window.editor().dataChanged());
  }
  // Exit asks; Yes saves once the fault has passed.
  platform.clear();
  platform.answerNext(MessageAnswer::Yes);
  child<QAction>(window, "Diff_Exit")->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ReadDifferenceFile(dir / "MINE.dif").size(), 2u);
}

}  // namespace
}  // namespace saltmark::test
