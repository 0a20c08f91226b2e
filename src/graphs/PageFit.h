#pragma once
// How a captured graph window goes onto the printed page: landscape when the
// picture is wider than high, portrait otherwise, and as large as the page
// allows while keeping its proportions, at the top-left corner.
namespace saltmark {

// Whether a picture of this size is printed on a landscape page.
bool PrintsLandscape(double pictureWidth, double pictureHeight);

struct PageFit {
  double width = 0;
  double height = 0;
};

// The printed size: the full page width when the picture is at least as
// wide for its height as the page, otherwise the full page height. A picture
// or page without area prints nothing (0 x 0).
PageFit FitPictureToPage(double pictureWidth, double pictureHeight, double pageWidth, double pageHeight);

}  // namespace saltmark
