#pragma once
// The difference editor's records and boxes: a secondary port shown in the
// name, position, reference-port and ten value boxes, checked for a
// permitted combination of values before it is stored.
#include <array>
#include <string>

#include "data/DifferenceFile.h"
#include "data/DifferenceRecord.h"
#include "data/LocationIndex.h"
#include "editors/EditorWordings.h"
#include "editors/RecordTableEditor.h"

namespace saltmark {

// What the boxes show: the shared ones and d(0..9).
struct DifferenceForm : RecordForm {
  std::array<std::string, kDifferenceValueCount> values;

  friend bool operator==(const DifferenceForm&, const DifferenceForm&) = default;
};

class DifferenceEditor : public RecordTableEditor<DifferenceFileFormat, DifferenceForm> {
 public:
  DifferenceEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder);

 protected:
  void showValues(const DifferenceRecord& shown) override { form.values = shown.diffText; }
  void storeValues(DifferenceRecord& stored) const override { stored.diffText = form.values; }
  bool checkFields() override;
  void reportOpenFailure(const FileLoadResult& result) override;
};

}  // namespace saltmark
