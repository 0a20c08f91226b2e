#pragma once
// SaveDirform, "Select Save Directory": the drive list (Drive1, the mounted
// volumes), the folder tree of the chosen drive (Dir1), OK (Command1) and
// Cancel (Command2). OK returns the folder highlighted in the tree, which is
// the one the dialog opened on until the user highlights another.
#include <filesystem>
#include <optional>

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace saltmark {

class Platform;

class SaveDirectoryChooser : public QDialog {
  Q_OBJECT
 public:
  explicit SaveDirectoryChooser(QWidget* parent = nullptr, Platform* platform = nullptr);

  // Opens on start (or the drive it lies on) and waits; nothing on Cancel.
  std::optional<std::filesystem::path> choose(const std::filesystem::path& start);

  // Prepares the dialog without waiting (for tests and the screenshots).
  void openOn(const std::filesystem::path& start);
  // The folder OK would return.
  std::filesystem::path highlighted() const;
  // Makes a folder the highlighted one, as a click in the tree does.
  void highlight(const std::filesystem::path& folder);

 private slots:
  void Drive1_Change(int index);
  void Command1_Click();
  void Command2_Click();

 private:
  void showDrive(const QString& root);

  Platform* platform_;
  QComboBox* Drive1_;
  QTreeView* Dir1_;
  QFileSystemModel* model_;
  QString currentDrive_;
};

}  // namespace saltmark
