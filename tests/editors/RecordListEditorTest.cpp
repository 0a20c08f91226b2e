// The editors' record list and commands, through the difference editor (the
// stream editor shares them), and the stream editor's own record rules.
#include <gtest/gtest.h>

#include <functional>

#include "data/DifferenceFile.h"
#include "editors/DifferenceEditor.h"
#include "editors/StreamEditor.h"
#include "editors/gui/TidalFolder.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using Names = std::vector<std::string>;

class DifferenceEditorTest : public ::testing::Test {
 protected:
  // Types a record into the boxes; OK stores it.
  void type(const std::string& name, int reference = 0) {
    editor.form.name = name;
    editor.form.reference = reference;
    editor.form.values[difference::kTimeMHW] = "+0030";
    editor.form.values[difference::kTimeMLW] = "-0015";
  }
  void typeAndOk(const std::string& name, int reference = 0) { type(name, reference), editor.ok(); }
  Names names() const { return editor.entries(); }

  test::TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index = test::tidalIndex(dir.path(), platform);
  DifferenceEditor editor{platform, index, dir.path()};
};

TEST_F(DifferenceEditorTest, OkStoresTheRecordInPlaceAndCancelPutsTheBoxesBack) {
  typeAndOk("Cowes", 2);
  editor.listClick(0);
  typeAndOk("East Cowes", 2);
  EXPECT_EQ(names(), (Names{"East Cowes", ""}));
  EXPECT_EQ(editor.current(), 0);
  type("Typo", 0);
  editor.form.values[0] = "9.99";
  editor.cancel();
  EXPECT_EQ(editor.form, editor.tags());
  EXPECT_EQ(editor.form.name, "East Cowes");
  EXPECT_EQ(editor.form.reference, 2);
}

// Leaving a changed record, by a click or by Insert, asks first: Yes stores
// it, No drops the edits. Insert's blank record has the first port.
TEST_F(DifferenceEditorTest, LeavingAChangedRecordAsksWhetherToStoreIt) {
  for (bool insert : {false, true}) {
    for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
      SCOPED_TRACE(std::string(insert ? "insert, " : "click, ") + (answer == MessageAnswer::Yes ? "yes" : "no"));
      editor.startNewDatabase();
      typeAndOk("Cowes", 2);
      typeAndOk("Yarmouth", 1);
      editor.listClick(0);
      editor.form.name = "East Cowes";
      platform.clear();
      platform.answerNext(answer);
      insert ? editor.insert() : editor.listClick(1);
      EXPECT_EQ(platform.messageTexts(), Names{std::string(kRecordChangedQuestion)});
      EXPECT_EQ(platform.lastMessage()->caption, kDifferenceWording.fileCaption);
      const std::string kept = answer == MessageAnswer::Yes ? "East Cowes" : "Cowes";
      EXPECT_EQ(names(), (insert ? Names{"", kept, "Yarmouth", ""} : Names{kept, "Yarmouth", ""}));
      EXPECT_EQ(editor.current(), insert ? 0 : 1);
      EXPECT_EQ(editor.form.name, insert ? "" : "Yarmouth");
      EXPECT_EQ(editor.form.reference, insert ? 0 : 1);
      editor.listClick(2);  // unchanged now: no question
      EXPECT_EQ(platform.messages.size(), 1u);
    }
  }
}

// A record typed on the blank entry and stored by the question gets its own
// entry, once its values pass the combination check.
TEST_F(DifferenceEditorTest, NewRecordStoredByTheQuestionIsCheckedFirst) {
  typeAndOk("Cowes");
  editor.form.name = "Hamble";
  editor.form.values[difference::kHeightMHWS] = "0.20";  // one height alone
  platform.answerNext(MessageAnswer::Yes);
  editor.listClick(0);
  EXPECT_EQ(platform.messageTexts().back(), "Data combination not permitted. Please see help for more details");
  EXPECT_EQ(editor.current(), 1);  // still on the record being typed
  EXPECT_EQ(editor.form.name, "Hamble");
  EXPECT_EQ(names(), (Names{"Cowes", ""}));

  editor.form.values[difference::kHeightMHWS] = "";
  platform.answerNext(MessageAnswer::Yes);
  editor.listClick(0);
  EXPECT_EQ(names(), (Names{"Cowes", "Hamble", ""}));
  EXPECT_EQ(editor.current(), 0);
}

