#include "data/DataFolder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "common/AtomicFile.h"

namespace saltmark {
namespace fs = std::filesystem;

namespace {

constexpr const char* kIndexName = "SALTMARK.IND";
// Per copied file: the bundled version it was last compared with.
constexpr const char* kCopiesListName = ".bundled-copies";
constexpr const char* kOwnFilesFolderName = "user";

bool isDirectory(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool isFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

bool isWritableFolder(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool sameFolder(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && fs::equivalent(a, b, error);
}

std::optional<std::string> readWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

// FNV-1a: enough to tell whether a file is still the copy we made.
std::string fingerprint(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

using CopiesList = std::map<std::string, std::string>;  // file name -> fingerprint

CopiesList readCopiesList(const fs::path& userFolder) {
  CopiesList list;
  std::ifstream in(userFolder / kCopiesListName);
  std::string print, name;
  while (in >> print && std::getline(in >> std::ws, name)) list[name] = print;
  return list;
}

WriteResult writeCopiesList(const fs::path& userFolder, const CopiesList& list) {
  std::string text;
  for (const auto& [name, print] : list) text += print + ' ' + name + '\n';
  return writeFileAtomically(userFolder / kCopiesListName, text);
}

std::vector<fs::path> bundledFiles(const fs::path& folder) {
  std::vector<fs::path> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file(error) && IsBundledDataFile(entry.path().filename()))
      names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// The installed data, or a read-only program folder that carries them.
fs::path bundledFolder(const DataFolderPlaces& places) {
  if (isFile(places.installedFolder / kIndexName)) return places.installedFolder;
  if (isFile(places.programFolder / kIndexName)) return places.programFolder;
  return {};
}

fs::path helpFolder(const DataFolderPlaces& places, const fs::path& dataFolder) {
  for (const fs::path& folder : {places.programFolder, places.installedFolder, dataFolder})
    if (!folder.empty() && isDirectory(folder / "help")) return folder / "help";
  return dataFolder / "help";
}

std::string keptEditedMessage(const std::vector<std::string>& names, const fs::path& bundled) {
  std::string text = "This version brings newer copies of databases you have edited. Your own files are kept:";
  for (const auto& name : names) text += "\r    " + name;
  return text + "\rThe new versions are in " + bundled.string() + ".";
}

}  // namespace

bool IsBundledDataFile(const fs::path& name) {
  const fs::path ext = name.extension();
  return name == kIndexName || ext == ".tid" || ext == ".dif" || ext == ".vel";
}

std::optional<std::string> CheckGivenFolder(const fs::path& folder, const fs::path& installedFolder) {
  const std::string shown = folder.string();
  std::error_code error;
  if (!fs::exists(folder, error)) return "The data folder " + shown + " does not exist.";
  if (!isDirectory(folder)) return shown + " is not a folder.";
  if (sameFolder(folder, installedFolder))
    return shown + " holds the installed data, which are kept as shipped. Give a folder of your own.";
  if (!isWritableFolder(folder)) return "The data folder " + shown + " cannot be written to.";
  return std::nullopt;
}

FillResult FillUserFolder(const fs::path& bundledFolder, const fs::path& userFolder) {
  FillResult result;
  CopiesList copies = readCopiesList(userFolder);
  const CopiesList before = copies;
  std::error_code readError;
  for (const fs::path& name : bundledFiles(bundledFolder)) {
    const std::string key = name.string();
    const auto bundled = readWhole(bundledFolder / name);
    if (!bundled) {
      result.error = key + ": the installed file cannot be read";
      break;
    }
    const std::string bundledPrint = fingerprint(*bundled);
    const bool present = fs::exists(userFolder / name, readError);
    const auto mine = present ? readWhole(userFolder / name) : std::nullopt;
    if (present && !mine) continue;  // cannot be compared, so it is the user's: left alone
    const auto known = copies.find(key);
    const bool unedited = mine && known != copies.end() && fingerprint(*mine) == known->second;
    if (!mine || unedited) {
      if (!mine || *mine != *bundled) {
        if (const WriteResult written = writeFileAtomically(userFolder / name, *bundled); !written) {
          result.error = key + ": " + written.error;
          break;
        }
      }
    } else if (*mine != *bundled && (known == copies.end() || known->second != bundledPrint)) {
      result.keptEdited.push_back(key);  // said once: the list now holds this version
    }
    copies[key] = bundledPrint;
  }
  if (copies != before) {
    if (const WriteResult written = writeCopiesList(userFolder, copies); !written && result.error.empty())
      result.error = std::string(kCopiesListName) + ": " + written.error;
  }
  return result;
}

std::optional<DataFolderChoice> ChooseDataFolder(const DataFolderPlaces& places, Platform& platform) {
  const auto refuse = [&](const std::string& text) -> std::optional<DataFolderChoice> {
    platform.message(text, MessageIcon::Critical);
    return std::nullopt;
  };
  if (places.given) {
    if (const auto problem = CheckGivenFolder(*places.given, places.installedFolder)) return refuse(*problem);
    return DataFolderChoice{*places.given, helpFolder(places, *places.given)};
  }
  if (isFile(places.programFolder / kIndexName) && isWritableFolder(places.programFolder) &&
      !sameFolder(places.programFolder, places.installedFolder))
    return DataFolderChoice{places.programFolder, helpFolder(places, places.programFolder)};

  fs::path user = places.userFolder;
  // Installed into the user's own ~/.local, the installed data lie in the
  // user's data folder itself: the user's files are kept apart from them.
  if (sameFolder(user, places.installedFolder)) user /= kOwnFilesFolderName;
  std::error_code error;
  fs::create_directories(user, error);
  if (error || !isDirectory(user))
    return refuse("Your data folder " + user.string() + " cannot be created (" +
                  (error ? error.message() : "a file of that name is in the way") +
                  "). Saltmark needs it for your settings and databases.");
  if (!isWritableFolder(user)) return refuse("Your data folder " + user.string() + " cannot be written to.");
  if (const fs::path bundled = bundledFolder(places); !bundled.empty()) {
    const FillResult fill = FillUserFolder(bundled, user);
    if (!fill.error.empty())
      return refuse("The installed data could not be copied into your data folder " + user.string() + " (" +
                    fill.error + ").");
    if (!fill.keptEdited.empty()) platform.message(keptEditedMessage(fill.keptEdited, bundled), MessageIcon::Information);
  }
  return DataFolderChoice{user, helpFolder(places, user)};
}

}  // namespace saltmark
