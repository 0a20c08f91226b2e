#pragma once
// The stream editor's records and boxes: a stream station shown in the
// name, position, reference-port and speed-unit boxes and the hourly grid of
// sets and spring and neap rates. OK stores a station as it stands (the
// values are checked as they are typed).
#include <array>
#include <string>

#include "data/LocationIndex.h"
#include "data/StreamFile.h"
#include "data/StreamRecord.h"
#include "editors/EditorWordings.h"
#include "editors/RecordTableEditor.h"

namespace saltmark {

// What the boxes show: the shared ones, the position chosen in spd, and
// d(j), s(j), n(j) for the hours j = 0..12 (-6 .. +6).
struct StreamForm : RecordForm {
  int speedUnits = 0;  // a changed unit is a changed station, like a changed box
  std::array<std::string, kStreamHours> direction, spring, neap;

  friend bool operator==(const StreamForm&, const StreamForm&) = default;
};

class StreamEditor : public RecordTableEditor<StreamFileFormat, StreamForm> {
 public:
  StreamEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder);

 protected:
  void showValues(const StreamRecord& shown) override;
  void storeValues(StreamRecord& stored) const override;
  StreamForm formKeptOnClear() const override;
  bool checkFields() override { return true; }
  void reportOpenFailure(const FileLoadResult&) override {}  // the loader has said why
};

}  // namespace saltmark
