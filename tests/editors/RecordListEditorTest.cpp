// The editors' record list and commands, through the difference editor (the
// stream editor shares them; its own record rules are tested beside).
#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "editors/DifferenceEditor.h"
#include "editors/DifferenceValues.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

LocationIndex threePorts(const std::filesystem::path& folder) {
  LocationIndexContents contents;
  contents.databaseNames = {"SOUTH.tid"};
  const double degree = 3.14159265358979 / 180;
  contents.entries = {{0, 0, "Southampton", 50.9 * degree, -1.4 * degree},
                      {0, 1, "Portsmouth", 50.8 * degree, -1.1 * degree},
                      {0, 2, "Cherbourg", 49.65 * degree, -1.6 * degree}};
  EXPECT_TRUE(WriteLocationIndexFile(folder / "SALTMARK.IND", contents));
  ScriptedPlatform quiet;
  LocationIndex index;
  EXPECT_TRUE(index.LoadLocationIndex(folder, quiet));
  return index;
}

class DifferenceEditorTest : public ::testing::Test {
 protected:
  // Types a record into the boxes and presses OK.
  void typeAndOk(const std::string& name, int reference = 0) {
    editor.form.name = name;
    editor.form.reference = reference;
    editor.form.values[difference::kTimeMHW] = "+0030";
    editor.form.values[difference::kTimeMLW] = "-0015";
    editor.ok();
  }
  std::vector<std::string> names() const { return editor.entries(); }

  test::TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index = threePorts(dir.path());
  DifferenceEditor editor{platform, index, dir.path()};
};

TEST_F(DifferenceEditorTest, OkOnARecordStoresItInPlace) {
  typeAndOk("Cowes");
  editor.listClick(0);
  editor.form.name = "East Cowes";
  editor.ok();
  EXPECT_EQ(names(), (std::vector<std::string>{"East Cowes", ""}));
  EXPECT_EQ(editor.current(), 0);
  EXPECT_EQ(editor.form.name, "East Cowes");
  EXPECT_FALSE(editor.fieldsChanged());
}

TEST_F(DifferenceEditorTest, ChangedRecordIsSavedOnlyWhenTheUserSaysYes) {
  typeAndOk("Cowes");
  typeAndOk("Yarmouth");
  const struct {
    const char* what;
    MessageAnswer answer;
  } cases[] = {{"Yes stores", MessageAnswer::Yes}, {"No discards", MessageAnswer::No}};
  for (const auto& c : cases) {
    editor.listClick(0);
    const std::string before = editor.table().records[0].name;
    const std::string typed = std::string("Typed: ") + c.what;
    editor.form.name = typed;
    platform.clear();
    platform.answerNext(c.answer);
    editor.listClick(1);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kRecordChangedQuestion)}) << c.what;
    EXPECT_EQ(platform.lastMessage()->caption, kDifferenceWording.fileCaption);
    EXPECT_EQ(editor.current(), 1) << c.what;
    EXPECT_EQ(editor.form.name, "Yarmouth") << c.what;
    EXPECT_EQ(editor.table().records[0].name, c.answer == MessageAnswer::Yes ? typed : before) << c.what;
    editor.listClick(0);  // unchanged now: no question
    EXPECT_EQ(platform.messages.size(), 1u) << c.what;
  }
}

TEST_F(DifferenceEditorTest, NewRecordSavedByTheQuestionGetsItsOwnEntry) {
  typeAndOk("Cowes");
  editor.form.name = "Yarmouth";  // typed on the blank entry, then the user clicks Cowes
  platform.answerNext(MessageAnswer::Yes);
  editor.listClick(0);
  EXPECT_EQ(names(), (std::vector<std::string>{"Cowes", "Yarmouth", ""}));
  EXPECT_EQ(editor.current(), 0);
}

