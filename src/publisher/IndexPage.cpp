#include "publisher/IndexPage.h"

#include "publisher/HtmlText.h"
#include "publisher/WebCredit.h"

namespace saltmark {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendHeadLines(HtmlBuffer& html, std::string_view title, std::string_view charsetMeta) {
  html.AppendHtml("<html><head>" + std::string(charsetMeta) + "<title>" + std::string(title) + "</title></head>");
  html.AppendHtml(
      "<body background=!wertilea.jpg! text=!#FFFFFF! bgcolor=!#000000! link=!#FFFFFF! vlink=!#FFFFFF! "
      "alink=!#FFFFFF!>");
  html.AppendHtml(
      "<p><font face=!Arial Black!><big><strong>World Tide Tables ON-LINE from Saltmark</strong></big></font></p>");
  html.AppendHtml("<p>Predicted by <a href=!" + std::string(kMakerWebAddress) +
                  "!>Saltmark</a>, not for navigation.</p>");
}

}  // namespace

std::string IndexPageHead() {
  HtmlBuffer html;
  appendHeadLines(html, "Home Page", kLatin1CharsetMeta);
  return html.text() + std::string(kLineEnd);
}

std::string IndexPageEntry(std::string_view sanitizedName, std::string_view positionText,
                           std::string_view portName) {
  HtmlBuffer html;
  html.AppendHtml("<a href=!" + HtmlLinkTarget(sanitizedName) + ".html!>" + EscapeHtml(positionText) + " " +
                  EscapeHtml(portName) + "</a><br>");
  return html.text() + std::string(kLineEnd) + std::string(kLineEnd);
}

std::string IndexPageEnd() {
  HtmlBuffer html;
  html.AppendHtml("<p><a href=!../index.html!>WORLD INDEX</a></p>");
  html.AppendHtml("</body></html>");
  return html.text() + std::string(kLineEnd);
}

std::string WorldIndexPage(const std::vector<std::string>& databaseFolders) {
  HtmlBuffer html;
  // Its folder names come from the disk, in UTF-8.
  appendHeadLines(html, "World Index", kUtf8CharsetMeta);
  for (const std::string& folder : databaseFolders)
    html.AppendHtml("<p><a href=!" + HtmlLinkTargetUtf8(folder) + "/index.html!>" + EscapeHtml(folder) + "</a></p>");
  html.AppendHtml("</body></html>");
  // The mark holds a "!", so it goes in as it is, not as a template line.
  return std::string(kWorldIndexMark) + html.text() + std::string(kLineEnd);
}

}  // namespace saltmark
