#include "editors/gui/DifferenceEditorWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "editors/DifferenceValues.h"
#include "editors/gui/EditorBoxes.h"
#include "platform/gui/QtText.h"

namespace saltmark {

namespace {

const EditorControlNames kNames{
    .window = "DIFFS",
    .title = "Tidal Differences",
    .heading = "Saltmark Tidal Difference Database Manager",
    .list = "index",
    .ok = "Diff_OK",
    .cancel = "Diff_Cancel",
    .append = "Diff_Append",
    .insert = "Diff_Insert",
    .remove = "Diff_Delete",
    .fileMenu = "Diff_File",
    .newFile = "Diff_New",
    .open = "Diff_Open",
    .save = "Diff_Save",
    .saveAs = "Diff_Saveas",
    .saveAsText = "Save &As",
    .exit = "Diff_Exit",
    .help = "Diff_Help",
};

}  // namespace

DifferenceEditorWindow::DifferenceEditorWindow(Platform& platform, const LocationIndex& index,
                                               std::filesystem::path folder, QWidget* parent)
    : StationRecordWindow(editor_, kNames, parent), editor_(platform, index, std::move(folder)) {
  buildFields();
  showEditor();
}

void DifferenceEditorWindow::buildFields() {
  QGroupBox* frame = recordFrame();
  auto* grid = new QGridLayout(frame);
  buildStationBoxes(editor_.referencePorts());

  grid->addWidget(new QLabel("Name", frame), 0, 0);
  grid->addWidget(Nam_, 0, 1, 1, 4);
  grid->addWidget(new QLabel("Latitude", frame), 1, 0);
  grid->addWidget(lat_, 1, 1, 1, 2);
  grid->addWidget(new QLabel("Longitude", frame), 1, 3);
  grid->addWidget(lon_, 1, 4);
  grid->addWidget(new QLabel("Reference Port", frame), 2, 0);
  grid->addWidget(ref_, 2, 1, 1, 2);
  grid->addWidget(reflat_, 2, 3);
  grid->addWidget(reflon_, 2, 4);

  // Three rows of values under their column headings.
  const struct {
    const char* heading;
    std::array<const char*, 4> columns;
    int first;
    int count;
  } rows[] = {
      {"HEIGHT REFERENCES", {"MHWS", "MHWN", "MLWN", "MLWS"}, difference::kReferenceMHWS, 4},
      {"TIME DIFFERENCES", {"MHW", "MLW", "", ""}, difference::kTimeMHW, 2},
      {"MEAN HEIGHT DIFFERENCES", {"MHWS", "MHWN", "MLWN", "MLWS"}, difference::kHeightMHWS, 4},
  };
  int line = 3;
  for (const auto& row : rows) {
    grid->addWidget(new QLabel(row.heading, frame), line, 0, 1, 5);
    for (int c = 0; c < row.count; ++c) {
      const int i = row.first + c;
      grid->addWidget(new QLabel(row.columns[static_cast<std::size_t>(c)], frame), line + 1, c + 1);
      QLineEdit* box = editorBox(QString("d_%1").arg(i), frame);
      watchBox(box, [i](std::string_view text) { return NormaliseDifferenceText(i, text); });
      grid->addWidget(box, line + 2, c + 1);
      d_[static_cast<std::size_t>(i)] = box;
    }
    line += 3;
  }
  grid->addWidget(new QLabel("Note: Heights should be entered in meters", frame), line, 0, 1, 5);
}

void DifferenceEditorWindow::pullForm() {
  DifferenceForm& form = editor_.form;
  pullStation(form);
  for (std::size_t i = 0; i < d_.size(); ++i) form.values[i] = fromQt(d_[i]->text());
}

void DifferenceEditorWindow::pushForm() {
  const DifferenceForm& form = editor_.form;
  pushStation(form, editor_.referencePorts());
  for (std::size_t i = 0; i < d_.size(); ++i) d_[i]->setText(toQt(form.values[i]));
}

}  // namespace saltmark
