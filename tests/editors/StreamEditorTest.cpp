// The stream editor's own record rules: every hour stored and shown, what
// counts as a changed station, and a damaged file.
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

// Every hour's boxes, the first and the last too, are stored and shown back.
TEST_F(StreamEditorTest, EveryHourIsStoredAndShownBack) {
  editor.form.name = "Diamond";
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    editor.form.direction[j] = std::to_string(10 + j);
    editor.form.spring[j] = std::to_string(j) + ".5";
    editor.form.neap[j] = std::to_string(j) + ".25";
  }
  editor.form.speedUnits = 3;
  editor.ok();
  editor.listClick(0);
  const StreamRecord& stored = editor.table().records[0];
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(stored.direction[j], static_cast<int>(10 + j));
    EXPECT_EQ(stored.springRate[j], static_cast<int>(100 * j + 50));
    EXPECT_EQ(stored.neapRate[j], static_cast<int>(100 * j + 25));
    EXPECT_EQ(editor.form.direction[j], "0" + std::to_string(10 + j));
    EXPECT_EQ(editor.form.spring[j], std::to_string(j) + ".50");
  }
  EXPECT_EQ(stored.speedUnits, 3);
  EXPECT_EQ(editor.form.speedUnits, 3);
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
