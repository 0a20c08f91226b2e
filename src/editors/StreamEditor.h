#pragma once
// The stream editor's records and boxes: a stream station shown in the
// name, position, reference-port and speed-unit boxes and the hourly grid of
// sets and spring and neap rates. OK stores a station as it stands (the
// values are checked as they are typed).
#include <array>
#include <string>

#include "data/LocationIndex.h"
#include "data/StreamRecord.h"
#include "editors/RecordListEditor.h"
#include "editors/ReferencePortList.h"

namespace saltmark {

inline constexpr std::string_view kStreamsCaption = "Saltmark:Tidal Streams";
inline constexpr std::string_view kStreamRecordCaption = "SaltMArk:Streams";
inline constexpr std::string_view kStreamWindowCaption = "Saltmark Tidal Streams:    ";
inline constexpr int kStreamHelpContext = 15;

// What the boxes show: Nam, lat, lon, the positions chosen in ref and spd,
// and d(j), s(j), n(j) for the hours j = 0..12 (-6 .. +6).
struct StreamForm {
  std::string name, latitude, longitude;
  int reference = -1;
  int speedUnits = 0;
  std::array<std::string, kStreamHours> direction, spring, neap;

  friend bool operator==(const StreamForm&, const StreamForm&) = default;
};

class StreamEditor : public RecordListEditor {
 public:
  StreamEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder);

  StreamForm form;  // the boxes as the user left them
  const StreamForm& tags() const { return tags_; }
  const ReferencePortList& referencePorts() const { return references_; }
  const StreamTable& table() const { return table_; }

  bool dataChanged() const override { return table_.streamDataChanged; }
  // The speed unit counts too: a station whose unit was changed has changed.
  bool fieldsChanged() const override { return !(form == tags_); }

 protected:
  void setDataChanged(bool changed) override { table_.streamDataChanged = changed; }
  void restoreFieldsFromTags() override { form = tags_; }
  void showRecord(int index) override;
  void clearFields() override;
  bool checkFields() override { return true; }
  void storeRecord(int index) override;
  void clearRecord(int index) override;
  void moveRecord(int from, int to) override;
  std::string recordName(int index) const override;
  FileLoadResult loadFile(const std::filesystem::path& path, std::vector<std::string>& names) override;
  void reportOpenFailure(const FileLoadResult&) override {}  // the loader has said why
  bool writeFile(const std::filesystem::path& path, int recordCount) override;

 private:
  StreamRecord& record(int index) { return table_.records.at(static_cast<std::size_t>(index)); }

  ReferencePortList references_;
  StreamTable table_;
  StreamForm tags_;
};

}  // namespace saltmark