TEST_F(DifferenceEditorTest, QuestionAnsweredYesStillChecksTheCombination) {
  typeAndOk("Cowes");
  editor.form.name = "Hamble";
  editor.form.values[difference::kTimeMHW] = "";
  editor.form.values[difference::kHeightMHWS] = "0.20";
  platform.answerNext(MessageAnswer::Yes);
  editor.listClick(0);
  EXPECT_EQ(platform.messageTexts().back(), kDifferenceCombinationRefused);
  EXPECT_EQ(editor.current(), 1);  // still on the record being typed
  EXPECT_EQ(editor.form.name, "Hamble");
  EXPECT_EQ(names(), (std::vector<std::string>{"Cowes", ""}));
}

TEST_F(DifferenceEditorTest, InsertAndDeleteMoveTheRecordsAround) {
  for (const char* name : {"A", "B", "C"}) typeAndOk(name);
  const struct {
    const char* what;
    int position;
    bool insert;
    std::vector<std::string> entries;
    std::string caption;
  } steps[] = {
      {"insert before B", 1, true, {"A", "", "B", "C", ""}, " 2/ 5"},
      {"delete the empty record", 1, false, {"A", "B", "C", ""}, " 2/ 4"},
      {"delete the last record", 2, false, {"A", "B", ""}, " 3/ 3"},
      {"delete on the blank entry does nothing", 2, false, {"A", "B", ""}, " 3/ 3"},
      {"insert on the blank entry appends", 2, true, {"A", "B", "", ""}, " 3/ 4"},
      {"delete the first record", 0, false, {"B", "", ""}, " 1/ 3"},
  };
  for (const auto& step : steps) {
    editor.listClick(step.position);
    if (step.insert)
      editor.insert();
    else
      editor.remove();
    EXPECT_EQ(names(), step.entries) << step.what;
    EXPECT_EQ(editor.recordCaption(), step.caption) << step.what;
  }
  EXPECT_EQ(editor.form.name, "B");
  EXPECT_EQ(editor.table().records[0].diffText[difference::kTimeMHW], "+0030");
  EXPECT_TRUE(platform.messages.empty());
}

// Insert asks about a changed record first: Yes stores it, No drops the
// edits; either way the blank record goes in, its reference the first port.
TEST_F(DifferenceEditorTest, InsertStoresOrDropsAChangedRecordFirst) {
  for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
    editor.startNewDatabase();
    typeAndOk("Cowes", 2);
    editor.listClick(0);
    editor.form.name = "East Cowes";
    platform.clear();
    platform.answerNext(answer);
    editor.insert();
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kRecordChangedQuestion)});
    const std::string kept = answer == MessageAnswer::Yes ? "East Cowes" : "Cowes";
    EXPECT_EQ(names(), (std::vector<std::string>{"", kept, ""}));
    EXPECT_EQ(editor.form.reference, 0);
  }
}

TEST_F(DifferenceEditorTest, CancelPutsTheBoxesBack) {
  typeAndOk("Cowes", 2);
  editor.listClick(0);
  editor.form.name = "Typo";
  editor.form.reference = 0;
  editor.form.values[0] = "9.99";
  editor.cancel();
  EXPECT_EQ(editor.form, editor.tags());
  EXPECT_EQ(editor.form.name, "Cowes");
  EXPECT_EQ(editor.form.reference, 2);
}

TEST_F(DifferenceEditorTest, FullDatabaseRefusesOneMore) {
  for (int i = 0; i < kMaxDatabaseRecords; ++i) typeAndOk("P" + std::to_string(i));
  ASSERT_EQ(editor.recordCount(), kMaxDatabaseRecords);
  EXPECT_TRUE(platform.messages.empty());
  typeAndOk("One too many");
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kDatabaseFull)});
  EXPECT_EQ(editor.recordCount(), kMaxDatabaseRecords);
  editor.listClick(3);
  platform.clear();
  editor.insert();
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kDatabaseFull)});
  EXPECT_EQ(editor.recordCount(), kMaxDatabaseRecords);
}

