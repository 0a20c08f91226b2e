#pragma once
// The difference editor's records and boxes: a secondary port shown in the
// name, position, reference-port and ten value boxes, checked for a
// permitted combination of values before it is stored.
#include <array>
#include <string>

#include "data/DifferenceFile.h"
#include "data/DifferenceRecord.h"
#include "data/LocationIndex.h"
#include "editors/RecordTableEditor.h"

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

class DifferenceEditor : public RecordTableEditor<DifferenceFileFormat, DifferenceForm> {
 public:
  DifferenceEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder);

  bool dataChanged() const override { return table_.differenceDataChanged; }

 protected:
  void setDataChanged(bool changed) override { table_.differenceDataChanged = changed; }
  void showRecord(int index) override;
  void clearFields() override;
  bool checkFields() override;
  void storeRecord(int index) override;
  void reportOpenFailure(const FileLoadResult& result) override;
};

}  // namespace saltmark
