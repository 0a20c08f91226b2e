#include "graphs/PageFit.h"

namespace saltmark {

bool PrintsLandscape(double pictureWidth, double pictureHeight) { return pictureHeight < pictureWidth; }

PageFit FitPictureToPage(double pictureWidth, double pictureHeight, double pageWidth, double pageHeight) {
  if (!(pictureWidth > 0 && pictureHeight > 0 && pageWidth > 0 && pageHeight > 0)) return {};
  const double pictureAspect = pictureWidth / pictureHeight;
  const double pageAspect = pageWidth / pageHeight;
  if (pictureAspect >= pageAspect) return {pageWidth, pageWidth / pictureAspect};
  return {pageHeight * pictureAspect, pageHeight};
}

}  // namespace saltmark