TEST_F(DifferenceEditorTest, ReferencePortNotInTheIndexShowsTheFirstPort) {
  std::vector<DifferenceRecord> records(1);
  records[0].name = "Far away";
  records[0].referencePort = 4000;
  records[0].reserved = 7;
  ASSERT_TRUE(WriteDifferenceRecords(dir / "FAR.dif", records));
  platform.fileNext(dir / "FAR.dif");
  editor.open();
  EXPECT_EQ(editor.form.reference, 0);
  EXPECT_EQ(editor.referencePorts().name(editor.form.reference), "Southampton");
  EXPECT_EQ(editor.referencePorts().labels(1).latitude, "50\xB0" "48.0'N");
  EXPECT_TRUE(editor.referencePorts().labels(-1).latitude.empty());
}

TEST_F(DifferenceEditorTest, SaveAndOpenRoundTripKeepingWhatTheEditorDoesNotShow) {
  std::vector<DifferenceRecord> records(2);
  records[0].name = "Kept";
  records[0].reserved = -3;
  records[1].name = "Second";
  ASSERT_TRUE(WriteDifferenceRecords(dir / "OLD.dif", records));
  platform.fileNext(dir / "OLD.dif");
  editor.open();
  EXPECT_EQ(names(), (std::vector<std::string>{"Kept", "Second", ""}));
  EXPECT_EQ(editor.recordCaption(), " 1/ 3");
  EXPECT_EQ(editor.windowCaption(), "Saltmark - Tidal Difference:    " + (dir / "OLD.dif").string());
  EXPECT_FALSE(editor.dataChanged());

  editor.form.name = "Renamed";
  editor.ok();
  ASSERT_TRUE(editor.save());  // to the file it came from, no dialog
  EXPECT_FALSE(editor.dataChanged());
  const auto back = ReadDifferenceFile(dir / "OLD.dif");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].name, "Renamed");
  EXPECT_EQ(back[0].reserved, -3);
  EXPECT_EQ(platform.unansweredQuestions, 0);
}

