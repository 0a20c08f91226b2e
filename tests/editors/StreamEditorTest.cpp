// The stream editor's record <-> boxes rules: what a station's boxes store
// and show, and what counts as a changed station.
#include <gtest/gtest.h>

#include "data/StreamFile.h"
#include "editors/StreamEditor.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

class StreamEditorTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index;  // none read: the reference list is empty
  StreamEditor editor{platform, index, dir.path()};
};

TEST_F(StreamEditorTest, BoxesStoreWholeDegreesAndHundredthsAndShowThemBack) {
  const struct {
    const char* direction;
    const char* rate;
    std::int16_t storedDirection;
    std::int16_t storedRate;
    const char* shownDirection;
    const char* shownRate;
  } cases[] = {
      {"7", "1.5", 7, 150, "007", "1.50"},
      {"359.4", "0.125", 359, 12, "359", "0.12"},
      {"", "", 0, 0, "000", "0.00"},
      {"44.5", "327", 44, 32700, "044", "327.00"},
  };
  editor.form.name = "Diamond";
  for (std::size_t j = 0; j < std::size(cases); ++j) {
    editor.form.direction[j] = cases[j].direction;
    editor.form.spring[j] = cases[j].rate;
    editor.form.neap[12 - j] = cases[j].rate;
  }
  editor.form.speedUnits = 3;
  editor.ok();
  ASSERT_EQ(editor.recordCount(), 1);
  const StreamRecord& stored = editor.table().records[0];
  EXPECT_EQ(stored.speedUnits, 3);
  editor.listClick(0);
  for (std::size_t j = 0; j < std::size(cases); ++j) {
    EXPECT_EQ(stored.direction[j], cases[j].storedDirection) << j;
    EXPECT_EQ(stored.springRate[j], cases[j].storedRate) << j;
    EXPECT_EQ(stored.neapRate[12 - j], cases[j].storedRate) << j;
    EXPECT_EQ(editor.form.direction[j], cases[j].shownDirection) << j;
    EXPECT_EQ(editor.form.spring[j], cases[j].shownRate) << j;
  }
  EXPECT_EQ(editor.form.speedUnits, 3);
  EXPECT_EQ(editor.form.reference, -1);  // no index: nothing to choose
  EXPECT_EQ(stored.referencePort, 0);
  EXPECT_TRUE(platform.messages.empty());
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
  EXPECT_EQ(platform.lastMessage()->caption, kStreamRecordCaption);
  EXPECT_EQ(editor.table().records[0].speedUnits, 2);
  EXPECT_EQ(editor.form.speedUnits, 2);  // a new station keeps the unit in use
  editor.cancel();
  EXPECT_EQ(editor.form.speedUnits, 2);
}

TEST_F(StreamEditorTest, SavedStationsReadBackAndADamagedFileIsReported) {
  editor.form.name = "Diamond A";
  editor.form.direction.fill("090");
  editor.form.spring.fill("2.10");
  editor.ok();
  platform.fileNext(dir / "MINE.vel");
  ASSERT_TRUE(editor.save());
  EXPECT_EQ(editor.windowCaption(), "Saltmark Tidal Streams:    " + (dir / "MINE.vel").string());
  const auto back = ReadStreamFile(dir / "MINE.vel");
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].springRate[6], 210);

  test::writeFile(dir / "BAD.vel", std::string("\x02\x00", 2));
  platform.fileNext(dir / "BAD.vel");
  editor.open();
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kStreamReadError)});
  EXPECT_EQ(editor.entries(), (std::vector<std::string>{"Diamond A", ""}));
  EXPECT_EQ(editor.fileName(), dir / "MINE.vel");
}

}  // namespace
}  // namespace saltmark
