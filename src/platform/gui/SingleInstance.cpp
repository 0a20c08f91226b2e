#include "platform/gui/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace saltmark {

SingleInstanceLock::SingleInstanceLock(QString folder) {
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  path_ = QDir(folder).filePath("saltmark.lock");
}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
  }
}

bool SingleInstanceLock::acquire() {
  if (fd_ >= 0) return true;
  QDir().mkpath(QFileInfo(path_).absolutePath());
  const QByteArray name = QFile::encodeName(path_);
  const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // cannot tell: let the user work rather than refuse
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldElsewhere;
  }
  fd_ = fd;
  return true;
}

}  // namespace saltmark
