// One application object for every window test program; linked into each of
// them. It is the program's own, so that errors escaping an event handler are
// caught as they are in the program.
#include <gtest/gtest.h>

#include "shell/gui/SaltmarkApplication.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // Window tests run headless unless a display is asked for by name.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "saltmark_window_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) app_ = new saltmark::SaltmarkApplication(argc, argv);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
