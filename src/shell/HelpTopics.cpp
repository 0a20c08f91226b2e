#include "shell/HelpTopics.h"

namespace saltmark {

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics = {
      {1, "mainwindow.html", "The main window"},
      {2, "tidegraph.html", "The tide graph"},
      {3, "anchoring.html", "Anchoring and grounding calculator"},
      {5, "alarm.html", "Under-keel clearance alarm"},
      {6, "formulae.html", "Formulae used by the calculator"},
      {7, "information.html", "Information display"},
      {8, "tableviewer.html", "The table viewer"},
      {9, "tidetable.html", "Tide table settings"},
      {11, "accuracy.html", "Accuracy of the predictions"},
      {12, "timezones.html", "Time zones and the clock"},
      {13, "streamgraph.html", "The stream graph"},
      {14, "streamtable.html", "Stream table settings"},
      {15, "streameditor.html", "The stream editor"},
      {16, "differenceeditor.html", "The difference editor"},
  };
  return topics;
}

std::string HelpTopicPage(int context) {
  for (const HelpTopic& topic : HelpTopics())
    if (topic.context == context) return topic.page;
  return kHelpContentsPage;
}

}  // namespace saltmark
