#include "editors/gui/StreamEditorWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "editors/StreamValues.h"
#include "editors/gui/EditorBoxes.h"
#include "platform/gui/QtText.h"

namespace saltmark {

namespace {

const EditorControlNames kNames{
    .window = "Streams",
    .title = "Tidal Streams",
    .heading = "Saltmark Tidal Streams Database Manager",
    .list = "Recindex",
    .ok = "Str_OK",
    .cancel = "Str_Cancel",
    .append = "Str_Append",
    .insert = "Str_Insert",
    .remove = "Str_Delete",
    .fileMenu = "file",
    .newFile = "filenew",
    .open = "fileopen",
    .save = "filesave",
    .saveAs = "filesaveas",
    .saveAsText = "S&ave_As",
    .exit = "fileexit",
    .help = "Help",
};

const char* const kHourCaptions[kStreamHours] = {"-6", "-5", "-4", "-3", "-2", "-1", "HW",
                                                 "+1", "+2", "+3", "+4", "+5", "+6"};

}  // namespace

StreamEditorWindow::StreamEditorWindow(Platform& platform, const LocationIndex& index, std::filesystem::path folder,
                                       QWidget* parent)
    : StationRecordWindow(editor_, kNames, parent), platform_(platform), editor_(platform, index, std::move(folder)) {
  buildFields();
  showEditor();
}

void StreamEditorWindow::buildFields() {
  QGroupBox* frame = recordFrame();
  auto* grid = new QGridLayout(frame);
  buildStationBoxes(editor_.referencePorts());
  spd_ = new QComboBox(frame);
  spd_->setObjectName("spd");
  for (const char* unit : kSpeedUnitNames) spd_->addItem(unit);
  spd_->setCurrentIndex(0);

  grid->addWidget(new QLabel("Name", frame), 0, 0, 1, 2);
  grid->addWidget(Nam_, 0, 2, 1, 6);
  grid->addWidget(new QLabel("Speed Units", frame), 0, 9, 1, 2);
  grid->addWidget(spd_, 0, 11, 1, 3);
  grid->addWidget(new QLabel("Latitude", frame), 1, 0, 1, 2);
  grid->addWidget(lat_, 1, 2, 1, 3);
  grid->addWidget(new QLabel("Longitude", frame), 1, 6, 1, 2);
  grid->addWidget(lon_, 1, 8, 1, 3);
  grid->addWidget(new QLabel("Reference Port", frame), 2, 0, 1, 2);
  grid->addWidget(ref_, 2, 2, 1, 6);
  grid->addWidget(reflat_, 2, 8, 1, 3);
  grid->addWidget(reflon_, 2, 11, 1, 3);
  buildGrid(grid, 3);
}

void StreamEditorWindow::buildGrid(QGridLayout* grid, int firstLine) {
  QGroupBox* frame = recordFrame();
  for (int j = 0; j < kStreamHours; ++j)
    grid->addWidget(new QLabel(kHourCaptions[j], frame), firstLine, j + 1, Qt::AlignHCenter);
  const struct {
    const char* caption;
    const char* name;
    std::array<QLineEdit*, kStreamHours>& boxes;
    bool direction;
  } rows[] = {{"Dirn ", "d", d_, true}, {"Spring", "s", s_, false}, {"Neap", "n", n_, false}};
  int line = firstLine + 1;
  for (const auto& row : rows) {
    grid->addWidget(new QLabel(row.caption, frame), line, 0);
    for (int j = 0; j < kStreamHours; ++j) {
      QLineEdit* box = editorBox(QString("%1_%2").arg(row.name).arg(j), frame);
      // Wide enough for the largest rate, "327.00".
      box->setMinimumWidth(box->fontMetrics().horizontalAdvance("327.00") + 14);
      if (row.direction) {
        watchBox(box, [](std::string_view text) { return NormaliseStreamDirectionText(text); });
        connect(box, &QLineEdit::textEdited, this, [this, box] { direction_Change(box); });
      } else {
        watchBox(box, [](std::string_view text) { return NormaliseStreamRateText(text); });
        connect(box, &QLineEdit::textEdited, this, [this, box] { rate_Change(box); });
      }
      grid->addWidget(box, line, j + 1);
      row.boxes[static_cast<std::size_t>(j)] = box;
    }
    ++line;
  }
}

void StreamEditorWindow::direction_Change(QLineEdit* box) {
  std::string text = fromQt(box->text());
  if (!CheckStreamDirection(text, platform_)) box->setText(toQt(text));
}

void StreamEditorWindow::rate_Change(QLineEdit* box) {
  std::string text = fromQt(box->text());
  if (!CheckStreamRate(text, platform_)) box->setText(toQt(text));
}

void StreamEditorWindow::pullForm() {
  StreamForm& form = editor_.form;
  pullStation(form);
  form.speedUnits = std::max(0, spd_->currentIndex());
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    form.direction[j] = fromQt(d_[j]->text());
    form.spring[j] = fromQt(s_[j]->text());
    form.neap[j] = fromQt(n_[j]->text());
  }
}

void StreamEditorWindow::pushForm() {
  const StreamForm& form = editor_.form;
  pushStation(form, editor_.referencePorts());
  spd_->setCurrentIndex(form.speedUnits);
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    d_[j]->setText(toQt(form.direction[j]));
    s_[j]->setText(toQt(form.spring[j]));
    n_[j]->setText(toQt(form.neap[j]));
  }
}

}  // namespace saltmark
