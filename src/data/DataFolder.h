#pragma once
// The data folder: where the program reads and writes SALTMARK.CFG,
// SALTMARK.IND and the *.tid, *.dif and *.vel databases. In this order:
//
//   1. the folder the user named with --folder (it must exist and be writable:
//      there is never a silent fall-back to another folder);
//   2. the program's own folder, when it holds SALTMARK.IND and may be written
//      (the build tree and portable copies);
//   3. otherwise the user's own data folder, created on the first start and
//      filled with a copy of the installed data (its folder "user" when the
//      program was installed into that very folder, as with ~/.local).
//
// The installed data are never written. A later version's newer bundled
// databases replace the user's copies only where the user has not edited
// them; an edited copy is kept and the user is told once which bundled files
// were newer. A hidden list in the user folder remembers, for each copied
// file, the bundled version it was last compared with.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace saltmark {

struct DataFolderPlaces {
  std::optional<std::filesystem::path> given;  // --folder
  std::filesystem::path programFolder;         // the executable's own folder
  std::filesystem::path installedFolder;       // the installed data, read only
  std::filesystem::path userFolder;            // the user's data folder
};

struct DataFolderChoice {
  std::filesystem::path folder;      // where the data files are read and written
  std::filesystem::path helpFolder;  // the help pages, wherever they were installed
};

// Why a folder named by the user cannot be the data folder, or nullopt when it can.
std::optional<std::string> CheckGivenFolder(const std::filesystem::path& folder,
                                            const std::filesystem::path& installedFolder = {});

// Chooses the data folder; creates and fills the user folder when that is the
// choice. A refusal is shown with the critical icon and gives nullopt: the
// program must not start. The note about newer bundled files is shown once.
std::optional<DataFolderChoice> ChooseDataFolder(const DataFolderPlaces& places, Platform& platform);

// The bundled files the user folder takes copies of: SALTMARK.IND and the
// tide, difference and stream databases.
bool IsBundledDataFile(const std::filesystem::path& name);

struct FillResult {
  std::vector<std::string> keptEdited;  // newer bundled files not copied over the user's edits
  std::string error;                    // a file that could not be copied, with the reason
};

// Brings the user folder up to the bundled data (see the header's story).
FillResult FillUserFolder(const std::filesystem::path& bundledFolder, const std::filesystem::path& userFolder);

}  // namespace saltmark
