#include "publisher/HtmlText.h"

#include "common/TextEncoding.h"

namespace saltmark {

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '!': out += "&#33;"; break;
      default: out += c;
    }
  }
  return out;
}

void HtmlBuffer::AppendHtml(std::string_view line) {
  const std::size_t from = text_.size();
  text_.append(line);
  for (std::size_t i = from; i < text_.size(); ++i)
    if (text_[i] == '!') text_[i] = '"';
}

std::string SanitizeFileName(std::string_view text) {
  std::string name(text);
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  for (char reserved : std::string_view("\\/:*?<>|\"")) {
    for (char& c : name)
      if (c == reserved) c = '-';
  }
  return name;
}

std::string HtmlLinkTargetUtf8(std::string_view utf8FileName) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string target;
  for (char c : utf8FileName) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || c == '%' || c == '#') {
      target += '%';
      target += kHex[byte >> 4];
      target += kHex[byte & 0xF];
    } else {
      target += c;
    }
  }
  return EscapeHtml(target);
}

std::string HtmlLinkTarget(std::string_view latin1FileName) {
  return HtmlLinkTargetUtf8(latin1ToUtf8(latin1FileName));
}

std::string PageFileName(std::string_view latin1Name) { return latin1ToUtf8(latin1Name); }

}  // namespace saltmark
