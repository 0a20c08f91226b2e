#pragma once
// Detects a copy of the program that is already running: each copy holds an
// exclusive lock on one file in the user's runtime folder for as long as it
// runs. The operating system drops the lock when the process ends, however it
// ends, so a crashed copy never blocks the next start.
#include <QString>

namespace saltmark {

inline constexpr const char* kSecondCopyMessage = "You can run only one copy of Saltmark at a time";

class SingleInstanceLock {
 public:
  // The lock file "saltmark.lock" in the folder; an empty folder means the
  // user's runtime folder.
  explicit SingleInstanceLock(QString folder = {});
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when this copy now holds the lock; false when another copy does.
  // A lock file that cannot be made at all does not stop the program.
  bool acquire();
  bool held() const { return fd_ >= 0; }
  const QString& path() const { return path_; }

 private:
  QString path_;
  int fd_ = -1;
};

}  // namespace saltmark
