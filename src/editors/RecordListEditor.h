#pragma once
// What the difference and the stream editor share: a database edited one
// record at a time through a list of record names that ends with one blank
// entry standing for a new record, the record commands (OK, Cancel, Append,
// Insert, Delete, a click in the list) and the file commands (New, Open,
// Save, Save As, Exit) with their questions.
//
// The editor keeps its own table, so editing never changes the records the
// main window predicts from; the main window sees a saved file when it loads it.
//
// The window mirrors the state kept here: it writes what its boxes show into
// the editor's form before a command and shows the form, list, selection and
// captions again afterwards. Each editor supplies the record <-> form part.
//
// Beyond the plain commands, nothing typed or stored is lost silently: a
// question answered Yes whose save fails or is cancelled keeps the editor
// open with its data; a failed Open leaves the database being edited as it
// was; Open asks to save first, like New; Delete counts as a change to save;
// and New, Open, Save, Save As and Exit first ask about a record changed in
// the boxes but not yet stored.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/RecordFile.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kRecordChangedQuestion = "Current record has changed. Save changes?";
inline constexpr std::string_view kDatabaseFull = "The database is full: it holds 257 records.";

// The texts and numbers that tell the two editors apart.
struct EditorWording {
  std::string_view extension;              // "dif"
  std::string_view fileCaption;            // missing file, overwrite and save questions
  std::string_view recordQuestionCaption;  // "Current record has changed. Save changes?"
  std::string_view dataChangedQuestion;    // asked before New, Open and Exit
  std::string_view windowCaptionPrefix;    // followed by the file name
  std::string_view saveAsFailure;          // a Save As name that cannot be used
  std::string_view openTitle, saveTitle;   // the file dialogs' titles
  int helpContext = 0;
};

// " 3/ 3": the current position + 1 and the entry count, each after a blank.
std::string RecordCaption(int position, int entryCount);

class RecordListEditor {
 public:
  RecordListEditor(Platform& platform, const EditorWording& wording, std::filesystem::path folder);
  virtual ~RecordListEditor() = default;
  RecordListEditor(const RecordListEditor&) = delete;
  RecordListEditor& operator=(const RecordListEditor&) = delete;

  // The list: the record names in record order, then the blank entry.
  const std::vector<std::string>& entries() const { return entries_; }
  int recordCount() const { return static_cast<int>(entries_.size()) - 1; }
  // The record shown in the boxes (the blank entry's position for a new record).
  int current() const { return current_; }
  bool onBlankEntry() const { return current_ == recordCount(); }
  std::string recordCaption() const { return RecordCaption(current_, static_cast<int>(entries_.size())); }
  std::string windowCaption() const;
  const std::filesystem::path& fileName() const { return fileName_; }

  // Record commands.
  void ok();
  void listClick(int position);
  void append() { listClick(recordCount()); }
  void insert();
  void remove();
  void cancel() { restoreFieldsFromTags(); }

  // File commands. newDatabase and exit give false when the user wanted to
  // save and the save did not happen; the editor then stays as it is.
  bool newDatabase();
  void startNewDatabase();  // as New, without the question (each time the window opens)
  void open();
  bool save();
  bool saveAs();
  bool exit() { return settleEditedRecord() && askToSaveIfChanged(); }
  void help() { platform_.showHelpTopic(wording_.helpContext); }

  virtual bool dataChanged() const = 0;

  // Whether the boxes differ from the values last shown or stored.
  virtual bool fieldsChanged() const = 0;

 protected:
  Platform& platform() { return platform_; }

  // What each editor supplies.
  virtual void setDataChanged(bool changed) = 0;
  virtual void restoreFieldsFromTags() = 0;
  virtual void showRecord(int index) = 0;  // the form and tags from the record
  virtual void clearFields() = 0;          // empty boxes, the first reference port
  virtual bool checkFields() = 0;          // before a record is stored; shows the refusal
  virtual void storeRecord(int index) = 0; // the form into the record; the tags follow
  virtual void clearRecord(int index) = 0; // a fresh record: nothing carried over
  virtual void moveRecord(int from, int to) = 0;
  virtual std::string recordName(int index) const = 0;
  virtual FileLoadResult loadFile(const std::filesystem::path& path, std::vector<std::string>& names) = 0;
  virtual void reportOpenFailure(const FileLoadResult& result) = 0;
  virtual bool writeFile(const std::filesystem::path& path, int recordCount) = 0;

 private:
  // A record changed in the boxes but not stored: "Current record has
  // changed. Save changes?" with Yes (store it), No (drop the edits) and
  // Cancel (false: the command does not run). True when nothing was changed.
  bool settleEditedRecord();
  bool askToSaveIfChanged();
  // Checks and stores the record being edited; a new record gets a new blank
  // entry after it. False when refused (the message has been shown).
  bool storeCurrent();
  bool roomForOneMore();
  void rebuildEntries(int recordCount);
  void showPosition(int position);
  std::filesystem::path withDefaultExtension(std::filesystem::path path) const;
  FileDialogRequest dialogRequest(std::string_view title, const std::filesystem::path& start) const;

  Platform& platform_;
  EditorWording wording_;
  std::filesystem::path folder_;
  std::filesystem::path fileName_;
  std::vector<std::string> entries_{std::string()};
  int current_ = 0;
};

}  // namespace saltmark
