#include "graphs/PageFit.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

TEST(PageFit, OrientationFollowsThePicture) {
  EXPECT_TRUE(PrintsLandscape(1000, 700));
  EXPECT_FALSE(PrintsLandscape(700, 1000));
  EXPECT_FALSE(PrintsLandscape(800, 800));  // square: portrait
}

TEST(PageFit, LargestSizeThatKeepsTheProportions) {
  struct Case {
    double pictureWidth, pictureHeight, pageWidth, pageHeight;
    double width, height;
  } cases[] = {
      {1000, 500, 280, 200, 280, 140},  // wider than the page: full width
      {1000, 800, 280, 200, 250, 200},  // less wide: full height
      {700, 350, 280, 140, 280, 140},   // same proportions: fills the page
      {300, 600, 200, 280, 140, 280},   // portrait
      {0, 600, 200, 280, 0, 0},         // nothing to print
      {300, 600, 0, 280, 0, 0},         // no page
  };
  for (const Case& c : cases) {
    const PageFit fit = FitPictureToPage(c.pictureWidth, c.pictureHeight, c.pageWidth, c.pageHeight);
    EXPECT_DOUBLE_EQ(fit.width, c.width) << c.pictureWidth << "x" << c.pictureHeight;
    EXPECT_DOUBLE_EQ(fit.height, c.height) << c.pictureWidth << "x" << c.pictureHeight;
  }
}

}  // namespace
}  // namespace saltmark
