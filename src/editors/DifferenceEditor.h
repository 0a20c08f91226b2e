#pragma once
// The difference editor's records and boxes: a secondary port shown in the
// name, position, reference-port and ten value boxes, checked for a
// permitted combination of values before it is stored.
#include <array>
#include <string>

#include "data/DifferenceRecord.h"
#include "data/LocationIndex.h"
#include "editors/RecordListEditor.h"
#include "editors/ReferencePortList.h"

namespace saltmark {

inline constexpr std::string_view kDifferencesCaption = "Saltmark:Tidal Differences";
inline constexpr std::string_view kDifferenceWindowCaption = "Saltmark - Tidal Difference:    ";
inline constexpr int kDifferenceHelpContext = 16;

// What the boxes show: Nam, lat, lon, the position chosen in ref, d(0..9).
struct DifferenceForm {
  std::string name, latitude, longitude;
  int reference = -1;
  std::array<std::string, kDifferenceValueCount> values;

  friend bool operator==(const DifferenceForm&, const DifferenceForm&) = default;
};

class DifferenceEditor : public RecordListEditor {
 public:
  DifferenceEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder);

  DifferenceForm form;  // the boxes as the user left them
  const DifferenceForm& tags() const { return tags_; }
  const ReferencePortList& referencePorts() const { return references_; }
  const DifferenceTable& table() const { return table_; }

  bool dataChanged() const override { return table_.differenceDataChanged; }
  bool fieldsChanged() const override { return !(form == tags_); }

 protected:
  void setDataChanged(bool changed) override { table_.differenceDataChanged = changed; }
  void restoreFieldsFromTags() override { form = tags_; }
  void showRecord(int index) override;
  void clearFields() override;
  bool checkFields() override;
  void storeRecord(int index) override;
  void clearRecord(int index) override;
  void moveRecord(int from, int to) override;
  std::string recordName(int index) const override;
  FileLoadResult loadFile(const std::filesystem::path& path, std::vector<std::string>& names) override;
  void reportOpenFailure(const FileLoadResult& result) override;
  bool writeFile(const std::filesystem::path& path, int recordCount) override;

 private:
  DifferenceRecord& record(int index) { return table_.records.at(static_cast<std::size_t>(index)); }

  ReferencePortList references_;
  DifferenceTable table_;
  DifferenceForm tags_;
};

}  // namespace saltmark
