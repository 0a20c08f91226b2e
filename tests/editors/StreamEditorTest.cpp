// The stream editor's own record rules: what counts as a changed station,
// and a damaged file. (What the boxes store and show is driven through the
// window.)
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
