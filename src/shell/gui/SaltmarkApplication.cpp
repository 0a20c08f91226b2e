#include "shell/gui/SaltmarkApplication.h"

#include "common/RuntimeError.h"
#include "platform/Platform.h"

namespace saltmark {

SaltmarkApplication::SaltmarkApplication(int& argc, char** argv) : QApplication(argc, argv) {}

SaltmarkApplication* SaltmarkApplication::instance() {
  return dynamic_cast<SaltmarkApplication*>(QCoreApplication::instance());
}

bool SaltmarkApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const RuntimeError& error) {
    report(error.what());
  } catch (const std::exception&) {
    report(runtimeErrorText(-1).c_str());
  }
  return true;
}

void SaltmarkApplication::report(const char* text) {
  if (platform_) platform_->message(text, MessageIcon::Exclamation);
}

}  // namespace saltmark
