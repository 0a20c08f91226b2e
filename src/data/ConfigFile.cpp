#include "data/ConfigFile.h"

#include <bit>
#include <cstdint>
#include <system_error>
#include <tuple>

#include "common/AtomicFile.h"
#include "common/ByteIO.h"
#include "common/RuntimeError.h"
#include "common/Version.h"
#include "data/SettingsLimits.h"

namespace saltmark {

namespace {

// The record's fields in file order; encoding, decoding and comparing all
// walk this one list.
constexpr auto kFields = std::make_tuple(
    &Settings::versionText, &Settings::tideDatabasePath, &Settings::locationName, &Settings::timeBase,
    &Settings::systemZoneOffset, &Settings::localZoneOffset, &Settings::draught, &Settings::chartedDepth,
    &Settings::chainOnBoard, &Settings::ropeOnBoard, &Settings::chainMultiplier, &Settings::ropeMultiplier,
    &Settings::colourDisplay, &Settings::vesselName, &Settings::metricUnits, &Settings::useClock,
    &Settings::findLatitude, &Settings::findLongitude, &Settings::autoLocalZone, &Settings::graphDays,
    &Settings::graphSwitch1, &Settings::graphSwitch2, &Settings::graphSwitch3, &Settings::findDistance,
    &Settings::echoSounderOffset, &Settings::portMode, &Settings::streamDatabasePath, &Settings::speedUnits,
    &Settings::differenceDatabasePath);
static_assert(std::tuple_size_v<decltype(kFields)> == 29);

template <class Visit>
void forEachField(Visit&& visit) {
  std::apply([&](auto... field) { (visit(field), ...); }, kFields);
}

void writeField(ByteWriter& w, const std::string& v) { w.writeText(v); }
void writeField(ByteWriter& w, std::int16_t v) { w.writeInt16(v); }
void writeField(ByteWriter& w, float v) { w.writeSingle(v); }
void readField(ByteReader& r, std::string& v) { v = r.readText(); }
void readField(ByteReader& r, std::int16_t& v) { v = r.readInt16(); }
void readField(ByteReader& r, float& v) { v = r.readSingle(); }

template <class T>
bool sameValue(const T& a, const T& b) { return a == b; }
// A single read back from the file is the same value even when it is not a
// number, so an untouched record never counts as changed.
bool sameValue(float a, float b) {
  return a == b || std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool hasSignature(std::string_view versionText) {
  return versionText.substr(0, kSignatureLength) == kVersionString.substr(0, kSignatureLength);
}

}  // namespace

std::filesystem::path ConfigFilePath(const std::filesystem::path& folder) { return folder / kConfigFileName; }

std::string EncodeSettings(const Settings& settings) {
  ByteWriter writer;
  forEachField([&](auto field) { writeField(writer, settings.*field); });
  return writer.bytes();
}

Settings DecodeSettings(std::string_view bytes) {
  ByteReader reader(bytes);
  Settings settings;
  forEachField([&](auto field) { readField(reader, settings.*field); });
  return settings;
}

SettingsSource LoadSettings(Settings& settings, Settings& savedCopy, const std::filesystem::path& folder,
                            Platform& platform) {
  setDefaultSettings(settings);
  savedCopy = settings;
  const std::filesystem::path path = ConfigFilePath(folder);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return SettingsSource::Defaults;
  // Read into a separate record, so that a damaged or foreign file leaves
  // nothing of itself behind.
  bool accepted = false;
  Settings read;
  try {
    read = DecodeSettings(readWholeFile(path));
    accepted = hasSignature(read.versionText);
  } catch (const std::exception&) {
  }
  if (!accepted) {
    platform.message("Error in Loading Configuration File", MessageIcon::None);
    return SettingsSource::Rejected;
  }
  settings = std::move(read);
  // The copy keeps the file's values, so that the exit question offers to
  // store the mended ones.
  savedCopy = settings;
  const std::vector<std::string> reset = ResetUnusableSettings(settings);
  if (!reset.empty()) platform.message(UnusableSettingsMessage(reset), MessageIcon::Exclamation);
  return SettingsSource::File;
}

bool SaveSettings(Settings& settings, const std::filesystem::path& folder, Platform& platform) {
  settings.versionText = std::string(kVersionString);
  bool saved = false;
  try {
    saved = writeFileAtomically(ConfigFilePath(folder), EncodeSettings(settings)).ok;
  } catch (const std::exception&) {
  }
  if (!saved) platform.message("Cannot Save Configuration File", MessageIcon::None);
  return saved;
}

bool SettingsChanged(const Settings& settings, const Settings& savedCopy) {
  bool changed = false;
  forEachField([&](auto field) { changed = changed || !sameValue(settings.*field, savedCopy.*field); });
  return changed;
}

bool ConfirmExit(Settings& settings, const Settings& savedCopy, const std::filesystem::path& folder,
                 Platform& platform) {
  if (!SettingsChanged(settings, savedCopy)) return true;
  const MessageAnswer answer = platform.message("Configuration Settings Have Changed. Save New Values?",
                                                MessageIcon::None, MessageButtons::YesNoCancel, kAppTitle);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes) SaveSettings(settings, folder, platform);
  return true;
}

}  // namespace saltmark
