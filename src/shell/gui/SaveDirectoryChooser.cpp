#include "shell/gui/SaveDirectoryChooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "platform/gui/QtText.h"

namespace saltmark {
namespace {

// The drive a folder lies on: the root of its mounted volume.
QString driveOf(const QString& folder) {
  const QStorageInfo volume(folder);
  return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

}  // namespace

SaveDirectoryChooser::SaveDirectoryChooser(QWidget* parent, Platform* platform)
    : QDialog(parent), platform_(platform) {
  setObjectName("SaveDirform");
  setWindowTitle("Select Save Directory");
  resize(420, 400);
  auto* layout = new QVBoxLayout(this);

  Drive1_ = new QComboBox(this);
  Drive1_->setObjectName("Drive1");
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid()) Drive1_->addItem(volume.rootPath());
  }
  if (Drive1_->findText(QDir::rootPath()) < 0) Drive1_->insertItem(0, QDir::rootPath());
  layout->addWidget(Drive1_);

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setRootPath(QDir::rootPath());
  Dir1_ = new QTreeView(this);
  Dir1_->setObjectName("Dir1");
  Dir1_->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) Dir1_->hideColumn(column);
  Dir1_->setHeaderHidden(true);
  layout->addWidget(Dir1_, 1);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Command1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("Command2");
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(Drive1_, &QComboBox::activated, this, &SaveDirectoryChooser::Drive1_Change);
  connect(ok, &QPushButton::clicked, this, &SaveDirectoryChooser::Command1_Click);
  connect(cancel, &QPushButton::clicked, this, &SaveDirectoryChooser::Command2_Click);
}

void SaveDirectoryChooser::openOn(const std::filesystem::path& start) {
  QString folder = pathToQt(start);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::currentPath();
  folder = QDir(folder).absolutePath();
  currentDrive_ = driveOf(folder);
  const int drive = Drive1_->findText(currentDrive_);
  if (drive >= 0) Drive1_->setCurrentIndex(drive);
  showDrive(currentDrive_);
  highlight(pathFromQt(folder));
}

std::optional<std::filesystem::path> SaveDirectoryChooser::choose(const std::filesystem::path& start) {
  openOn(start);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return highlighted();
}

std::filesystem::path SaveDirectoryChooser::highlighted() const {
  const QModelIndex index = Dir1_->currentIndex();
  return pathFromQt(index.isValid() ? model_->filePath(index) : currentDrive_);
}

void SaveDirectoryChooser::highlight(const std::filesystem::path& folder) {
  const QModelIndex index = model_->index(pathToQt(folder));
  if (!index.isValid()) return;
  Dir1_->setCurrentIndex(index);
  Dir1_->scrollTo(index);
}

void SaveDirectoryChooser::showDrive(const QString& root) {
  Dir1_->setRootIndex(model_->index(root));
}

// A drive that cannot be read is refused and the list goes back to the drive before.
void SaveDirectoryChooser::Drive1_Change(int index) {
  const QString previous = currentDrive_;
  const QString chosen = Drive1_->itemText(index);
  const char* problem = nullptr;
  if (chosen.isEmpty()) {
    problem = "No drive selected";
  } else {
    const QStorageInfo volume(chosen);
    if (!volume.isValid() || !QDir(chosen).isReadable())
      problem = "That drive is not available.";
    else if (!volume.isReady())
      problem = "Close the door on your drive and try again.";
  }
  if (problem) {
    if (platform_)
      platform_->message(problem);
    else
      QMessageBox::information(this, toQt(kAppTitle), problem);
    Drive1_->setCurrentIndex(Drive1_->findText(previous));
    return;
  }
  currentDrive_ = chosen;
  showDrive(currentDrive_);
  highlight(pathFromQt(currentDrive_));
}

void SaveDirectoryChooser::Command1_Click() { accept(); }
void SaveDirectoryChooser::Command2_Click() { reject(); }

}  // namespace saltmark
