#include "editors/RecordListEditor.h"

#include <system_error>

namespace saltmark {

std::string RecordCaption(int position, int entryCount) {
  return " " + std::to_string(position + 1) + "/ " + std::to_string(entryCount);
}

RecordListEditor::RecordListEditor(Platform& platform, const EditorWording& wording, std::filesystem::path folder)
    : platform_(platform), wording_(wording), folder_(std::move(folder)) {}

std::string RecordListEditor::windowCaption() const {
  return std::string(wording_.windowCaptionPrefix) + fileName_.string();
}

bool RecordListEditor::roomForOneMore() {
  if (recordCount() < kMaxDatabaseRecords) return true;
  platform_.message(kDatabaseFull, MessageIcon::Exclamation, MessageButtons::Ok, wording_.fileCaption);
  return false;
}

bool RecordListEditor::storeCurrent() {
  if (!checkFields()) return false;
  const bool isNew = onBlankEntry();
  if (isNew) {
    if (!roomForOneMore()) return false;
    clearRecord(current_);
  }
  storeRecord(current_);
  entries_[static_cast<std::size_t>(current_)] = recordName(current_);
  setDataChanged(true);
  if (isNew) entries_.emplace_back();
  return true;
}

void RecordListEditor::showPosition(int position) {
  current_ = position;
  if (onBlankEntry())
    clearFields();
  else
    showRecord(position);
}

void RecordListEditor::ok() {
  const bool wasNew = onBlankEntry();
  if (!storeCurrent()) return;
  showPosition(wasNew ? recordCount() : current_);
}

void RecordListEditor::listClick(int position) {
  if (position < 0 || position > recordCount()) return;
  if (fieldsChanged()) {
    const MessageAnswer answer = platform_.message(kRecordChangedQuestion, MessageIcon::Exclamation,
                                                   MessageButtons::YesNo, wording_.recordQuestionCaption);
    // A refused record stays in the boxes, and the list stays on it.
    if (answer == MessageAnswer::Yes && !storeCurrent()) return;
  }
  showPosition(position);
}

void RecordListEditor::rebuildEntries(int count) {
  entries_.clear();
  for (int i = 0; i < count; ++i) entries_.push_back(recordName(i));
  entries_.emplace_back();
}

void RecordListEditor::insert() {
  if (fieldsChanged()) {
    const MessageAnswer answer = platform_.message(kRecordChangedQuestion, MessageIcon::Exclamation,
                                                   MessageButtons::YesNo, wording_.recordQuestionCaption);
    if (answer == MessageAnswer::Yes && !storeCurrent()) return;
  }
  if (!roomForOneMore()) return;
  const int count = recordCount();
  for (int i = count - 1; i >= current_; --i) moveRecord(i, i + 1);
  clearRecord(current_);
  clearFields();
  storeRecord(current_);
  setDataChanged(true);
  rebuildEntries(count + 1);
}

void RecordListEditor::remove() {
  if (!onBlankEntry()) {
    const int count = recordCount();
    for (int i = current_; i < count - 1; ++i) moveRecord(i + 1, i);
    rebuildEntries(count - 1);
    setDataChanged(true);
  }
  showPosition(current_);
}

bool RecordListEditor::settleEditedRecord() {
  if (!fieldsChanged()) return true;
  const MessageAnswer answer = platform_.message(kRecordChangedQuestion, MessageIcon::Exclamation,
                                                 MessageButtons::YesNoCancel, wording_.recordQuestionCaption);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes) return storeCurrent();
  restoreFieldsFromTags();
  return true;
}

bool RecordListEditor::askToSaveIfChanged() {
  if (!dataChanged()) return true;
  const MessageAnswer answer = platform_.message(wording_.dataChangedQuestion, MessageIcon::Exclamation,
                                                 MessageButtons::YesNo, wording_.fileCaption);
  return answer != MessageAnswer::Yes || save();
}

bool RecordListEditor::newDatabase() {
  if (!settleEditedRecord() || !askToSaveIfChanged()) return false;
  startNewDatabase();
  return true;
}

void RecordListEditor::startNewDatabase() {
  setDataChanged(false);
  entries_.assign(1, std::string());
  fileName_.clear();
  showPosition(0);
}

std::filesystem::path RecordListEditor::withDefaultExtension(std::filesystem::path path) const {
  if (!path.empty() && !path.has_extension()) path += "." + std::string(wording_.extension);
  return path;
}

FileDialogRequest RecordListEditor::dialogRequest(std::string_view title, const std::filesystem::path& start) const {
  const std::string filter = "*." + std::string(wording_.extension);
  return FileDialogRequest{std::string(title), filter, start.empty() ? folder_ / filter : start};
}

void RecordListEditor::open() {
  if (!settleEditedRecord() || !askToSaveIfChanged()) return;
  const auto chosen = platform_.chooseOpenFile(dialogRequest(wording_.openTitle, {}));
  if (!chosen) return;
  const std::filesystem::path path = withDefaultExtension(*chosen);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    platform_.message("File " + path.string() + " does not exist.", MessageIcon::Information, MessageButtons::Ok,
                      wording_.fileCaption);
    return;
  }
  std::vector<std::string> names;
  const FileLoadResult loaded = loadFile(path, names);
  if (!loaded) {
    reportOpenFailure(loaded);
    return;
  }
  fileName_ = path;
  entries_ = std::move(names);
  entries_.emplace_back();
  setDataChanged(false);
  showPosition(0);
}

bool RecordListEditor::save() {
  if (!settleEditedRecord()) return false;
  if (fileName_.empty()) return saveAs();
  return writeFile(fileName_, recordCount());
}

bool RecordListEditor::saveAs() {
  if (!settleEditedRecord()) return false;
  FileDialogRequest request = dialogRequest(wording_.saveTitle, fileName_);
  request.dialogAsksBeforeReplacing = false;  // the editor asks its own question below
  const auto chosen = platform_.chooseSaveFile(request);
  if (!chosen) return false;
  std::error_code error;
  if (chosen->filename().empty() || chosen->filename().string().find('*') != std::string::npos ||
      std::filesystem::is_directory(*chosen, error)) {
    platform_.message(wording_.saveAsFailure, MessageIcon::Information);
    return false;
  }
  const std::filesystem::path path = withDefaultExtension(*chosen);
  if (std::filesystem::exists(path, error)) {
    const MessageAnswer answer =
        platform_.message("File " + path.string() + " already exists. Do you want to overwrite it?",
                          MessageIcon::Exclamation, MessageButtons::YesNo, wording_.fileCaption);
    if (answer != MessageAnswer::Yes) return false;
  }
  // The name is kept only once the file is written, so a failed Save As
  // leaves Save pointing at the file that holds the data.
  if (!writeFile(path, recordCount())) return false;
  fileName_ = path;
  return true;
}

}  // namespace saltmark
