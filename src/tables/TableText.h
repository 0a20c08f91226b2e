#pragma once
// Where the table generators write: the table viewer's text. The viewer
// window shows a TableTextBuffer; the command line prints one.
#include <string>
#include <string_view>

namespace saltmark {

class TableText {
 public:
  virtual ~TableText() = default;
  // Empties the text.
  virtual void ClearTableText() = 0;
  // Appends the line followed by CR LF.
  virtual void AppendTableLine(std::string_view line) = 0;
};

class TableTextBuffer : public TableText {
 public:
  void ClearTableText() override { text_.clear(); }
  void AppendTableLine(std::string_view line) override {
    text_.append(line);
    text_.append("\r\n");
  }
  // The whole text, every line ending in CR LF (8-bit Latin-1).
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace saltmark