TEST_F(DifferenceEditorTest, InsertAndDeleteMoveTheRecordsAround) {
  for (const char* name : {"A", "B", "C"}) typeAndOk(name);
  const struct { const char* what; int position; bool insert; Names entries; std::string caption; } steps[] = {
      {"insert before B", 1, true, {"A", "", "B", "C", ""}, " 2/ 5"},
      {"delete the empty record", 1, false, {"A", "B", "C", ""}, " 2/ 4"},
      {"delete the last record", 2, false, {"A", "B", ""}, " 3/ 3"},
      {"delete on the blank entry does nothing", 2, false, {"A", "B", ""}, " 3/ 3"},
      {"insert on the blank entry appends", 2, true, {"A", "B", "", ""}, " 3/ 4"},
      {"delete the first record", 0, false, {"B", "", ""}, " 1/ 3"}};
  for (const auto& step : steps) {
    editor.listClick(step.position);
    step.insert ? editor.insert() : editor.remove();
    EXPECT_EQ(names(), step.entries) << step.what;
    EXPECT_EQ(editor.recordCaption(), step.caption) << step.what;
  }
  EXPECT_EQ(editor.form.name, "B");
  EXPECT_EQ(editor.table().records[0].diffText[difference::kTimeMHW], "+0030");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DifferenceEditorTest, FullDatabaseRefusesOneMore) {
  for (int i = 0; i < kMaxDatabaseRecords; ++i) typeAndOk("P" + std::to_string(i));
  ASSERT_EQ(editor.recordCount(), kMaxDatabaseRecords);
  EXPECT_TRUE(platform.messages.empty());
  typeAndOk("One too many");
  EXPECT_EQ(platform.messageTexts(), Names{std::string(kDatabaseFull)});
  editor.listClick(3);
  platform.clear();
  editor.insert();
  EXPECT_EQ(platform.messageTexts(), Names{std::string(kDatabaseFull)});
  EXPECT_EQ(editor.recordCount(), kMaxDatabaseRecords);
}

// Open and Save keep what the editor does not show; a reference port not in
// the index shows as the first port.
TEST_F(DifferenceEditorTest, OpenAndSaveKeepWhatTheEditorDoesNotShow) {
  const std::vector<DifferenceRecord> records = {{"Far away", "", "", 4000, -3, {}}, {"Second", "", "", 0, 0, {}}};
  ASSERT_TRUE(DifferenceFile::write(dir / "OLD.dif", records));
  platform.fileNext(dir / "OLD.dif");
  editor.open();
  EXPECT_EQ(names(), (Names{"Far away", "Second", ""}));
  EXPECT_EQ(editor.recordCaption(), " 1/ 3");
  EXPECT_EQ(editor.windowCaption(), "Saltmark - Tidal Difference:    " + (dir / "OLD.dif").string());
  EXPECT_FALSE(editor.dataChanged());
  EXPECT_EQ(editor.referencePorts().name(editor.form.reference), "Southampton");  // the first
  EXPECT_TRUE(editor.referencePorts().labels(-1).latitude.empty());

  editor.form.name = "Renamed";
  editor.ok();
  ASSERT_TRUE(editor.save());  // to the file it came from, no dialog
  EXPECT_FALSE(editor.dataChanged());
  EXPECT_EQ(DifferenceFile::read(dir / "OLD.dif"),
            (std::vector<DifferenceRecord>{{"Renamed", "", "", 0, -3, {}}, records[1]}));  // port 4000 became the first
  EXPECT_EQ(platform.unansweredQuestions, 0);
}

TEST_F(DifferenceEditorTest, OpenThatFailsKeepsTheDatabaseBeingEdited) {
  typeAndOk("Unsaved");
  test::writeFile(dir / "BAD.dif", std::string("\x05\x00\x03\x00", 4));  // five records promised, cut short
  const std::string question = "Difference Data has changed. Save changes?";  // answered No
  const std::pair<std::optional<std::filesystem::path>, Names> cases[] = {
      {std::nullopt, {question}},  // the dialog cancelled
      {dir / "NONE.dif", {question, "File " + (dir / "NONE.dif").string() + " does not exist."}},
      {dir / "BAD.dif", {question, std::string(kNotValidDifferenceDatabase)}}};
  for (const auto& [chosen, messages] : cases) {
    platform.clear();
    platform.answerNext(MessageAnswer::No);
    platform.fileNext(chosen);
    editor.open();
    EXPECT_EQ(platform.messageTexts(), messages);
    EXPECT_EQ(names(), (Names{"Unsaved", ""}));
    EXPECT_TRUE(editor.dataChanged());
  }
}

TEST_F(DifferenceEditorTest, SaveAsAsksBeforeOverwritingAndAddsTheExtension) {
  typeAndOk("Cowes");
  test::writeFile(dir / "TAKEN.dif", "old");
  platform.fileNext(dir / "TAKEN");  // no extension typed
  platform.answerNext(MessageAnswer::No);
  EXPECT_FALSE(editor.save());
  EXPECT_EQ(platform.messageTexts().back(),
            "File " + (dir / "TAKEN.dif").string() + " already exists. Do you want to overwrite it?");
  EXPECT_EQ(test::readFile(dir / "TAKEN.dif"), "old");
  EXPECT_TRUE(editor.fileName().empty());
  platform.fileNext(dir / "TAKEN");
  platform.answerNext(MessageAnswer::Yes);
  EXPECT_TRUE(editor.saveAs());
  EXPECT_EQ(editor.fileName(), dir / "TAKEN.dif");
  EXPECT_EQ(DifferenceFile::read(dir / "TAKEN.dif").at(0).name, "Cowes");
  platform.fileNext(dir.path());  // a folder is no file name
  EXPECT_FALSE(editor.saveAs());
  EXPECT_EQ(platform.messageTexts().back(), "Cannot save file");
}

