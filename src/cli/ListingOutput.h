#pragma once
// Long sample listings (heights, streams) in text, CSV or JSON, written to
// standard output through one large buffer.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ListingFormat.h"
#include "common/DateTime.h"

namespace saltmark::cli {

class SampleListingOutput {
 public:
  // `columns` name the values after the time (CSV header, JSON keys).
  SampleListingOutput(ListingFormat format, std::vector<std::string> columns, int utcOffsetMinutes);
  ~SampleListingOutput();

  // Starts a row at the instant; the values follow with value() in column order.
  void beginRow(DateTime listed);
  void value(double number, int significant);
  void value(long long number);
  void endRow();

  // Writes out what is left (also done by the destructor).
  void finish();

 private:
  void separator();
  void flushIfLarge();

  ListingFormat format_;
  std::vector<std::string> columns_;
  int utcOffsetMinutes_;
  std::string buffer_;
  std::size_t column_ = 0;
  bool firstRow_ = true;
  bool finished_ = false;
};

}  // namespace saltmark::cli
