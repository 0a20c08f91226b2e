// The graph window's "Save as SVG" and "Save as PDF": the graph as shown,
// written as a drawing, and a folder that cannot be written says so.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "graphs/gui/GraphProgram.h"
#include "graphs/gui/TideGraphWindow.h"

namespace saltmark::test {
namespace {

TEST(GraphSave, TheTideGraphSavesAsSvgAndPdf) {
  TempDir dir;
  writeHarbourFolder(dir.path());
  GraphProgram program(dir.path());
  program.pressGraph();
  ASSERT_NE(program.graphWindow("Graphical"), nullptr);
  const std::pair<const char*, const char*> cases[] = {{"SaveSvg", "<?xml"}, {"SavePdf", "%PDF-"}};
  for (const auto& [action, start] : cases) {
    const auto path = dir / (std::string(action) + ".out");
    program.platform.fileNext(path);
    program.actionIn("Graphical", action)->trigger();
    EXPECT_TRUE(program.platform.messages.empty()) << action;
    const std::string bytes = readFile(path);
    EXPECT_EQ(bytes.rfind(start, 0), 0u) << action;
    EXPECT_GT(bytes.size(), 1000u) << action;
  }
  EXPECT_NE(readFile(dir / "SaveSvg.out").find("<polyline"), std::string::npos);

  program.platform.fileNext(dir / "no such folder" / "graph.svg");
  program.actionIn("Graphical", "SaveSvg")->trigger();
  ASSERT_EQ(program.platform.messages.size(), 1u);
  EXPECT_EQ(program.platform.messages[0].icon, MessageIcon::Critical);
}

}  // namespace
}  // namespace saltmark::test
