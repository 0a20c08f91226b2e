#include "cli/ListingOutput.h"

#include "tables/ListingText.h"

namespace saltmark::cli {

namespace {
constexpr std::size_t kFlushSize = 1 << 20;
}

SampleListingOutput::SampleListingOutput(ListingFormat format, std::vector<std::string> columns, int utcOffsetMinutes)
    : format_(format), columns_(std::move(columns)), utcOffsetMinutes_(utcOffsetMinutes) {
  buffer_.reserve(kFlushSize + 4096);
  if (format_ == ListingFormat::Csv) {
    buffer_ += "time";
    for (const std::string& c : columns_) buffer_ += "," + c;
    buffer_ += "\r\n";
  } else if (format_ == ListingFormat::Json) {
    buffer_ += "[";
  }
}

SampleListingOutput::~SampleListingOutput() { finish(); }

void SampleListingOutput::beginRow(DateTime listed) {
  column_ = 0;
  switch (format_) {
    case ListingFormat::Csv:
      AppendIsoInstant(buffer_, listed, utcOffsetMinutes_);
      break;
    case ListingFormat::Json:
      buffer_ += firstRow_ ? "\n  {\"time\": \"" : ",\n  {\"time\": \"";
      AppendIsoInstant(buffer_, listed, utcOffsetMinutes_);
      buffer_ += '"';
      break;
    default:
      AppendListingInstant(buffer_, listed);
      break;
  }
  firstRow_ = false;
}

void SampleListingOutput::separator() {
  switch (format_) {
    case ListingFormat::Csv: buffer_ += ','; break;
    case ListingFormat::Json:
      buffer_ += ", \"";
      buffer_ += column_ < columns_.size() ? columns_[column_] : std::string();
      buffer_ += "\": ";
      break;
    default: buffer_ += '\t'; break;
  }
  ++column_;
}

void SampleListingOutput::value(double number, int significant) {
  separator();
  AppendGeneral(buffer_, number, significant);
}

void SampleListingOutput::value(long long number) {
  separator();
  AppendInteger(buffer_, number);
}

void SampleListingOutput::endRow() {
  switch (format_) {
    case ListingFormat::Csv: buffer_ += "\r\n"; break;
    case ListingFormat::Json: buffer_ += '}'; break;
    default: buffer_ += '\n'; break;
  }
  flushIfLarge();
}

void SampleListingOutput::flushIfLarge() {
  if (buffer_.size() < kFlushSize) return;
  std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
  buffer_.clear();
}

void SampleListingOutput::finish() {
  if (finished_) return;
  finished_ = true;
  if (format_ == ListingFormat::Json) buffer_ += firstRow_ ? "]\n" : "\n]\n";
  std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
  std::fflush(stdout);
  buffer_.clear();
}

}  // namespace saltmark::cli
