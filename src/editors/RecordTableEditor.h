#pragma once
// What the difference and stream editors share beyond the record list: the
// table of one file format, the form of boxes with its tags (the values last
// shown or stored, so Cancel can put them back and a change can be seen), the
// reference-port list, and the name, position and reference-port boxes that
// every record has. Each editor adds its own value boxes: how a record's
// values are shown in them and stored from them.
#include <filesystem>
#include <string>
#include <vector>

#include "data/LocationIndex.h"
#include "editors/RecordListEditor.h"
#include "editors/ReferencePortList.h"

namespace saltmark {

// The boxes every record has: Nam, lat, lon and the position chosen in ref.
// Each editor's form adds its own value boxes to these.
struct RecordForm {
  std::string name, latitude, longitude;
  int reference = -1;

  friend bool operator==(const RecordForm&, const RecordForm&) = default;
};

template <typename Format, typename Form>
class RecordTableEditor : public RecordListEditor {
 public:
  using Record = typename Format::Record;
  using Table = typename Format::Table;

  RecordTableEditor(Platform& platform, const EditorWording& wording, const LocationIndex& index,
                    std::filesystem::path folder)
      : RecordListEditor(platform, wording, std::move(folder)), references_(index) {
    resetForm(Form{});
  }

  Form form;  // the boxes as the user left them
  const Form& tags() const { return tags_; }
  const ReferencePortList& referencePorts() const { return references_; }
  const Table& table() const { return table_; }

  bool dataChanged() const override { return table_.*Format::changed; }
  bool fieldsChanged() const override { return !(form == tags_); }

 protected:
  void setDataChanged(bool changed) override { table_.*Format::changed = changed; }
  void showRecord(int index) override {
    const Record& shown = record(index);
    showSharedFields(shown);
    showValues(shown);
    tags_ = form;
  }
  void clearFields() override { resetForm(formKeptOnClear()); }
  void storeRecord(int index) override {
    Record& stored = record(index);
    storeSharedFields(stored);
    storeValues(stored);
    tags_ = form;
  }
  void restoreFieldsFromTags() override { form = tags_; }
  void clearRecord(int index) override { record(index) = Record{}; }
  void moveRecord(int from, int to) override { record(to) = record(from); }
  std::string recordName(int index) const override { return table_.records.at(static_cast<std::size_t>(index)).name; }
  FileLoadResult loadFile(const std::filesystem::path& path, std::vector<std::string>& names) override {
    return RecordFile<Format>::load(path, table_, names, platform());
  }
  bool writeFile(const std::filesystem::path& path, int recordCount) override {
    return RecordFile<Format>::store(path, table_, recordCount, platform());
  }

  // The editor's own boxes: filled from a record, and stored back into one.
  virtual void showValues(const Record& shown) = 0;
  virtual void storeValues(Record& stored) const = 0;
  // What Clear leaves in the emptied form; a choice that is not a box may stay.
  virtual Form formKeptOnClear() const { return Form{}; }

  Record& record(int index) { return table_.records.at(static_cast<std::size_t>(index)); }

  void resetForm(Form cleared) {
    form = std::move(cleared);
    form.reference = references_.positionOf(0);
    tags_ = form;
  }

  void showSharedFields(const Record& shown) {
    form.name = shown.name;
    form.latitude = shown.latitudeText;
    form.longitude = shown.longitudeText;
    form.reference = references_.positionOf(shown.referencePort);
  }
  void storeSharedFields(Record& stored) const {
    stored.name = form.name;
    stored.latitudeText = form.latitude;
    stored.longitudeText = form.longitude;
    stored.referencePort = references_.portAt(form.reference);
  }

  ReferencePortList references_;
  Table table_;
  Form tags_;
};

}  // namespace saltmark
