#pragma once
// The file names of a database's pages. Each port's page is named after its
// cleaned name (SanitizeFileName), but two ports can clean to the same name
// ("A B" and "A_B", "A/B" and "A-B") and a port may be called "index", which
// is the database index beside the pages. So the names are worked out over
// the whole database, in its order: a name already taken (compared without
// regard to case, as a Windows folder or web server may) gets "_2", "_3" ...,
// the first free one. The same database always gives the same names, whichever
// of its ports a run publishes.
#include <string>
#include <vector>

namespace saltmark {

// One name (Latin-1, without ".html") per port name, in the same order.
std::vector<std::string> PageFileNames(const std::vector<std::string>& portNames);

}  // namespace saltmark