// New and Exit ask to save changed data (a record stored with OK) and stay
// when the save does not happen; a record typed but not stored is asked
// about first (Yes stores it, No drops it, Cancel stays).
TEST_F(DifferenceEditorTest, FileCommandsAskBeforeLosingEdits) {
  using Command = std::function<bool()>;
  const Command exit = [&] { return editor.exit(); }, newDatabase = [&] { return editor.newDatabase(); },
                save = [&] { return editor.save(); }, open = [&] { return editor.open(), !editor.fieldsChanged(); };
  const auto yes = MessageAnswer::Yes, no = MessageAnswer::No, cancel = MessageAnswer::Cancel;
  const struct { const char* what; const Command& command; bool stored; MessageAnswer answer;
                 bool dialogCancelled, goesOn; Names namesAfter; } cases[] = {
      {"New, No", newDatabase, true, no, false, true, {""}},
      {"New, Yes, dialog cancelled", newDatabase, true, yes, true, false, {"Hamble", ""}},
      {"New, Yes, saved", newDatabase, true, yes, false, true, {""}},
      {"Exit, No", exit, true, no, false, true, {"Hamble", ""}},
      {"Exit, Yes, dialog cancelled", exit, true, yes, true, false, {"Hamble", ""}},
      {"Exit, Yes, saved", exit, true, yes, false, true, {"Hamble", ""}},
      {"record: Exit, Cancel", exit, false, cancel, false, false, {""}},
      {"record: Exit, No", exit, false, no, false, true, {""}},
      {"record: New, Cancel", newDatabase, false, cancel, false, false, {""}},
      {"record: Open, Cancel", open, false, cancel, false, false, {""}},
      {"record: Save, Yes", save, false, yes, false, true, {"Hamble", ""}},
      {"record: Save, No", save, false, no, false, true, {""}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    editor.startNewDatabase();
    std::filesystem::remove(dir / "SAVED.dif");
    type("Hamble");
    if (c.stored) editor.ok();
    platform.clear();
    platform.answerNext(c.answer);
    if (c.answer == yes || &c.command == &save)
      platform.fileNext(c.dialogCancelled ? std::nullopt : std::optional(dir / "SAVED.dif"));
    const bool wentOn = c.command();
    ASSERT_FALSE(platform.messages.empty());
    const RecordedMessage& asked = platform.messages.front();
    EXPECT_EQ(asked.text, c.stored ? "Difference Data has changed. Save changes?" : kRecordChangedQuestion);
    EXPECT_EQ(wentOn, c.goesOn);
    EXPECT_EQ(names(), c.namesAfter);
    // Cancel leaves the typed record in the boxes; No puts them back.
    if (!c.stored) {
      EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
      EXPECT_EQ(editor.form.name == "Hamble", c.answer != no);
    }
    if (c.answer == yes && !c.dialogCancelled) {
      EXPECT_EQ(DifferenceFile::read(dir / "SAVED.dif").at(0).name, "Hamble");
    }
  }
  editor.startNewDatabase();
  platform.clear();
  EXPECT_TRUE(editor.exit());  // nothing changed: no question
  EXPECT_TRUE(platform.messages.empty());
  editor.help();
  EXPECT_EQ(platform.helpTopics, std::vector<int>{16});
}

class StreamEditorTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index;  // none read: the reference list is empty
  StreamEditor editor{platform, index, dir.path()};
};

TEST_F(StreamEditorTest, EveryHourIsStoredAndShownBack) {
  editor.form.name = "Diamond";
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    editor.form.direction[j] = std::to_string(10 + j);
    editor.form.spring[j] = std::to_string(j) + ".5";
    editor.form.neap[j] = std::to_string(j) + ".25";
  }
  editor.ok();
  editor.listClick(0);
  const StreamRecord& stored = editor.table().records[0];
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(stored.direction[j], static_cast<int>(10 + j));
    EXPECT_EQ(stored.springRate[j], static_cast<int>(100 * j + 50));
    EXPECT_EQ(stored.neapRate[j], static_cast<int>(100 * j + 25));
    EXPECT_EQ(editor.form.direction[j], "0" + std::to_string(10 + j));
    EXPECT_EQ(editor.form.neap[j], std::to_string(j) + ".25");
  }
}

TEST_F(StreamEditorTest, AChangedSpeedUnitIsAChangedStation) {
  editor.form.name = "Diamond";
  editor.ok();
  editor.listClick(0);
  editor.form.speedUnits = 2;
  EXPECT_TRUE(editor.fieldsChanged());
  platform.answerNext(MessageAnswer::Yes);
  editor.append();
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kRecordChangedQuestion)});
  EXPECT_EQ(platform.lastMessage()->caption, kStreamWording.recordQuestionCaption);
  EXPECT_EQ(editor.table().records[0].speedUnits, 2);
  EXPECT_EQ(editor.form.speedUnits, 2);  // a new station keeps the unit in use
  editor.cancel();
  EXPECT_EQ(editor.form.speedUnits, 2);
}

}  // namespace
}  // namespace saltmark
