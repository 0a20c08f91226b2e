#include "publisher/PageNames.h"

#include <set>

#include "publisher/HtmlText.h"

namespace saltmark {

namespace {

std::string folded(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

}  // namespace

std::vector<std::string> PageFileNames(const std::vector<std::string>& portNames) {
  std::set<std::string> taken{"index"};
  std::vector<std::string> names;
  names.reserve(portNames.size());
  for (const std::string& port : portNames) {
    const std::string clean = SanitizeFileName(port);
    std::string name = clean;
    for (int k = 2; taken.count(folded(name)); ++k) name = clean + "_" + std::to_string(k);
    taken.insert(folded(name));
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace saltmark
