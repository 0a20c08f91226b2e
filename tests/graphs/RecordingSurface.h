#pragma once
// A drawing surface that remembers what was drawn, for the graph tests.
#include <ranges>
#include <string>
#include <vector>

#include "graphs/DrawingSurface.h"

namespace saltmark::test {

struct DrawnLine { double x1, y1, x2, y2; Colour colour; int width; };
struct DrawnText { double x, y; std::string text; Colour colour; };
struct DrawnPoint { double x, y; Colour colour; int width; };

class RecordingSurface : public DrawingSurface {
 public:
  void setCoordinateWindow(double l, double t, double r, double b) override {
    left = l, top = t, right = r, bottom = b;
  }
  void clear(Colour c) override { background = c, lines.clear(), texts.clear(), points.clear(); }
  void setColour(Colour c) override { colour = c; }
  void setPenWidth(int w) override { width = w; }
  void setLineStyle(LineStyle) override {}
  void line(double x1, double y1, double x2, double y2) override { lines.push_back({x1, y1, x2, y2, colour, width}); }
  void point(double x, double y) override { points.push_back({x, y, colour, width}); }
  void fill(double, double, double, double) override {}
  void text(double x, double y, std::string_view t) override { texts.push_back({x, y, std::string(t), colour}); }
  std::vector<std::string> textStrings() const {
    const auto strings = texts | std::views::transform(&DrawnText::text);
    return {strings.begin(), strings.end()};
  }

  double left = 0, top = 0, right = 0, bottom = 0;
  Colour background, colour;
  int width = 1;
  std::vector<DrawnLine> lines;
  std::vector<DrawnText> texts;
  std::vector<DrawnPoint> points;
};

}  // namespace saltmark::test
