#pragma once
// What the graphs draw on. The graph windows, their printouts and the
// command line's PNG all draw through this one interface, so the drawing
// decisions live in core code and every target shows the same picture.
//
// The surface works in a coordinate window chosen by the caller, as the
// classic picture boxes did: setCoordinateWindow(0, top, 960, bottom) puts
// column 0 at the left edge, column 960 at the right edge, the height `top`
// at the top edge and `bottom` at the bottom edge. Every position given to
// the drawing calls is in that window.
#include <cstdint>
#include <string_view>

namespace saltmark {

// A colour as 0xBBGGRR, the order the program's colour values are written in
// (0x0000FF is red).
struct Colour {
  std::uint32_t bgr = 0;
  constexpr int red() const { return static_cast<int>(bgr & 0xFF); }
  constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFF); }
  constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFF); }
  friend constexpr bool operator==(Colour, Colour) = default;
};

inline constexpr Colour kBlack{0x000000};
inline constexpr Colour kWhite{0xFFFFFF};
inline constexpr Colour kGreen{0x00FF00};

// The sixteen colours of the classic console palette by index:
// 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 brown, 7 light grey,
// 8 dark grey, 9 light blue, 10 light green, 11 light cyan, 12 light red,
// 13 light magenta, 14 yellow, 15 white. Other indexes give black.
Colour QBColor(int index);

enum class LineStyle { Solid, Dashed, Dotted };

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual void setCoordinateWindow(double left, double top, double right, double bottom) = 0;
  // Fills the whole surface with the colour.
  virtual void clear(Colour background) = 0;

  virtual void setColour(Colour colour) = 0;
  // In device pixels; 1 is the thinnest line.
  virtual void setPenWidth(int width) = 0;
  virtual void setLineStyle(LineStyle style) = 0;

  virtual void line(double x1, double y1, double x2, double y2) = 0;
  // A dot of the pen's width.
  virtual void point(double x, double y) = 0;
  // A filled box between two corners, in the current colour.
  virtual void fill(double x1, double y1, double x2, double y2) = 0;
  // Text (8-bit Latin-1) with its top-left corner at (x, y).
  virtual void text(double x, double y, std::string_view text) = 0;
};

}  // namespace saltmark
