// The tide graph's "Sun and Moon" item: off at first, the night shaded once
// ticked, and the choice kept in its own small file across runs.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "almanac/SunMoonGraphSetting.h"
#include "graphs/SkyShading.h"
#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphProgram.h"

namespace saltmark::test {
namespace {

TEST(SunMoonGraph, TickingShadesTheNightAndIsRemembered) {
  TempDir dir;
  writeHarbourFolder(dir.path());
  QImage plain, shaded;
  {
    GraphProgram program(dir.path());
    program.pressGraph();
    QAction* item = program.actionIn("Graphical", "SunMoon");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    plain = program.in<GraphPicture>("Graphical", "Picture1")->picture();
    item->trigger();
    shaded = program.in<GraphPicture>("Graphical", "Picture1")->picture();
    EXPECT_EQ(readFile(dir / "SUNMOON.CFG"), "SunAndMoon=1\r\n");
  }
  ASSERT_FALSE(plain.isNull());
  EXPECT_NE(plain, shaded);
  // a night pixel: the shade's colour appears only in the shaded picture
  const Colour night = NightShadeColour(true);
  const QRgb shade = qRgb(night.red(), night.green(), night.blue());
  const auto has = [&](const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 3)
      for (int x = 0; x < rgb.width(); x += 3)
        if (rgb.pixel(x, y) == shade) return true;
    return false;
  };
  EXPECT_FALSE(has(plain));
  EXPECT_TRUE(has(shaded));
  EXPECT_TRUE(LoadSunMoonGraphSetting(dir.path()));
  writeFile(dir / "SUNMOON.CFG", "garbage");
  EXPECT_FALSE(LoadSunMoonGraphSetting(dir.path()));
}

}  // namespace
}  // namespace saltmark::test
