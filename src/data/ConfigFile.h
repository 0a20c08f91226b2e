#pragma once
// The configuration file SALTMARK.CFG: the settings record and nothing else,
// its 29 fields in record order, packed: a text as an unsigned 16-bit count and
// its characters, an int16 as 2 bytes, a single as 4 bytes, all little-endian.
//
// At start-up the record is loaded and a copy of it kept; on exit the two are
// compared and, if the user agrees, the record is written back.
#include <filesystem>
#include <string>
#include <string_view>

#include "data/Settings.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kConfigFileName = "SALTMARK.CFG";

std::filesystem::path ConfigFilePath(const std::filesystem::path& folder);

// The record's bytes. Throws RuntimeError(errc::kOverflow) for a text longer
// than 65535 characters.
std::string EncodeSettings(const Settings& settings);

// A record from the start of the bytes; anything after it is ignored. Throws
// RuntimeError(errc::kInputPastEnd) when the bytes end inside the record.
Settings DecodeSettings(std::string_view bytes);

enum class SettingsSource { File, Defaults, Rejected };

// Sets the defaults, then reads the configuration file of the folder when
// there is one. A file that is damaged or that another program wrote (its
// version text does not begin with the program's eight signature characters)
// shows "Error in Loading Configuration File" and leaves the defaults.
// Finally savedCopy becomes a copy of the record as read. Fields that the
// program cannot work with (a draught that is not a number, a zone offset
// out of range) are then set back to their defaults with one message, so
// that the exit question offers to save the mended record.
SettingsSource LoadSettings(Settings& settings, Settings& savedCopy, const std::filesystem::path& folder,
                            Platform& platform);

// Stamps versionText with the program's version string and replaces the file
// whole. A failure shows "Cannot Save Configuration File", keeps the file that
// was there, and returns false.
bool SaveSettings(Settings& settings, const std::filesystem::path& folder, Platform& platform);

// True when any field differs from the copy taken at load (texts compared exactly).
bool SettingsChanged(const Settings& settings, const Settings& savedCopy);

// The exit question: when the settings changed, asks "Configuration Settings
// Have Changed. Save New Values?" (Yes/No/Cancel, caption "Saltmark"). Yes
// saves (a failed save has shown its message), No does not; both let the
// program end. Cancel returns false: the program keeps running.
bool ConfirmExit(Settings& settings, const Settings& savedCopy, const std::filesystem::path& folder,
                 Platform& platform);

}  // namespace saltmark
