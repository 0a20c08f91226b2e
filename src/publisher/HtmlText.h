#pragma once
// The page buffer of the web publisher and the safe handling of texts in it.
//
// The page templates are written with "!" standing for a double quote, so
// that they read easily in code: AppendHtml replaces every "!" by '"' and
// appends the line with no line break (a page holds no line breaks at all).
// Texts that come from data files or from the user (port names, positions,
// the zone name, the font face) go through EscapeHtml first: "&", "<", ">"
// and '"' become entities, so a name cannot inject markup, and "!" becomes
// "&#33;", so the template convention cannot turn it into a quote.
#include <string>
#include <string_view>

namespace saltmark {

std::string EscapeHtml(std::string_view text);

// The character set the bytes of a page are in, declared in its head: the
// place pages and database indexes hold the program's Latin-1 texts, the
// world index the folder names as the disk has them.
inline constexpr std::string_view kLatin1CharsetMeta =
    "<meta http-equiv=!Content-Type! content=!text/html; charset=ISO-8859-1!>";
inline constexpr std::string_view kUtf8CharsetMeta = "<meta http-equiv=!Content-Type! content=!text/html; charset=UTF-8!>";

class HtmlBuffer {
 public:
  void ClearHtml() { text_.clear(); }
  void AppendHtml(std::string_view line);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// A port name as a file name: every blank becomes "_", and each of
// \ / : * ? < > | and '"' becomes "-". "St. Mary's Bay: North/South" gives
// "St._Mary's_Bay-_North-South".
std::string SanitizeFileName(std::string_view text);

// A file name (8-bit Latin-1) as a link target inside a page. Files are
// named in UTF-8 on disk (PageFileName), so the target is percent-encoded as
// UTF-8 beyond ASCII, and "%" and "#" are percent-encoded too: the browser
// then asks for the file by its own name whatever code page it reads the
// page in.
std::string HtmlLinkTarget(std::string_view latin1FileName);
// The same for a name that is already UTF-8 (read from the disk).
std::string HtmlLinkTargetUtf8(std::string_view utf8FileName);

// A page's file name on disk: the Latin-1 name in UTF-8.
std::string PageFileName(std::string_view latin1Name);

}  // namespace saltmark
