#pragma once
// The program's application object. Every window event passes through its
// notify, which is the one place where a run-time error that escaped an
// event handler is caught: the user sees the error's message and the program
// goes on with the next event, instead of ending and losing the session.
#include <QApplication>

namespace saltmark {

class Platform;

class SaltmarkApplication : public QApplication {
 public:
  SaltmarkApplication(int& argc, char** argv);

  // Where the messages of caught errors go; without one they are only caught.
  void reportErrorsTo(Platform* platform) { platform_ = platform; }

  bool notify(QObject* receiver, QEvent* event) override;

  // The application object when it is a SaltmarkApplication, else null.
  static SaltmarkApplication* instance();

 private:
  void report(const char* text);

  Platform* platform_ = nullptr;
};

}  // namespace saltmark
