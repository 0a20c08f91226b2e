// The tide table dialog's "Sun and Moon" box: off at first, shown only for
// the high and low water listing, and its rows in the table when ticked.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "tables/gui/TableViewerWindow.h"
#include "TablesProgram.h"

namespace saltmark::test {
namespace {

TEST(SunMoonDialog, TheBoxAddsSunAndMoonRowsOnlyWhenTicked) {
  TempDir dir;
  writeTidalFolder(dir.path());
  RunningProgram program(dir.path());
  TideTableDialog* dialog = openTideDialog(program);
  ASSERT_TRUE(dialog);
  auto* box = control<QCheckBox>(dialog, "chk_sunmoon");
  ASSERT_TRUE(box);
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(box->isHidden());
  control<QRadioButton>(dialog, "List_Option_1")->click();
  EXPECT_TRUE(box->isHidden());
  control<QRadioButton>(dialog, "List_Option_0")->click();
  EXPECT_FALSE(box->isHidden());

  control<QPushButton>(dialog, "OK")->click();
  auto* viewer = tableWindow<TableViewerWindow>(program, "Tabulate");
  ASSERT_TRUE(viewer);
  const std::string plain = viewer->tableText();
  EXPECT_EQ(plain.find("Sunrise"), std::string::npos);

  pressTable(program);
  box->setChecked(true);
  control<QPushButton>(dialog, "OK")->click();
  const std::string withSky = viewer->tableText();
  EXPECT_NE(withSky.find(" 05 Dec 2026  Sunrise\r\n"), std::string::npos) << withSky;
  EXPECT_NE(withSky.find(" 05 Dec 2026  Sunset\r\n"), std::string::npos);
  EXPECT_GT(withSky.size(), plain.size());
}

}  // namespace
}  // namespace saltmark::test
