// The SVG of a graph that a browser shows must look like the PNG of the same
// drawing (headless Chromium takes the screenshot; skipped where it is absent).
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphs/gui/GraphImage.h"
#include "graphs/gui/GraphVector.h"
#include "support/TestSupport.h"

namespace saltmark::test {
namespace {

// A graph-like picture: a grid, a filled band, a curve and a label.
void drawSample(DrawingSurface& s) {
  s.setCoordinateWindow(0, 5, 960, -1);
  s.clear(kBlack);
  s.setColour(QBColor(8));
  s.fill(200, 5, 400, -1);
  s.setColour(QBColor(7));
  for (int x = 120; x < 960; x += 120) s.line(x, 5, x, -1);
  for (int y = 0; y <= 4; ++y) s.line(0, y, 960, y);
  s.setColour(QBColor(11));
  s.setPenWidth(2);
  for (int x = 4; x <= 960; x += 4) s.line(x - 4, 2 + 1.5 * std::sin((x - 4) / 80.0), x, 2 + 1.5 * std::sin(x / 80.0));
  s.setColour(kWhite);
  s.text(10, 4.8, "12:00");
}

// The share of pixels whose colour differs by more than a quarter in some channel.
double differingShare(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  if (x.size() != y.size()) return 1;
  long differing = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))}) > 64;
    }
  return static_cast<double>(differing) / (x.width() * x.height());
}

TEST(GraphVector, TheSvgInABrowserLooksLikeThePng) {
  TempDir dir;
  const QSize size(960, 480);
  const auto svgPath = dir / "graph.svg";
  EXPECT_TRUE(RenderGraphSvg(QSize(), drawSample).isEmpty());
  ASSERT_FALSE(SaveGraphFile(svgPath, RenderGraphSvg(size, drawSample)));
  if (std::system("command -v chromium >/dev/null 2>&1") != 0) GTEST_SKIP() << "no chromium";
  const auto shot = dir / "shot.png";
  const std::string command = "timeout 120 chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars "
                              "--force-device-scale-factor=1 --window-size=960,480 --screenshot='" +
                              shot.string() + "' 'file://" + svgPath.string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 || !std::filesystem::exists(shot)) GTEST_SKIP() << "chromium took no screenshot";
  const QImage browser(QString::fromStdString(shot.string()));
  EXPECT_LT(differingShare(browser, RenderGraphPicture(size, 1, drawSample)), 0.02);
  // and a different drawing is told apart
  EXPECT_GT(differingShare(browser, RenderGraphPicture(size, 1, [](DrawingSurface& s) { s.clear(kBlack); })), 0.05);
}

}  // namespace
}  // namespace saltmark::test
