#pragma once
// The index pages. Each tide database gets an index in its folder that links
// the pages of its locations by bare file name (the pages lie beside it) and
// links "../index.html", the world index in the save folder, which lists the
// database folders that hold an index.
//
// A database index is a text file of lines ending in CR LF: the head line,
// then each entry followed by an empty line, then the closing line.
#include <string>
#include <string_view>
#include <vector>

namespace saltmark {

std::string IndexPageHead();
// sanitizedName is the page's file name without ".html" (PageFileNames).
std::string IndexPageEntry(std::string_view sanitizedName, std::string_view positionText,
                           std::string_view portName);
std::string IndexPageEnd();

// The world index: one link per database folder (names as on disk, UTF-8),
// "<folder>/index.html". It begins with kWorldIndexMark, by which a later run
// knows the file as its own and may replace it without asking.
inline constexpr std::string_view kWorldIndexMark = "<!-- Saltmark world index -->";
std::string WorldIndexPage(const std::vector<std::string>& databaseFolders);

}  // namespace saltmark
