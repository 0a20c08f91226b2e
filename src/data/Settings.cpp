#include "data/Settings.h"

namespace saltmark {

void setDefaultSettings(Settings& settings) {
  std::string differencePath = std::move(settings.differenceDatabasePath);
  settings = Settings{};
  settings.differenceDatabasePath = std::move(differencePath);
}

}  // namespace saltmark