TEST_F(DifferenceEditorTest, OpenThatFailsKeepsTheDatabaseBeingEdited) {
  typeAndOk("Unsaved");
  test::writeFile(dir / "BAD.dif", std::string("\x05\x00\x03\x00", 4));  // five records promised, cut short
  const struct {
    const char* what;
    std::optional<std::filesystem::path> chosen;
    std::vector<std::string> messages;
  } cases[] = {
      {"dialog cancelled", std::nullopt, {}},
      {"missing file", dir / "NONE.dif", {"File " + (dir / "NONE.dif").string() + " does not exist."}},
      {"damaged file", dir / "BAD.dif", {std::string(kNotValidDifferenceDatabase)}},
  };
  for (const auto& c : cases) {
    platform.clear();
    platform.answerNext(MessageAnswer::No);  // the save question comes first
    platform.fileNext(c.chosen);
    editor.open();
    auto texts = platform.messageTexts();
    ASSERT_FALSE(texts.empty()) << c.what;
    EXPECT_EQ(texts.front(), "Difference Data has changed. Save changes?") << c.what;
    texts.erase(texts.begin());
    EXPECT_EQ(texts, c.messages) << c.what;
    EXPECT_EQ(names(), (std::vector<std::string>{"Unsaved", ""})) << c.what;
    EXPECT_TRUE(editor.dataChanged()) << c.what;
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
  EXPECT_EQ(ReadDifferenceFile(dir / "TAKEN.dif").at(0).name, "Cowes");

  platform.fileNext(dir.path());  // a folder is no file name
  EXPECT_FALSE(editor.saveAs());
  EXPECT_EQ(platform.messageTexts().back(), "Cannot save file");
}

TEST_F(DifferenceEditorTest, NewAndExitAskToSaveAndStayWhenTheSaveDoesNotHappen) {
  const struct {
    const char* what;
    MessageAnswer answer;
    bool dialogCancelled;
    bool goesOn;
  } cases[] = {
      {"No: go on without saving", MessageAnswer::No, false, true},
      {"Yes, dialog cancelled: stay", MessageAnswer::Yes, true, false},
      {"Yes and saved", MessageAnswer::Yes, false, true},
  };
  for (bool exitCommand : {false, true}) {
    for (const auto& c : cases) {
      editor.startNewDatabase();
      typeAndOk("Cowes");
      std::filesystem::remove(dir / "SAVED.dif");
      platform.clear();
      platform.answerNext(c.answer);
      if (c.answer == MessageAnswer::Yes)
        platform.fileNext(c.dialogCancelled ? std::nullopt : std::optional(dir / "SAVED.dif"));
      const bool wentOn = exitCommand ? editor.exit() : editor.newDatabase();
      EXPECT_EQ(wentOn, c.goesOn) << c.what;
      EXPECT_EQ(platform.messages.front().text, "Difference Data has changed. Save changes?") << c.what;
      EXPECT_EQ(names().size(), !exitCommand && c.goesOn ? 1u : 2u) << c.what;
    }
  }
  editor.startNewDatabase();
  platform.clear();
  EXPECT_TRUE(editor.exit());  // nothing changed: no question
  EXPECT_TRUE(platform.messages.empty());
  editor.help();
  EXPECT_EQ(platform.helpTopics, std::vector<int>{16});
}

// A record typed into the boxes but not stored with OK is not lost by a file
// command: Yes stores it first, No drops it, Cancel stays.
TEST_F(DifferenceEditorTest, FileCommandsAskAboutARecordNotYetStored) {
  enum class Command { Exit, New, Open, Save };
  const struct {
    const char* what;
    Command command;
    MessageAnswer answer;
    bool goesOn;
    std::vector<std::string> namesAfter;
  } cases[] = {
      {"Exit, Cancel", Command::Exit, MessageAnswer::Cancel, false, {""}},
      {"Exit, No", Command::Exit, MessageAnswer::No, true, {""}},
      {"New, Cancel", Command::New, MessageAnswer::Cancel, false, {""}},
      {"Open, Cancel", Command::Open, MessageAnswer::Cancel, false, {""}},
      {"Save, Yes", Command::Save, MessageAnswer::Yes, true, {"Hamble", ""}},
      {"Save, No", Command::Save, MessageAnswer::No, true, {""}},
  };
  for (const auto& c : cases) {
    editor.startNewDatabase();
    std::filesystem::remove(dir / "SAVED.dif");
    editor.form.name = "Hamble";
    editor.form.values[difference::kTimeMHW] = "+0030";
    editor.form.values[difference::kTimeMLW] = "-0015";
    platform.clear();
    platform.answerNext(c.answer);
    platform.fileNext(dir / "SAVED.dif");
    bool wentOn = true;
    switch (c.command) {
      case Command::Exit: wentOn = editor.exit(); break;
      case Command::New: wentOn = editor.newDatabase(); break;
      case Command::Open: editor.open(); wentOn = editor.fieldsChanged() == false; break;
      case Command::Save: wentOn = editor.save(); break;
    }
    ASSERT_FALSE(platform.messages.empty()) << c.what;
    EXPECT_EQ(platform.messages.front().text, kRecordChangedQuestion) << c.what;
    EXPECT_EQ(platform.messages.front().buttons, MessageButtons::YesNoCancel) << c.what;
    EXPECT_EQ(wentOn, c.goesOn) << c.what;
    EXPECT_EQ(names(), c.namesAfter) << c.what;
    // Cancel leaves the typed record in the boxes; No puts them back.
    EXPECT_EQ(editor.form.name == "Hamble", c.answer != MessageAnswer::No) << c.what;
    if (c.command == Command::Save && c.answer == MessageAnswer::Yes) {
      const auto saved = ReadDifferenceFile(dir / "SAVED.dif");
      ASSERT_EQ(saved.size(), 1u);
      EXPECT_EQ(saved[0].name, "Hamble");
    }
  }
}

}  // namespace
}  // namespace saltmark
